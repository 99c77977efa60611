#include "document/document_table.h"

#include "document/notepad_window.h"

frmNotePad *DocumentTable::window(int slot) const
{
    return DocumentWindows[slot - 1];
}

void DocumentTable::setWindow(int slot, frmNotePad *window)
{
    DocumentWindows[slot - 1] = window;
}

bool DocumentTable::AnyDocumentOpen() const
{
    for (const DocumentState &state : DocumentStates)
        if (!state.Deleted)
            return true;
    return false;
}

int DocumentTable::FindFreeDocumentSlot()
{
    for (int slot = 1; slot <= count(); ++slot) {
        if (state(slot).Deleted) {
            state(slot).Deleted = false;
            return slot;
        }
    }
    DocumentWindows.append(nullptr);
    DocumentStates.append(DocumentState{});
    return count();
}
