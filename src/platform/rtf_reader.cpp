#include "platform/rtf_reader.h"

#include "platform/rtf_parser.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QByteArrayView withoutLeadingWhitespace(const QByteArray &data)
{
    QByteArrayView view(data);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    while (!view.isEmpty() && (view.front() == ' ' || view.front() == '\t' || view.front() == '\r' || view.front() == '\n'))
        view = view.sliced(1);
    return view;
}

// A plain text file read the way a text editor would: UTF-8 when the bytes are valid
// UTF-8, Windows-1252 otherwise; control characters other than tab and line breaks are
// dropped, and so are the characters Qt reserves for a document's own structure.
QString recoverPlainText(const QByteArray &data)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(data);
    if (utf8.hasError())
        text = QStringDecoder("windows-1252", QStringDecoder::Flag::Stateless).decode(data);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\r')
            kept += QLatin1Char('\n');
        else if (u == '\t' || u == '\n' || (u >= 0x20 && u != 0xFDD0 && u != 0xFDD1 && u != 0xFFFC))
            kept += c;
    }
    return kept;
}

template <typename Fill>
void replaceContent(QTextDocument &document, Fill fill)
{
    const bool undoable = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    fill(cursor);
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undoable);
    document.setModified(false);
}

bool nothingRecovered(QString *error)
{
    if (error)
        *error = QStringLiteral("No text could be read from this file: it is not rich text, or it is damaged.");
    return false;
}

} // namespace

bool readRtf(const QByteArray &data, QTextDocument &document, QString *error)
{
    const QByteArrayView start = withoutLeadingWhitespace(data);
    if (!start.startsWith("{\\rtf")) {
        const QString text = recoverPlainText(data);
        if (text.isEmpty() && !data.isEmpty())
            return nothingRecovered(error);
        replaceContent(document, [&](QTextCursor &cursor) { cursor.insertText(text); });
        return true;
    }

    const RtfContent content = parseRtf(start);
    // A complete RTF file may hold no text; a broken one that yields none is not shown
    // as if it were an empty document.
    if (content.runs.empty() && !content.complete)
        return nothingRecovered(error);
    replaceContent(document, [&](QTextCursor &cursor) {
        for (const RtfRun &run : content.runs)
            cursor.insertText(run.text, charFormatFor(run.properties));
    });
    return true;
}
