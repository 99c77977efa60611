#pragma once

#include <QDialog>
#include <QPointer>

class ProgramContext;
class QLineEdit;
class RichTextBox;

// Edit > Go to Line: asks for a line number of one editor and puts the caret at the start
// of that line, in view. It is modal, so the editor it was opened for stays the one it
// moves; a number outside 1 to the last line is refused with a message and asked again.
class frmGoToLine : public QDialog
{
    Q_OBJECT

public:
    frmGoToLine(ProgramContext &program, RichTextBox *editor);

private:
    void cmdOK_Click();

    ProgramContext &program_;
    QPointer<RichTextBox> editor_;
    QLineEdit *txtLineNumber = nullptr;
};

// Opens the dialog for the editor, proposing the caret's line.
void ShowGoToLine(ProgramContext &program, RichTextBox *editor);
