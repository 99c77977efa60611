#include "document/new_document.h"

#include "document/document_table.h"
#include "document/notepad_window.h"
#include "document/program.h"

void NewDocument(Program &program)
{
    DocumentTable &table = program.Documents();
    const int slot = table.FindFreeDocumentSlot();
    auto *window = new frmNotePad(program, slot);
    table.setWindow(slot, window);
    window->SetCaption(QStringLiteral("Untitled:") + QString::number(slot));
    table.state(slot).Changed = false;
    program.AddDocumentWindow(window);
    program.ShowAllToolbars();
}
