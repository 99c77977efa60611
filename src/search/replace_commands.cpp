#include "search/replace_commands.h"

#include "platform/editor_surface.h"
#include "platform/program_context.h"
#include "platform/rich_text_box.h"
#include "search/editor_replacements.h"
#include "search/find_next_match.h"
#include "search/search_options.h"
#include "search/text_matcher.h"
#include "search/search_state.h"

#include <algorithm>
#include <span>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Where a paragraph's character format changes: the start of each run of one format,
// as positions in the text before any replacement.
QList<qsizetype> formatRunStarts(const QTextBlock &paragraph, qsizetype shift)
{
    QList<qsizetype> starts;
    int format = -1;
    for (QTextBlock::iterator it = paragraph.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.charFormatIndex() != format) {
            starts.append(fragment.position() - shift);
            format = fragment.charFormatIndex();
        }
    }
    return starts;
}

qsizetype runOf(const QList<qsizetype> &runStarts, qsizetype at)
{
    return std::upper_bound(runStarts.cbegin(), runStarts.cend(), at) - runStarts.cbegin();
}

// `text`, which starts at the first of `at`, with `length` characters at each of them
// replaced by `with`.
QString withReplacements(const QString &text, std::span<const qsizetype> at, qsizetype length, const QString &with)
{
    QString result;
    result.reserve(text.size() + at.size() * (with.size() - length));
    qsizetype copied = 0;
    for (const qsizetype position : at) {
        const qsizetype offset = position - at.front();
        result.append(QStringView(text).sliced(copied, offset - copied));
        result.append(with);
        copied = offset + length;
    }
    result.append(QStringView(text).sliced(copied));
    return result;
}

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

    // Each edit costs Qt about the same however much text it replaces, and a line of a
    // page often holds many occurrences: those of one paragraph that lie in one run of
    // one character format are replaced by one edit, the text between them kept. So the
    // paragraphs themselves (and the line endings they remember) stay as they were, and
    // every character keeps its format, as with one edit an occurrence.
    const QString replacement = EditorSurface::toEditorLineBreaks(with);
    QTextDocument *document = widget->document();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    qsizetype shift = 0;
    qsizetype paragraphEnd = -1;
    QList<qsizetype> runStarts;
    for (qsizetype i = 0; i < found.size();) {
        if (found[i] >= paragraphEnd) {
            const QTextBlock paragraph = document->findBlock(int(found[i] + shift));
            paragraphEnd = paragraph.position() + paragraph.length() - 1 - shift;
            runStarts = formatRunStarts(paragraph, shift);
        }
        const qsizetype run = runOf(runStarts, found[i]);
        qsizetype next = i + 1;
        while (next < found.size() && found[next] + needle.size() <= paragraphEnd
               && runOf(runStarts, found[next] + needle.size() - 1) == run)
            ++next;
        cursor.setPosition(int(found[i] + shift));
        cursor.setPosition(int(found[next - 1] + needle.size() + shift), QTextCursor::KeepAnchor);
        const std::span<const qsizetype> group(found.cbegin() + i, found.cbegin() + next);
        if (group.size() == 1)
            cursor.insertText(replacement);
        else
            cursor.insertText(withReplacements(cursor.selectedText(), group, needle.size(), replacement));
        shift += qsizetype(group.size()) * (replacement.size() - needle.size());
        i = next;
    }
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
