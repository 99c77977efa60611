#pragma once

#include "dialogs/element_dialog.h"

class QLabel;

// The Hex Value dialog (frmRGB): picks a colour and adds "#" and its code after the
// selection. The chosen code is held in lblHexValue's caption.
class frmRGB : public ElementDialog
{
    Q_OBJECT

public:
    explicit frmRGB(DialogServices services);

private:
    void cmdSelectColor_Click();
    void cmdOK_Click();

    QLabel *lblHexValue = nullptr;
};
