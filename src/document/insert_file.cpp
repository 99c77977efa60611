#include "document/insert_file.h"

#include "document/file_commands.h"
#include "document/line_length_limit.h"
#include "document/program.h"
#include "platform/editor_surface.h"
#include "platform/file_contents.h"
#include "platform/native_file_name.h"
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
    DecodedTextFile decoded = decodeTextFile(*bytes);
    QString &text = decoded.text;
    if (decoded.format.strayBytes)
        StrayBytesToWindows1252(text);
    // Put into the page, such a line would hold up its window as much as opening it would.
    if (const std::optional<QString> tooLong = LineTooLong(text)) {
        ReportCannotOpen(program, dialog.FileName, *tooLong);
        return;
    }
    EditorSurface *editor = program.ActiveEditor();
    if (!editor)
        return;
    editor->SetSelText(text);
    if (decoded.format.strayBytes)
        program.messages().show(
            QStringLiteral("File %1 is UTF-8 but for a few stray bytes; the first, 0x%2, is on line %3, column %4.\r\n"
                           "Each went in as the Windows-1252 character it stands for.")
                .arg(DisplayFileName(dialog.FileName), QString::number(decoded.badByte, 16).toUpper())
                .arg(decoded.firstBadByte.line)
                .arg(decoded.firstBadByte.column),
            QStringLiteral("Tagsmith"), MsgButtons::Ok, MsgIcon::Exclamation);
}
