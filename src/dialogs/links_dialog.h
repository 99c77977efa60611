#pragma once

#include "dialogs/element_dialog.h"

class QComboBox;
class QLineEdit;
class QPushButton;

// The Links dialog (frmLinks): a link type, an address, a target frame and the link
// text make the anchor the selection goes into.
class frmLinks : public ElementDialog
{
    Q_OBJECT

public:
    explicit frmLinks(DialogServices services);

private:
    void cboHREF_Click();
    void cmdFindLink_Click();
    void cmdOK_Click();

    QComboBox *cboHREF = nullptr;
    QComboBox *cboTarget = nullptr;
    QLineEdit *txtLink = nullptr;
    QLineEdit *txtLinkName = nullptr;
    QPushButton *cmdFindLink = nullptr;
};
