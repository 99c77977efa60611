#include "document/journal_file.h"

#include <QHash>
#include <QStringDecoder>
#include <QUrl>

namespace {

const QByteArray magic = "Tagsmith journal 1\n";

QByteArray encodingName(TextFileFormat::Encoding encoding)
{
    switch (encoding) {
    case TextFileFormat::Encoding::Windows1252:
        return "windows-1252";
    case TextFileFormat::Encoding::Utf8:
        break;
    }
    return "utf-8";
}

QByteArray lineEndingName(TextFileFormat::LineEnding ending)
{
    switch (ending) {
    case TextFileFormat::LineEnding::Lf:
        return "lf";
    case TextFileFormat::LineEnding::Cr:
        return "cr";
    case TextFileFormat::LineEnding::CrLf:
        break;
    }
    return "crlf";
}

template <typename Enum>
std::optional<Enum> parseName(const QByteArray &name, std::initializer_list<Enum> values,
                              QByteArray (*nameOf)(Enum))
{
    for (Enum value : values)
        if (nameOf(value) == name)
            return value;
    return std::nullopt;
}

} // namespace

QByteArray EncodeJournal(const JournalEntry &entry)
{
    const QByteArray text = entry.text.toUtf8();
    QByteArray bytes = magic;
    bytes += "caption=" + QUrl::toPercentEncoding(entry.caption) + '\n';
    bytes += "journaled=" + entry.journaled.toUTC().toString(Qt::ISODateWithMs).toLatin1() + '\n';
    bytes += "encoding=" + encodingName(entry.format.encoding) + '\n';
    bytes += QByteArray("byte-order-mark=") + (entry.format.byteOrderMark ? "yes" : "no") + '\n';
    bytes += "line-ending=" + lineEndingName(entry.format.lineEnding) + '\n';
    bytes += "length=" + QByteArray::number(text.size()) + "\n\n";
    bytes += text;
    return bytes;
}

std::optional<JournalEntry> DecodeJournal(const QByteArray &bytes)
{
    if (!bytes.startsWith(magic))
        return std::nullopt;
    const qsizetype headerEnd = bytes.indexOf("\n\n", magic.size() - 1);
    if (headerEnd < 0)
        return std::nullopt;
    QHash<QByteArray, QByteArray> header;
    for (const QByteArray &line : bytes.mid(magic.size(), headerEnd - magic.size() + 1).split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            header.insert(line.left(equals), line.mid(equals + 1));
    }
    const QByteArray body = bytes.mid(headerEnd + 2);
    bool lengthOk = false;
    if (header.value("length").toLongLong(&lengthOk) != body.size() || !lengthOk)
        return std::nullopt;

    JournalEntry entry;
    const auto encoding = parseName(header.value("encoding"),
                                    {TextFileFormat::Encoding::Utf8, TextFileFormat::Encoding::Windows1252},
                                    &encodingName);
    const auto lineEnding = parseName(
        header.value("line-ending"),
        {TextFileFormat::LineEnding::CrLf, TextFileFormat::LineEnding::Lf, TextFileFormat::LineEnding::Cr},
        &lineEndingName);
    const QByteArray mark = header.value("byte-order-mark");
    entry.journaled = QDateTime::fromString(QString::fromLatin1(header.value("journaled")), Qt::ISODateWithMs);
    if (!encoding || !lineEnding || (mark != "yes" && mark != "no") || !entry.journaled.isValid()
        || !header.contains("caption"))
        return std::nullopt;
    entry.format.encoding = *encoding;
    entry.format.lineEnding = *lineEnding;
    entry.format.byteOrderMark = mark == "yes";
    entry.caption = QUrl::fromPercentEncoding(header.value("caption"));

    // A byte-order mark at the start belongs to the text: it stays.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    entry.text = decoder.decode(body);
    if (decoder.hasError())
        return std::nullopt;
    return entry;
}
