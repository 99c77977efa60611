#include "document/insert_file.h"

#include "document/file_commands.h"
#include "document/line_length_limit.h"
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
    const QString text = decodeTextFile(*bytes).text;
    // Put into the page, such a line would hold up its window as much as opening it would.
    if (const std::optional<QString> tooLong = LineTooLong(text)) {
        ReportCannotOpen(program, dialog.FileName, *tooLong);
        return;
    }
    if (EditorSurface *editor = program.ActiveEditor())
        editor->SetSelText(text);
}
