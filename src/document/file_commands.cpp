#include "document/file_commands.h"

#include "document/document_table.h"
#include "document/encoding_commands.h"
#include "document/file_on_disk.h"
#include "document/line_length_limit.h"
#include "document/line_number_gutter.h"
#include "document/notepad_window.h"
#include "document/program.h"
#include "document/tag_colouring.h"
#include "platform/block_line_endings.h"
#include "platform/encoding_names.h"
#include "platform/file_stamp.h"
#include "platform/editor_surface.h"
#include "platform/file_contents.h"
#include "platform/native_file_name.h"
#include "platform/text_file_codec.h"
#include "platform/wait_cursor.h"

#include <QMdiArea>
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

// Said on opening, so that no save changes a byte the user did not touch unannounced.
void reportBadBytes(Program &program, const QString &fileName, const DecodedTextFile &plain)
{
    if (!plain.firstBadByte)
        return;
    const QString where = QStringLiteral("line %1, column %2").arg(plain.firstBadByte.line).arg(plain.firstBadByte.column);
    const QString text =
        plain.format.strayBytes
            ? QStringLiteral("File %1 is UTF-8 but for a few stray bytes; the first, 0x%2, is on %3.\r\n"
                             "Each shows as a box and is saved back as the same byte; the rest reads as UTF-8.")
                  .arg(DisplayFileName(fileName), QString::number(plain.badByte, 16).toUpper(), where)
            : QStringLiteral("File %1 holds bytes that are not valid %2; the first is on %3.\r\n"
                             "They show as U+FFFD, and saving writes that character in their place.")
                  .arg(DisplayFileName(fileName), EncodingDisplayName(plain.format), where);
    program.messages().show(text, programTitle, MsgButtons::Ok, MsgIcon::Exclamation);
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

frmNotePad *WindowOfFile(Program &program, const QString &fileName)
{
    const QString canonical = CanonicalFileName(fileName);
    DocumentTable &table = program.Documents();
    for (int slot = 1; slot <= table.count(); ++slot) {
        frmNotePad *window = table.window(slot);
        if (table.state(slot).Deleted || !window || window->isUntitled())
            continue;
        // The file it read (a link since swapped still names it), or the one its name leads to now.
        const FileOnDisk *disk = window->disk();
        if ((disk && disk->stamp().canonicalPath == canonical) || CanonicalFileName(window->Caption()) == canonical)
            return window;
    }
    return nullptr;
}

frmNotePad *OpenDocumentFile(Program &program, const QString &fileName)
{
    if (fileName.isEmpty())
        return nullptr;
    // A second window on one file would let one window's save undo the other's.
    if (frmNotePad *open = WindowOfFile(program, fileName)) {
        if (open->mdiArea())
            open->mdiArea()->setActiveSubWindow(open);
        // Asked for by name, the file is looked at now, even in a window already in front.
        open->disk()->CheckOnActivation();
        return nullptr;
    }
    // The whole file is read before a window exists, so a read that fails halfway leaves
    // no window behind that would pass for the file.
    std::optional<QByteArray> bytes = ReadFileContents(fileName);
    if (!bytes) {
        ReportCannotOpen(program, fileName);
        return nullptr;
    }
    const bool richText = IsRichTextName(fileName);
    DecodedTextFile plain;
    DocumentTable &table = program.Documents();
    frmNotePad *window = nullptr;
    QString error;
    {
        WaitCursor hourglass;
        if (!richText) {
            plain = decodeTextFile(*bytes);
            if (const std::optional<QString> tooLong = LineTooLong(plain.text))
                error = *tooLong;
        }
        if (error.isEmpty()) {
            const int slot = table.FindFreeDocumentSlot();
            window = new frmNotePad(program, slot);
            bool readable = true;
            if (richText) {
                readable = window->editor().SetRichText(*bytes, &error);
                const std::optional<QString> tooLong =
                    readable ? LineTooLong(*window->editor().document()) : std::nullopt;
                if (tooLong) {
                    error = *tooLong;
                    readable = false;
                }
            }
            if (!readable) {
                // An empty window captioned with the name would overwrite the file on the next Save.
                delete window;
                table.state(slot).Deleted = true;
                window = nullptr;
            } else {
                table.setWindow(slot, window);
                window->SetCaption(DisplayFileName(fileName));
                program.AddDocumentWindow(window);
                if (IsQtFileName(fileName))
                    window->disk()->Remember(fileName, *bytes);
                // The file's bytes are let go before the text goes in: the editor's copy
                // of a large page can take their memory.
                bytes.reset();
                if (!richText)
                    PutDocumentText(*window, plain);
                table.state(slot).Changed = false;
                program.EnableDocumentButtons();
            }
        }
    }
    // What opening has to tell comes with the normal pointer: the hourglass is for waiting.
    if (!window) {
        ReportCannotOpen(program, fileName, error);
        return nullptr;
    }
    if (!richText)
        TellAboutOpenedText(program, fileName, plain);
    if (!IsQtFileName(fileName))
        reportNameNotWritable(program, fileName);
    return window;
}

void PutDocumentText(frmNotePad &window, const DecodedTextFile &plain)
{
    // Only once the window has its size, and its line numbers their width: text set
    // before would be laid out twice, once more at the width the window takes on showing,
    // or once the numbers of its lines widen the gutter.
    if (LineNumberGutter *gutter = GutterOf(&window))
        gutter->FitFor(int(plain.lineEndings.size()) + 1);
    window.editor().SetText(plain.text);
    RememberLineEndings(*window.editor().document(), plain.lineEndings, plain.format.lineEnding);
    window.FileFormat = plain.format;
}

void TellAboutOpenedText(Program &program, const QString &fileName, const DecodedTextFile &plain)
{
    reportCharacterNotHeld(program, fileName, plain.text);
    reportBadBytes(program, fileName, plain);
    NoteCharsetMismatch(program, plain.text, plain.format);
}

void ReloadDocument(Program &program, frmNotePad &window)
{
    const QString fileName = window.Caption();
    const std::optional<QByteArray> bytes = ReadFileContents(fileName);
    if (!bytes) {
        ReportCannotOpen(program, fileName);
        return;
    }
    const int caret = window.editor().SelStart();
    DecodedTextFile plain;
    {
        WaitCursor hourglass;
        if (IsRichTextName(fileName)) {
            QString error;
            if (!window.editor().SetRichText(*bytes, &error)) {
                ReportCannotOpen(program, fileName, error);
                return;
            }
        } else {
            plain = window.EncodingChosen ? decodeTextFileAs(*bytes, window.FileFormat) : decodeTextFile(*bytes);
            PutDocumentText(window, plain);
        }
        window.editor().SetSelStart(qMin(caret, int(window.editor().document()->characterCount()) - 1));
        window.disk()->Remember(fileName, *bytes);
        window.state().Changed = false;
        window.editor().document()->setModified(false);
    }
    if (!IsRichTextName(fileName))
        TellAboutOpenedText(program, fileName, plain);
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

namespace {

// Asks before a page read in an 8-bit encoding becomes UTF-8 as a whole. True when the
// user agreed; the text is then encoded again.
bool agreeToUtf8(Program &program, const QString &fileName, const QString &text, EncodedTextFile &encoded,
                 const LineEndings &endings)
{
    const QString question =
        QStringLiteral("%1 is saved in %2, which cannot hold the character %3 on line %4, column %5.\r\n"
                       "Do you want to save the whole file in UTF-8 instead? (File > Save with Encoding "
                       "chooses another encoding.)")
            .arg(DisplayFileName(fileName), EncodingDisplayName(encoded.format),
                 CharacterName(encoded.unfitCharacter))
            .arg(encoded.unfit.line)
            .arg(encoded.unfit.column);
    if (program.messages().show(question, programTitle, MsgButtons::OkCancel, MsgIcon::Exclamation) != MsgAnswer::Ok)
        return false;
    TextFileFormat utf8 = encoded.format;
    utf8.encoding = TextFileFormat::Encoding::Utf8;
    utf8.name.clear();
    utf8.byteOrderMark = false;
    utf8.strayBytes = false;
    encoded = encodeTextFile(text, utf8, endings);
    return true;
}

} // namespace

bool SaveDocumentFile(Program &program, const QString &fileName)
{
    frmNotePad *document = program.ActiveDocument();
    if (!document)
        return false;
    if (const frmNotePad *other = WindowOfFile(program, fileName); other && other != document) {
        program.messages().show(QStringLiteral("Can't save file %1\r\nIt is open in another window; save it there, "
                                               "or close that window first.")
                                    .arg(DisplayFileName(fileName)),
                                programTitle, MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    if (!document->disk()->MaySave(fileName))
        return false;
    bool saved = false;
    QString error;
    TextFileFormat written = document->FileFormat;
    QByteArray bytes;
    if (IsRichTextName(fileName)) {
        WaitCursor hourglass;
        bytes = document->editor().RichText();
    } else {
        LineEndings endings;
        const QString text = document->editor().Text(document->FileFormat.lineEnding, endings);
        EncodedTextFile encoded = encodeTextFile(text, document->FileFormat, endings);
        if (encoded.unfit && !agreeToUtf8(program, fileName, text, encoded, endings))
            return false;
        bytes = std::move(encoded.bytes);
        written = encoded.format;
    }
    {
        WaitCursor hourglass;
        saved = WriteFileContents(fileName, bytes, error);
    }
    if (!saved) {
        program.messages().show(QStringLiteral("Can't save file ") + fileName + QStringLiteral("\r\n") + error,
                                programTitle, MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    document->SetCaption(fileName);
    document->FileFormat = written;
    document->disk()->Remember(fileName, bytes);
    document->state().Changed = false;
    // The text now matches its file; whatever kept a copy of the unsaved text lets it go.
    document->editor().document()->setModified(false);
    return true;
}

bool SaveActiveDocument(Program &program)
{
    frmNotePad *document = program.ActiveDocument();
    if (!document)
        return false;
    const QString fileName = document->isUntitled() ? ChooseSaveName(program, QString()) : document->Caption();
    return !fileName.isEmpty() && SaveDocumentFile(program, fileName);
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
