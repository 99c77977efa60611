#include "document/notepad_window.h"

#include "document/program.h"
#include "platform/editor_surface.h"
#include "tools/page_problems_panel.h"
#include "tools/tidy_selection.h"

void frmNotePad::mnuToolsCheckPage_Click()
{
    program_.PageProblems().Check(editor());
}

void frmNotePad::mnuToolsTidySelection_Click()
{
    EditorSurface &surface = editor();
    if (surface.SelLength() == 0)
        return;
    // One replacement of the selection: one undo step.
    if (const std::optional<QString> tidied = TidyFragment(surface.SelText()))
        surface.SetSelText(*tidied);
}
