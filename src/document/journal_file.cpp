#include "document/journal_file.h"

#include <QHash>
#include <QStringDecoder>
#include <QUrl>

namespace {

const QByteArray magic = "Tagsmith journal 2\n";

using Encoding = TextFileFormat::Encoding;
using LineEnding = TextFileFormat::LineEnding;

const struct
{
    Encoding encoding;
    const char *name;
} encodings[] = {
    {Encoding::Utf8, "utf-8"},       {Encoding::Windows1252, "windows-1252"}, {Encoding::Utf16LE, "utf-16le"},
    {Encoding::Utf16BE, "utf-16be"}, {Encoding::Utf32LE, "utf-32le"},         {Encoding::Utf32BE, "utf-32be"},
};

// One letter per line ending, so that the endings of a long page's lines stay short.
const struct
{
    LineEnding ending;
    char letter;
} lineEndingLetters[] = {
    {LineEnding::CrLf, 'w'}, {LineEnding::Lf, 'n'}, {LineEnding::Cr, 'r'},
    {LineEnding::LineSeparator, 'l'}, {LineEnding::ParagraphSeparator, 'p'},
};

QByteArray encodingName(const TextFileFormat &format)
{
    for (const auto &e : encodings)
        if (e.encoding == format.encoding)
            return e.name;
    return format.name;
}

// Any other name is one the user chose, which the converters must still know.
std::optional<Encoding> encodingNamed(const QByteArray &name)
{
    for (const auto &e : encodings)
        if (name == e.name)
            return e.encoding;
    if (!name.isEmpty() && QStringDecoder(name.constData()).isValid())
        return Encoding::Named;
    return std::nullopt;
}

char letterOf(LineEnding ending)
{
    for (const auto &l : lineEndingLetters)
        if (l.ending == ending)
            return l.letter;
    return '?';
}

std::optional<LineEnding> lineEndingOf(char letter)
{
    for (const auto &l : lineEndingLetters)
        if (l.letter == letter)
            return l.ending;
    return std::nullopt;
}

std::optional<LineEndings> lineEndingsOf(const QByteArray &letters)
{
    LineEndings endings;
    endings.reserve(letters.size());
    for (char letter : letters) {
        const std::optional<LineEnding> ending = lineEndingOf(letter);
        if (!ending)
            return std::nullopt;
        endings.append(*ending);
    }
    return endings;
}

} // namespace

QByteArray EncodeJournal(const JournalEntry &entry)
{
    const bool rich = !entry.richText.isEmpty();
    const QByteArray body = rich ? entry.richText : entry.text.toUtf8();
    QByteArray endings;
    endings.reserve(entry.lineEndings.size());
    for (LineEnding ending : entry.lineEndings)
        endings += letterOf(ending);
    QByteArray bytes = magic;
    bytes += "caption=" + QUrl::toPercentEncoding(entry.caption) + '\n';
    bytes += "journaled=" + entry.journaled.toUTC().toString(Qt::ISODateWithMs).toLatin1() + '\n';
    bytes += "encoding=" + encodingName(entry.format) + '\n';
    if (entry.format.strayBytes)
        bytes += "stray-bytes=yes\n";
    bytes += QByteArray("byte-order-mark=") + (entry.format.byteOrderMark ? "yes" : "no") + '\n';
    bytes += QByteArray("line-ending=") + letterOf(entry.format.lineEnding) + '\n';
    bytes += "line-endings=" + endings + '\n';
    bytes += QByteArray("body=") + (rich ? "rtf" : "text") + '\n';
    bytes += "length=" + QByteArray::number(body.size()) + "\n\n";
    bytes += body;
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
    const std::optional<Encoding> encoding = encodingNamed(header.value("encoding"));
    const QByteArray lineEnding = header.value("line-ending");
    const std::optional<LineEndings> lineEndings = lineEndingsOf(header.value("line-endings"));
    const QByteArray mark = header.value("byte-order-mark");
    const QByteArray kind = header.value("body");
    entry.journaled = QDateTime::fromString(QString::fromLatin1(header.value("journaled")), Qt::ISODateWithMs);
    if (!encoding || lineEnding.size() != 1 || !lineEndingOf(lineEnding[0]) || !lineEndings
        || (mark != "yes" && mark != "no") || (kind != "text" && kind != "rtf") || !entry.journaled.isValid()
        || !header.contains("caption"))
        return std::nullopt;
    entry.format.encoding = *encoding;
    entry.format.byteOrderMark = mark == "yes";
    entry.format.lineEnding = *lineEndingOf(lineEnding[0]);
    if (*encoding == Encoding::Named)
        entry.format.name = header.value("encoding");
    entry.format.strayBytes = header.value("stray-bytes") == "yes";
    entry.lineEndings = *lineEndings;
    entry.caption = QUrl::fromPercentEncoding(header.value("caption"));
    if (kind == "rtf") {
        if (body.isEmpty() || !entry.lineEndings.isEmpty())
            return std::nullopt;
        entry.richText = body;
        return entry;
    }

    // A byte-order mark at the start belongs to the text: it stays.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    entry.text = decoder.decode(body);
    if (decoder.hasError() || entry.text.count(QLatin1Char('\n')) != entry.lineEndings.size())
        return std::nullopt;
    return entry;
}
