#include "document/notepad_window.h"

#include "document/program.h"
#include "platform/editor_surface.h"
#include "search/find_next_match.h"
#include "search/search_dialog.h"
#include "search/search_state.h"

void frmNotePad::ShowSearchDialog(const QString &formName)
{
    if (auto *dialog = qobject_cast<SearchDialog *>(program_.ShowDialog(formName)))
        dialog->Prefill(editor().SelText());
}

void frmNotePad::mnuEditFind_Click()
{
    ShowSearchDialog(QStringLiteral("frmFind"));
}

void frmNotePad::mnuEditFindNext_Click()
{
    if (program_.Search().FindText.isEmpty())
        mnuEditFind_Click();
    else
        FindNextMatch(program_, program_.Search());
}

void frmNotePad::mnuEditReplace_Click()
{
    ShowSearchDialog(QStringLiteral("frmReplace"));
}
