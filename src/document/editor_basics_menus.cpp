#include "document/notepad_window.h"

#include "document/go_to_line_dialog.h"
#include "document/program.h"

#include <QAction>
#include <QMenu>
#include <QTextEdit>

// The items go after each menu's classic ones, so the classic items keep their places,
// captions and keys for anyone who learned them.
void frmNotePad::addEditorBasics()
{
    auto *edit = findChild<QMenu *>(QStringLiteral("mnuEdit"));
    addSeparator(edit, QStringLiteral("mnuEditSep4"));
    QAction *redo = addItem(edit, QStringLiteral("mnuEditRedo"), QStringLiteral("Redo"));
    redo->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    connect(redo, &QAction::triggered, RichTextBox1, &QTextEdit::redo);
    redo->setEnabled(RichTextBox1->document()->isRedoAvailable());
    connect(RichTextBox1, &QTextEdit::redoAvailable, redo, &QAction::setEnabled);
    QAction *goToLine = addItem(edit, QStringLiteral("mnuEditGoToLine"), QStringLiteral("Go to Line\u2026"),
                                QKeySequence(QStringLiteral("Ctrl+G")));
    connect(goToLine, &QAction::triggered, this, [this] { ShowGoToLine(program_, RichTextBox1); });
}
