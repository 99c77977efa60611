#pragma once

#include "dialogs/element_dialog.h"

class QComboBox;
class QLineEdit;

// frmRules: puts a horizontal rule, or a chosen graphic standing in for one, after the
// selection.
class frmRules : public ElementDialog
{
    Q_OBJECT

public:
    explicit frmRules(DialogServices services);

private:
    void cmdUseGraphic_Click();
    void cmdOK_Click();

    QLineEdit *txtWidth = nullptr;
    QComboBox *cboWidth = nullptr;
    QComboBox *cboShadow = nullptr;
    QLabel *Image1 = nullptr;
    QLineEdit *txtHeight = nullptr;
    // The chosen graphic: empty paths mean the plain rule.
    QString graphicPath_;
    QString graphicName_;
};
