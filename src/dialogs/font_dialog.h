#pragma once

#include "dialogs/element_dialog.h"

class QComboBox;
class QLabel;

// The Font dialog (frmFont): wraps the selection in a font element, either at once with
// a relative size step or on OK with the chosen colour, size and face.
class frmFont : public ElementDialog
{
    Q_OBJECT

public:
    explicit frmFont(DialogServices services);

private:
    void cmdFontRelative_Click(const QString &step);
    void cmdFont_Click();
    void cmdFontColor_Click();
    void cmdOK_Click();

    QComboBox *cboFontSize = nullptr;
    QLabel *lblFontFace = nullptr;
    QLabel *lblFontColor = nullptr;
};
