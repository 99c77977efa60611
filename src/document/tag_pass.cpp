#include "document/tag_pass.h"

#include "document/notepad_window.h"
#include "document/program.h"
#include "platform/editor_surface.h"

#include <QGuiApplication>
#include <QTextCursor>

namespace {

// Clears the pass flag and the hourglass however the pass ends.
class PassInProgress
{
public:
    explicit PassInProgress(Program &program) : program_(program)
    {
        program_.TagPassActive = true;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~PassInProgress()
    {
        QGuiApplication::restoreOverrideCursor();
        program_.TagPassActive = false;
    }
    PassInProgress(const PassInProgress &) = delete;
    PassInProgress &operator=(const PassInProgress &) = delete;

private:
    Program &program_;
};

} // namespace

void RunTagPass(Program &program, const TagAction &action)
{
    frmNotePad *document = program.ActiveDocument();
    if (!document)
        return;
    EditorSurface &editor = document->editor();
    const PassInProgress pass(program);

    const QString text = editor.Text();
    QTextCursor cursor(editor.document());
    cursor.beginEditBlock();
    action(cursor, text, FindTags(text));
    cursor.endEditBlock();

    editor.SetSelStart(0);
    editor.SetFocus();
    // A pass alone is no change of the user's: the commands that run one on request mark
    // the document changed themselves, and a pass after opening leaves it as loaded.
    document->RichTextBox1_SelChange();
}
