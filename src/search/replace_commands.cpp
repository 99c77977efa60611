#include "search/replace_commands.h"

#include "platform/editor_surface.h"
#include "platform/program_context.h"
#include "search/find_next_match.h"
#include "search/search_state.h"

#include <QTextCursor>
#include <QTextEdit>

namespace {

int replaceOccurrences(EditorSurface &editor, const QString &find, const QString &with, bool matchCase)
{
    // The text is read once and every occurrence located in it: replacements only ever
    // shift what follows them, so the positions found hold after adding up that shift.
    QString text = editor.Text();
    QString needle = find;
    if (!matchCase) {
        UpperCaseInPlace(text);
        UpperCaseInPlace(needle);
    }
    QTextEdit *widget = editor.widget();
    const QTextCursor selection = widget->textCursor();
    const qsizetype first = text.indexOf(needle, selection.hasSelection() ? selection.selectionStart() : 0);
    if (first < 0 || (selection.hasSelection() && first + needle.size() > selection.selectionEnd()))
        return 0;

    const QString replacement = EditorSurface::toEditorLineBreaks(with);
    QTextCursor cursor(widget->document());
    cursor.beginEditBlock();
    qsizetype shift = 0;
    int count = 0;
    for (qsizetype at = first; at >= 0; at = text.indexOf(needle, at + needle.size())) {
        cursor.setPosition(int(at + shift));
        cursor.setPosition(int(at + shift + needle.size()), QTextCursor::KeepAnchor);
        cursor.insertText(replacement);
        shift += replacement.size() - needle.size();
        ++count;
    }
    cursor.endEditBlock();
    widget->setTextCursor(cursor);
    return count;
}

}  // namespace

void ReplaceAll(ProgramContext &program, SearchState &search)
{
    EditorSurface *editor = program.ActiveEditor();
    if (!editor)
        return;
    // An empty find text would match everywhere without end: it finds nothing instead.
    const int count = search.ReplaceAllFind.isEmpty()
                          ? 0
                          : replaceOccurrences(*editor, search.ReplaceAllFind, search.ReplaceAllWith,
                                               search.MatchCase != 0);
    QString message;
    if (count == 0)
        message = QStringLiteral("Can't find \"") + search.ReplaceAllFind + QStringLiteral("\"; try another search");
    else if (count == 1)
        message = QStringLiteral("1 replacement made");
    else
        message = QString::number(count) + QStringLiteral(" replacements made");
    program.messages().show(message, QStringLiteral("Tagsmith"), MsgButtons::Ok, MsgIcon::None);
}

void SaveUndoText(ProgramContext &program, SearchState &search)
{
    EditorSurface *editor = program.ActiveEditor();
    if (!editor)
        return;
    search.UndoText = editor->Text();
    search.UndoAvailable = true;
    search.UndoEditor = editor;
}

void UndoLastReplace(ProgramContext &program, SearchState &search)
{
    EditorSurface *editor = program.ActiveEditor();
    if (!editor || editor != search.UndoEditor)
        return;
    if (search.UndoAvailable) {
        // Through a cursor, so that the editor's own Undo can take this back as well.
        QTextCursor cursor(editor->document());
        cursor.beginEditBlock();
        cursor.select(QTextCursor::Document);
        cursor.insertText(search.UndoText);
        cursor.endEditBlock();
        editor->SetSelStart(0);
    }
    search.UndoAvailable = false;
}
