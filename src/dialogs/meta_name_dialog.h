#pragma once

#include "dialogs/element_dialog.h"

class QLineEdit;

// frmMetaName: puts the author, classification, description and key-word meta tags,
// after a placement comment, after the selection.
class frmMetaName : public ElementDialog
{
    Q_OBJECT

public:
    explicit frmMetaName(DialogServices services);

private:
    void cmdOK_Click();

    QLineEdit *txtAuthor = nullptr;
    QLineEdit *txtClassification = nullptr;
    QLineEdit *txtDescription = nullptr;
    QLineEdit *txtKeyWords = nullptr;
};
