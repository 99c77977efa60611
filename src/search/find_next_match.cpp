#include "search/find_next_match.h"

#include "platform/editor_surface.h"
#include "platform/program_context.h"
#include "search/search_options.h"
#include "search/search_state.h"
#include "search/text_matcher.h"

namespace {

// The start of the occurrence to select, or -1. `repeat` is set when the caret still
// stands on the occurrence found last with this same text.
qsizetype locate(const QString &text, const QString &find, qsizetype caret, bool repeat, bool down)
{
    if (find.isEmpty())
        return -1;
    if (down)
        return text.indexOf(find, caret + (repeat ? 1 : 0));
    // Upwards, fresh or repeated, the first candidate starts on the character before the
    // caret, so an occurrence that starts there is found as well.
    const qsizetype from = caret - 1;
    return from < 0 ? -1 : text.lastIndexOf(find, from);
}

void showNotFound(ProgramContext &program, const SearchState &search)
{
    program.messages().show(QStringLiteral("Sorry, can't find \"") + search.FindText
                                + QStringLiteral(".\" Try another search ..."),
                            QStringLiteral("Tagsmith"), MsgButtons::Ok, MsgIcon::None);
}

const QString &searchedText(EditorSurface &editor, SearchState &search, bool upperCased)
{
    SearchState::SearchedText &searched = search.Searched;
    if (searched.editor != &editor || searched.changeCount != editor.ChangeCount()
        || searched.upperCased != upperCased) {
        searched.text = editor.Text();
        if (upperCased)
            UpperCaseInPlace(searched.text);
        searched.editor = &editor;
        searched.changeCount = editor.ChangeCount();
        searched.upperCased = upperCased;
    }
    return searched.text;
}

// The search with an expression or for whole words. A match of no length is selected as a
// caret there; the next search in the same direction starts one character further on.
void searchNextMatch(ProgramContext &program, SearchState &search, bool replace)
{
    const TextMatcher matcher(search.FindText, MatchOptionsOf(search));
    if (!matcher.isValid())
        return ShowSearchProblem(program, matcher.errorMessage());
    if (replace && !matcher.replacementError(search.ReplaceText).isEmpty())
        return ShowSearchProblem(program, matcher.replacementError(search.ReplaceText));
    EditorSurface *editor = program.ActiveEditor();
    std::optional<TextMatch> found;
    if (editor && !search.FindText.isEmpty()) {
        editor->SetHideSelection(false);
        const QString &text = searchedText(*editor, search, false);
        const int caret = editor->SelStart();
        const bool repeat = caret == search.LastMatchStart && !search.FindTextChanged;
        if (replace && editor->SelLength() > 0)
            found = matcher.exactly(text, caret, editor->SelLength());
        if (!found && search.SearchDirection == 1)
            found = matcher.next(text, caret + (repeat ? 1 : 0));
        else if (!found && caret > 0)
            found = matcher.previous(text, caret - 1);
    }
    if (found) {
        editor->SetSelection(int(found->start), int(found->length));
        if (replace)
            editor->SetSelText(matcher.replacement(*found, search.ReplaceText));
    } else {
        showNotFound(program, search);
    }
    if (editor)
        search.LastMatchStart = editor->SelStart();
    search.FindTextChanged = false;
}

void searchNext(ProgramContext &program, SearchState &search, bool replace)
{
    if (UsesMatcher(search))
        return searchNextMatch(program, search, replace);
    EditorSurface *editor = program.ActiveEditor();
    qsizetype found = -1;
    if (editor) {
        // The selection stays visible while the focus is in a dialog.
        editor->SetHideSelection(false);
        const int caret = editor->SelStart();
        const bool repeat = caret == search.LastMatchStart && !search.FindTextChanged;
        const bool ignoreCase = search.MatchCase == 0;
        QString find = search.FindText;
        if (ignoreCase)
            UpperCaseInPlace(find);
        found = locate(searchedText(*editor, search, ignoreCase), find, caret, repeat, search.SearchDirection == 1);
    }
    if (found >= 0) {
        editor->SetSelection(int(found), int(search.FindText.size()));
        if (replace)
            editor->SetSelText(search.ReplaceText);
    } else {
        showNotFound(program, search);
    }
    if (editor)
        search.LastMatchStart = editor->SelStart();
    search.FindTextChanged = false;
}

}  // namespace

void ShowSearchProblem(ProgramContext &program, const QString &problem)
{
    program.messages().show(problem, QStringLiteral("Tagsmith"), MsgButtons::Ok, MsgIcon::Exclamation);
}

void UpperCaseInPlace(QString &text)
{
    // Pages are mostly ASCII, whose letters need no lookup in Unicode's tables; a
    // character keeps its place either way, so found positions hold in the page.
    for (QChar &c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x80)
            c = c.toUpper();
        else if (u >= 'a' && u <= 'z')
            c = QChar(char16_t(u - ('a' - 'A')));
    }
}

void FindNextMatch(ProgramContext &program, SearchState &search)
{
    searchNext(program, search, false);
}

void FindAndReplaceNext(ProgramContext &program, SearchState &search)
{
    searchNext(program, search, true);
}
