#pragma once

#include "dialogs/element_dialog.h"

class DownloadTimeFrame;
class QComboBox;
class QLabel;
class QLineEdit;

// The Image dialog (frmImage): a source file, alternate text, size, spacing, border and
// alignment make the image tag that follows the selection. Choosing a picture fills the
// name, alternate text and size, previews it and estimates its download time.
class frmImage : public ElementDialog
{
    Q_OBJECT

public:
    explicit frmImage(DialogServices services);

private:
    void cboAlignment_Click();
    void cmdImage_Click();
    void cmdOK_Click();

    QLineEdit *txtSource = nullptr;
    QLineEdit *txtAltText = nullptr;
    QLineEdit *txtHeight = nullptr;
    QLineEdit *txtWidth = nullptr;
    QLineEdit *txtHSpace = nullptr;
    QLineEdit *txtVSpace = nullptr;
    QLineEdit *txtBorder = nullptr;
    QComboBox *cboAlignment = nullptr;
    QLabel *lblAlignment = nullptr;
    QLabel *Image1 = nullptr;
    DownloadTimeFrame *Frame1 = nullptr;
};
