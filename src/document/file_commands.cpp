#include "document/file_commands.h"

#include "document/document_table.h"
#include "document/line_length_limit.h"
#include "document/line_number_gutter.h"
#include "document/notepad_window.h"
#include "document/program.h"
#include "document/tag_colouring.h"
#include "platform/block_line_endings.h"
#include "platform/editor_surface.h"
#include "platform/file_contents.h"
#include "platform/native_file_name.h"
#include "platform/text_file_codec.h"
#include "platform/wait_cursor.h"

#include <QTextDocument>

namespace {

const QString programTitle = QStringLiteral("Tagsmith");

constexpr std::uint32_t saveFlags =
    cdl::OFNOverwritePrompt | cdl::OFNHideReadOnly | cdl::OFNPathMustExist | cdl::OFNCreatePrompt;

} // namespace

void ReportCannotOpen(Program &program, const QString &fileName, const QString &reason)
{
    QString text = QStringLiteral("Can't open file ") + DisplayFileName(fileName);
    if (!reason.isEmpty())
        text += QStringLiteral("\r\n") + reason;
    program.messages().show(text, programTitle, MsgButtons::Ok, MsgIcon::None);
}

namespace {

// Told on opening, so that the change a save would make never comes as a surprise.
void reportCharacterNotHeld(Program &program, const QString &fileName, const QString &text)
{
    const qsizetype at = EditorSurface::FirstCharacterNotHeld(text);
    if (at < 0)
        return;
    const QString message = QStringLiteral("Can't keep file %1 exactly as it is\r\n"
                                           "The editor cannot hold the character U+%2 on line %3: "
                                           "it shows and saves U+FFFD in its place.")
                                .arg(DisplayFileName(fileName))
                                .arg(QString::number(text[at].unicode(), 16).toUpper())
                                .arg(QStringView(text).first(at).count(QLatin1Char('\n')) + 1);
    program.messages().show(message, programTitle, MsgButtons::Ok, MsgIcon::Exclamation);
}

// The file was read through its name's own bytes, which a save cannot reach.
void reportNameNotWritable(Program &program, const QString &fileName)
{
    program.messages().show(QStringLiteral("The name of file %1 is not valid UTF-8, and Tagsmith can only read "
                                           "such a file: saving writes a new file of the name shown, and this one "
                                           "stays as it is.")
                                .arg(DisplayFileName(fileName)),
                            programTitle, MsgButtons::Ok, MsgIcon::Exclamation);
}

} // namespace

QString OpenFilter()
{
    return QStringLiteral("HTML Files (*.htm; *.html)|*.htm; *.*htm; *.html; *.*html|Text Files (*.txt)|*.txt|"
                          "Rich Text Files (*.rtf)|*.rtf|All Files (*.*)|*.*");
}

QString InsertFilter()
{
    return QStringLiteral("HTML Files (*.htm; *.html)|*.htm; *.html|Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
}

bool IsRichTextName(const QString &fileName)
{
    return fileName.endsWith(QLatin1String("rtf"), Qt::CaseSensitive);
}

bool ChooseFileToRead(CommonDialog &dialog, const QString &filter)
{
    dialog.CancelError = true;
    dialog.Filter = filter;
    dialog.DefaultExt = QStringLiteral(".htm");
    dialog.Flags = cdl::OFNFileMustExist | cdl::OFNPathMustExist | cdl::OFNHideReadOnly;
    dialog.FileName.clear();
    return dialog.ShowOpen();
}

void ChooseAndOpenDocument(Program &program)
{
    CommonDialog &dialog = program.CommonDialog1();
    if (!ChooseFileToRead(dialog, OpenFilter()))
        return;
    const QString fileName = dialog.FileName;
    frmNotePad *opened = OpenDocumentFile(program, fileName);
    program.RecordRecentFile(fileName);
    ColorTagsOnOpening(program, opened);
}

void ColorTagsOnOpening(Program &program, const frmNotePad *opened)
{
    // After a failed open the active document is one the user has been editing: a pass
    // over it would count its unsaved changes as saved.
    if (opened && opened == program.ActiveDocument() &&
        program.settings().read(QStringLiteral("ColorTags"), QStringLiteral("ColorTags")) == QLatin1String("True"))
        ColorTags(program);
}

frmNotePad *OpenDocumentFile(Program &program, const QString &fileName)
{
    if (fileName.isEmpty())
        return nullptr;
    // The whole file is read before a window exists, so a read that fails halfway leaves
    // no window behind that would pass for the file.
    const std::optional<QByteArray> bytes = ReadFileContents(fileName);
    if (!bytes) {
        ReportCannotOpen(program, fileName);
        return nullptr;
    }
    WaitCursor hourglass;
    const bool richText = IsRichTextName(fileName);
    const DecodedTextFile plain = richText ? DecodedTextFile() : decodeTextFile(*bytes);
    if (const std::optional<QString> tooLong = LineTooLong(plain.text)) {
        ReportCannotOpen(program, fileName, *tooLong);
        return nullptr;
    }

    DocumentTable &table = program.Documents();
    const int slot = table.FindFreeDocumentSlot();
    auto *window = new frmNotePad(program, slot);
    QString error;
    bool readable = !richText || window->editor().SetRichText(*bytes, &error);
    if (richText && readable) {
        if (const std::optional<QString> tooLong = LineTooLong(*window->editor().document())) {
            error = *tooLong;
            readable = false;
        }
    }
    if (!readable) {
        // An empty window captioned with the name would overwrite the file on the next Save.
        delete window;
        table.state(slot).Deleted = true;
        ReportCannotOpen(program, fileName, error);
        return nullptr;
    }
    table.setWindow(slot, window);
    window->SetCaption(DisplayFileName(fileName));
    program.AddDocumentWindow(window);
    if (!richText) {
        // Only now that the window has its size, and its line numbers their width: text
        // set before would be laid out twice, once more at the width the window takes on
        // showing, or once the numbers of its lines widen the gutter.
        if (LineNumberGutter *gutter = GutterOf(window))
            gutter->FitFor(int(plain.lineEndings.size()) + 1);
        window->editor().SetText(plain.text);
        RememberLineEndings(*window->editor().document(), plain.lineEndings, plain.format.lineEnding);
        window->FileFormat = plain.format;
        reportCharacterNotHeld(program, fileName, plain.text);
    }
    if (!IsQtFileName(fileName))
        reportNameNotWritable(program, fileName);
    table.state(slot).Changed = false;
    program.EnableDocumentButtons();
    return window;
}

QString ChooseSaveName(Program &program, const QString &proposed)
{
    CommonDialog &dialog = program.CommonDialog1();
    dialog.FileName = proposed;
    dialog.Filter = OpenFilter();
    dialog.Flags = saveFlags;
    if (!dialog.ShowSave())
        return QString();
    return dialog.FileName;
}

bool SaveDocumentFile(Program &program, const QString &fileName)
{
    frmNotePad *document = program.ActiveDocument();
    if (!document)
        return false;
    bool saved = false;
    QString error;
    TextFileFormat written = document->FileFormat;
    {
        WaitCursor hourglass;
        QByteArray bytes;
        if (IsRichTextName(fileName)) {
            bytes = document->editor().RichText();
        } else {
            LineEndings endings;
            const QString text = document->editor().Text(document->FileFormat.lineEnding, endings);
            EncodedTextFile encoded = encodeTextFile(text, document->FileFormat, endings);
            bytes = std::move(encoded.bytes);
            written = encoded.format;
        }
        saved = WriteFileContents(fileName, bytes, error);
    }
    if (!saved) {
        program.messages().show(QStringLiteral("Can't save file ") + fileName + QStringLiteral("\r\n") + error,
                                programTitle, MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    document->SetCaption(fileName);
    document->FileFormat = written;
    document->state().Changed = false;
    // The text now matches its file; whatever kept a copy of the unsaved text lets it go.
    document->editor().document()->setModified(false);
    return true;
}

void SaveActiveDocument(Program &program)
{
    frmNotePad *document = program.ActiveDocument();
    if (!document)
        return;
    const QString fileName = document->isUntitled() ? ChooseSaveName(program, QString()) : document->Caption();
    if (!fileName.isEmpty())
        SaveDocumentFile(program, fileName);
}

void SaveActiveDocumentAs(Program &program)
{
    frmNotePad *document = program.ActiveDocument();
    if (!document)
        return;
    const QString fileName = ChooseSaveName(program, document->isUntitled() ? QString() : document->Caption());
    if (fileName.isEmpty())
        return;
    // A name the save could not write would only lead to a file that is not there.
    if (SaveDocumentFile(program, fileName))
        program.RecordRecentFile(fileName);
}
