#pragma once

class ProgramContext;
struct SearchState;

// Replaces every occurrence of ReplaceAllFind by ReplaceAllWith in the active editor, as
// one step of the editor's undo, and tells the user how many were made. The first
// occurrence is looked for within the selection when there is one, in the whole text
// otherwise; every further one after the replacement before it, to the end of the text.
void ReplaceAll(ProgramContext &program, SearchState &search);

// Keeps a copy of the active editor's whole text, for one UndoLastReplace.
void SaveUndoText(ProgramContext &program, SearchState &search);
// Puts the copy back, once, and only into the editor it was taken from while that one is
// active; anywhere else it does nothing.
void UndoLastReplace(ProgramContext &program, SearchState &search);
