#pragma once

#include <QList>
#include <QPointer>

class frmNotePad;

struct DocumentState
{
    bool Deleted = false;  // the slot is free: its window has closed
    bool Changed = false;
};

// The document table: parallel arrays of windows and states indexed by slot number,
// counted from 1. It grows one slot at a time and never shrinks.
class DocumentTable
{
public:
    int count() const { return int(DocumentStates.size()); }
    DocumentState &state(int slot) { return DocumentStates[slot - 1]; }
    const DocumentState &state(int slot) const { return DocumentStates[slot - 1]; }
    frmNotePad *window(int slot) const;
    void setWindow(int slot, frmNotePad *window);
    bool isValidSlot(int slot) const { return slot >= 1 && slot <= count(); }

    bool AnyDocumentOpen() const;
    // The lowest free slot, marked in use; a new slot at the end when none is free.
    int FindFreeDocumentSlot();

    QList<QPointer<frmNotePad>> DocumentWindows;
    QList<DocumentState> DocumentStates;
};
