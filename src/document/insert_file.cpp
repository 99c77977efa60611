#include "document/insert_file.h"

#include "document/file_commands.h"
#include "document/program.h"
#include "platform/editor_surface.h"
#include "platform/text_file_codec.h"

#include <QFile>

void InsertFileAtSelection(Program &program)
{
    CommonDialog &dialog = program.CommonDialog1();
    if (!ChooseFileToRead(dialog, InsertFilter()))
        return;
    QFile file(dialog.FileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    EditorSurface *editor = program.ActiveEditor();
    if (file.error() != QFileDevice::NoError || !editor)
        return;
    editor->SetSelText(decodeTextFile(bytes).text);
}
