#pragma once

#include "dialogs/element_dialog.h"

class DownloadTimeFrame;
class QComboBox;
class QLineEdit;

// frmSound: puts a background-sound tag for the chosen browser family after the selection.
class frmSound : public ElementDialog
{
    Q_OBJECT

public:
    explicit frmSound(DialogServices services);

private:
    void cmdFindSound_Click();
    void cmdOK_Click();

    DownloadTimeFrame *Frame1 = nullptr;
    QLineEdit *txtSound = nullptr;
    QComboBox *cboLoop = nullptr;
    QComboBox *cboBrowser = nullptr;
};
