#pragma once

#include <QDialog>

class FileSearchPanel;
class ProgramContext;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The modeless Find in Files dialog (frmFindInFiles), and with a replacement field Replace
// in Files (frmReplaceInFiles): what to look for, in which folder and files, and how.
// Find starts the search in the results panel and closes the dialog; every field but the
// texts is remembered for the next time, each under a settings section of its own.
class frmFindInFiles : public QDialog
{
    Q_OBJECT

public:
    // `folder` is proposed when none is remembered (the active document's folder).
    frmFindInFiles(ProgramContext &program, FileSearchPanel &panel, bool replace, const QString &folder);

    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;  // Replace in Files only
    QLineEdit *txtFolder = nullptr;
    QLineEdit *txtFileTypes = nullptr;
    QCheckBox *chkCase = nullptr;
    QCheckBox *chkWholeWord = nullptr;
    QCheckBox *chkRegularExpression = nullptr;
    QCheckBox *chkSubfolders = nullptr;
    QPushButton *cmdFind = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    void cmdFind_Click();

    ProgramContext &program_;
    FileSearchPanel &panel_;
    bool matchCase_ = false;
    bool wholeWord_ = false;
    bool regularExpression_ = false;
    bool subfolders_ = true;
};
