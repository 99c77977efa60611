#pragma once

class ProgramContext;

// The clipboard and undo operations on the ActiveDocument's editor, shared by the Edit
// menu and the standard toolbar. Cut and copy with nothing selected change nothing.
void UndoLastEdit(ProgramContext &program);
void CutSelection(ProgramContext &program);
void CopySelection(ProgramContext &program);
void PasteClipboard(ProgramContext &program);
