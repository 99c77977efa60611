#include "document/print_document.h"

#include "document/program.h"
#include "platform/editor_surface.h"

#include <QPrinter>

void PrintActiveDocument(Program &program)
{
    EditorSurface *editor = program.ActiveEditor();
    if (!editor)
        return;
    CommonDialog &dialog = program.CommonDialog1();
    dialog.CancelError = true;
    dialog.Flags = cdl::PDReturnDC | cdl::PDNoPageNums;
    // What is printed follows whether text is selected now, not what the dialog offers.
    if (editor->SelLength() != 0)
        dialog.Flags |= cdl::PDSelection;
    QPrinter printer(QPrinter::HighResolution);
    if (!dialog.ShowPrinter(printer))
        return;
    editor->SelPrint(printer);
}
