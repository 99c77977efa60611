#include "search/replace_commands.h"

#include "platform/editor_surface.h"
#include "platform/program_context.h"
#include "platform/rich_text_box.h"
#include "search/editor_replacements.h"
#include "search/find_next_match.h"
#include "search/search_options.h"
#include "search/text_matcher.h"
#include "search/search_state.h"

#include <QTextCursor>

#include <optional>

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
    RichTextBox *widget = editor.widget();
    const QTextCursor selection = widget->textCursor();
    const qsizetype first = text.indexOf(needle, selection.hasSelection() ? selection.selectionStart() : 0);
    if (first < 0 || (selection.hasSelection() && first + needle.size() > selection.selectionEnd()))
        return 0;
    QList<qsizetype> found;
    for (qsizetype at = first; at >= 0; at = text.indexOf(needle, at + needle.size()))
        found.append(at);
    text.clear();

    const QString replacement = EditorSurface::toEditorLineBreaks(with);
    QList<Replacement> replacements;
    replacements.reserve(found.size());
    for (const qsizetype at : found)
        replacements.append({at, needle.size(), replacement});
    QTextCursor cursor(widget->document());
    cursor.beginEditBlock();
    ReplaceInParagraphRuns(cursor, replacements);
    cursor.endEditBlock();
    widget->setTextCursor(cursor);
    return int(found.size());
}

// With an expression or whole words. Without In selection the first match must lie within
// a selection, as with plain text, and the rest may follow to the end of the text.
std::optional<int> replaceMatches(ProgramContext &program, EditorSurface &editor, const SearchState &search)
{
    const TextMatcher matcher(search.ReplaceAllFind, MatchOptionsOf(search));
    QString problem = matcher.isValid() ? matcher.replacementError(search.ReplaceAllWith) : matcher.errorMessage();
    if (!problem.isEmpty()) {
        ShowSearchProblem(program, problem);
        return std::nullopt;
    }
    const QString text = editor.Text();
    const int selStart = editor.SelStart();
    const int selEnd = selStart + editor.SelLength();
    const bool selected = selEnd > selStart;
    const QList<TextMatch> matches =
        matcher.all(text, selStart, selected && search.InSelection ? selEnd : text.size());
    if (matches.isEmpty() || (selected && matches.first().start + matches.first().length > selEnd))
        return 0;
    QList<Replacement> replacements;
    replacements.reserve(matches.size());
    for (const TextMatch &match : matches)
        replacements.append({match.start, match.length, matcher.replacement(match, search.ReplaceAllWith)});
    ReplaceInEditor(editor, replacements);
    return int(matches.size());
}

}  // namespace

void ReplaceAll(ProgramContext &program, SearchState &search)
{
    EditorSurface *editor = program.ActiveEditor();
    if (!editor)
        return;
    // An empty find text would match everywhere without end: it finds nothing instead.
    std::optional<int> count = 0;
    if (!search.ReplaceAllFind.isEmpty())
        count = UsesMatcher(search) || search.InSelection
                    ? replaceMatches(program, *editor, search)
                    : replaceOccurrences(*editor, search.ReplaceAllFind, search.ReplaceAllWith, search.MatchCase != 0);
    if (!count)
        return;
    QString message;
    if (*count == 0)
        message = QStringLiteral("Can't find \"") + search.ReplaceAllFind + QStringLiteral("\"; try another search");
    else if (*count == 1)
        message = QStringLiteral("1 replacement made");
    else
        message = QString::number(*count) + QStringLiteral(" replacements made");
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
