#pragma once

#include "search/search_dialog.h"

// The modeless Find and Replace dialog (frmReplace): finds, replaces the next occurrence
// or every one, and takes the last replacement back.
class frmReplace : public SearchDialog
{
    Q_OBJECT

public:
    frmReplace(ProgramContext &program, SearchState &search);

    QLabel *Label2 = nullptr;
    QLineEdit *Text2 = nullptr;
    QPushButton *cmdReplace = nullptr;
    QPushButton *cmdReplaceAll = nullptr;
    QPushButton *cmdUndo = nullptr;
    QCheckBox *chkInSelection = nullptr;

private:
    void Text2_Change();
    void cmdReplace_Click();
    void cmdReplaceAll_Click();
    void cmdUndo_Click();
};
