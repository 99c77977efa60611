#include "document/encoding_commands.h"

#include "document/document_table.h"
#include "document/file_commands.h"
#include "document/file_on_disk.h"
#include "document/notepad_window.h"
#include "document/program.h"
#include "platform/editor_surface.h"
#include "platform/encoding_names.h"
#include "platform/file_contents.h"
#include "platform/native_file_name.h"
#include "platform/wait_cursor.h"

#include <QMainWindow>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

const QString programTitle = QStringLiteral("Tagsmith");

// Long enough for a note to be read, short enough not to hide the caret's place for good.
constexpr int noteMilliseconds = 15000;

// Keeps what the document had of its own: the ending of new lines.
TextFileFormat withLineEnding(TextFileFormat chosen, const frmNotePad &window)
{
    chosen.lineEnding = window.FileFormat.lineEnding;
    return chosen;
}

// The kept stray bytes of the page become the characters they stand for, as one undo step.
void StrayBytesToLetters(frmNotePad &window)
{
    QTextDocument &document = *window.editor().document();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (QTextBlock line = document.begin(); line.isValid(); line = line.next()) {
        // Each letter takes its byte's one place, so the positions after it stay.
        int at = line.position();
        for (const QChar c : line.text()) {
            const QChar letter = StrayByteToWindows1252(c);
            if (letter != c) {
                cursor.setPosition(at);
                cursor.setPosition(at + 1, QTextCursor::KeepAnchor);
                cursor.insertText(letter);
            }
            ++at;
        }
    }
    cursor.endEditBlock();
}

} // namespace

void ReopenWithEncoding(Program &program, frmNotePad &window, const TextFileFormat &encoding)
{
    const QString fileName = window.Caption();
    if (window.state().Changed
        && program.messages().show(QStringLiteral("Reopening %1 in %2 loses the changes made to it here.\r\n"
                                                  "Do you want to reopen it?")
                                       .arg(DisplayFileName(fileName), EncodingDisplayName(encoding)),
                                   programTitle, MsgButtons::OkCancel, MsgIcon::Exclamation)
               != MsgAnswer::Ok)
        return;
    const std::optional<QByteArray> bytes = ReadFileContents(fileName);
    if (!bytes) {
        ReportCannotOpen(program, fileName);
        return;
    }
    DecodedTextFile plain;
    {
        WaitCursor hourglass;
        plain = decodeTextFileAs(*bytes, withLineEnding(encoding, window));
        PutDocumentText(window, plain);
        window.EncodingChosen = true;
        window.disk()->Remember(fileName, *bytes);
        window.state().Changed = false;
        window.editor().document()->setModified(false);
    }
    TellAboutOpenedText(program, fileName, plain);
}

void SaveWithEncoding(Program &program, frmNotePad &window, const TextFileFormat &encoding)
{
    const TextFileFormat previous = window.FileFormat;
    const bool previouslyChosen = window.EncodingChosen;
    TextFileFormat chosen = withLineEnding(encoding, window);
    // Kept stray bytes go back as they came only into the UTF-8 they came from.
    chosen.strayBytes = previous.strayBytes && chosen.encoding == TextFileFormat::Encoding::Utf8;
    LineEndings endings;
    QString text = window.editor().Text(chosen.lineEnding, endings);
    // Elsewhere each becomes the character it stands for, in the page as in the file, so
    // that no byte is saved as a box.
    const bool strayToLetters = previous.strayBytes && !chosen.strayBytes;
    if (strayToLetters)
        StrayBytesToWindows1252(text);
    const EncodedTextFile encoded = encodeTextFile(text, chosen, endings);
    if (encoded.unfit) {
        program.messages().show(QStringLiteral("Can't save %1 in %2\r\nThe character %3 on line %4, column %5 has no "
                                               "place in it. Nothing was written.")
                                    .arg(DisplayFileName(window.Caption()), EncodingDisplayName(chosen),
                                         CharacterName(encoded.unfitCharacter))
                                    .arg(encoded.unfit.line)
                                    .arg(encoded.unfit.column),
                                programTitle, MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    if (strayToLetters)
        StrayBytesToLetters(window);
    window.FileFormat = chosen;
    window.EncodingChosen = true;
    if (!SaveActiveDocument(program)) {
        window.FileFormat = previous;
        window.EncodingChosen = previouslyChosen;
        return;
    }
    NoteCharsetMismatch(program, text, chosen);
}

void NoteCharsetMismatch(Program &program, const QString &text, const TextFileFormat &format)
{
    // A page names its charset in its head, near the top.
    static const QRegularExpression meta(QStringLiteral("<meta\\b[^>]*\\bcharset\\s*=\\s*[\"']?\\s*([A-Za-z0-9_.:+-]+)"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch found = meta.match(QStringView(text).first(qMin<qsizetype>(text.size(), 8192)));
    if (!found.hasMatch() || IsSameEncoding(found.captured(1), format))
        return;
    if (auto *frame = qobject_cast<QMainWindow *>(program.FrameWindow()))
        frame->statusBar()->showMessage(QStringLiteral("The page's <meta> names the charset %1, but it is read and saved "
                                                       "as %2; File > Save with Encoding or Reopen with Encoding can "
                                                       "make them agree.")
                                            .arg(found.captured(1), EncodingDisplayName(format)),
                                        noteMilliseconds);
}
