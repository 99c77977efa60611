#include "document/edit_commands.h"

#include "document/notepad_window.h"
#include "document/program.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"

#include <QTextCursor>

void UndoLastEdit(ProgramContext &program)
{
    if (EditorSurface *editor = program.ActiveEditor())
        editor->Undo();
}

void CutSelection(ProgramContext &program)
{
    if (EditorSurface *editor = program.ActiveEditor())
        editor->Cut();
}

void CopySelection(ProgramContext &program)
{
    if (EditorSurface *editor = program.ActiveEditor())
        editor->Copy();
}

void PasteClipboard(ProgramContext &program)
{
    if (EditorSurface *editor = program.ActiveEditor())
        editor->Paste();
}

void frmNotePad::mnuEditUndoLast_Click()
{
    UndoLastEdit(program_);
}

void frmNotePad::mnuEditCut_Click()
{
    CutSelection(program_);
}

void frmNotePad::mnuEditCopy_Click()
{
    CopySelection(program_);
}

void frmNotePad::mnuEditPaste_Click()
{
    PasteClipboard(program_);
}

void frmNotePad::mnuEditDelete_Click()
{
    EditorSurface *editor = program_.ActiveEditor();
    if (!editor)
        return;
    QTextCursor cursor = editor->widget()->textCursor();
    if (!cursor.hasSelection()) {
        if (cursor.atEnd())
            return;
        // The character after the caret as the user sees it: never half of a surrogate
        // pair, which would leave the text broken.
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    }
    cursor.removeSelectedText();
}

void frmNotePad::mnuEditSelectAll_Click()
{
    if (EditorSurface *editor = program_.ActiveEditor())
        editor->SelectAll();
}
