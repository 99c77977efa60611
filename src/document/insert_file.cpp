#include "document/insert_file.h"

#include "document/file_commands.h"
#include "document/program.h"
#include "platform/editor_surface.h"
#include "platform/file_contents.h"
#include "platform/text_file_codec.h"

void InsertFileAtSelection(Program &program)
{
    CommonDialog &dialog = program.CommonDialog1();
    if (!ChooseFileToRead(dialog, InsertFilter()))
        return;
    const std::optional<QByteArray> bytes = ReadFileContents(dialog.FileName);
    if (!bytes) {
        ReportCannotOpen(program, dialog.FileName);
        return;
    }
    if (EditorSurface *editor = program.ActiveEditor())
        editor->SetSelText(decodeTextFile(*bytes).text);
}
