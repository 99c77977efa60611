#pragma once

#include "dialogs/element_dialog.h"

class QComboBox;
class QLineEdit;

// frmLists: puts an empty bulleted or numbered list after the selection.
class frmLists : public ElementDialog
{
    Q_OBJECT

public:
    explicit frmLists(DialogServices services);

private:
    void cmdOK_Click();

    QComboBox *cboListType = nullptr;
    QLineEdit *txtNumber = nullptr;
};
