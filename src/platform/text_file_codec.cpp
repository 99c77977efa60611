#include "platform/text_file_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QVarLengthArray>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <iterator>

namespace {

using Encoding = TextFileFormat::Encoding;
using LineEnding = TextFileFormat::LineEnding;

const char *const windows1252 = "windows-1252";

struct UnicodeEncoding
{
    Encoding encoding;
    QStringConverter::Encoding converter;
    QByteArray mark;
    qsizetype unitSize;
};

// In the order the marks are tried: the UTF-32 LE mark begins with the UTF-16 LE one.
const std::array<UnicodeEncoding, 5> unicodeEncodings{{
    {Encoding::Utf32LE, QStringConverter::Utf32LE, QByteArrayLiteral("\xFF\xFE\x00\x00"), 4},
    {Encoding::Utf32BE, QStringConverter::Utf32BE, QByteArrayLiteral("\x00\x00\xFE\xFF"), 4},
    {Encoding::Utf16LE, QStringConverter::Utf16LE, QByteArrayLiteral("\xFF\xFE"), 2},
    {Encoding::Utf16BE, QStringConverter::Utf16BE, QByteArrayLiteral("\xFE\xFF"), 2},
    {Encoding::Utf8, QStringConverter::Utf8, QByteArrayLiteral("\xEF\xBB\xBF"), 1},
}};
const UnicodeEncoding &utf8 = unicodeEncodings.back();

bool holdsOnlyCodePoints(const UnicodeEncoding &unicode, QByteArrayView body)
{
    if (unicode.unitSize != 4)
        return true;
    for (qsizetype i = 0; i < body.size(); i += 4) {
        const quint32 value = unicode.encoding == Encoding::Utf32LE ? qFromLittleEndian<quint32>(body.data() + i)
                                                                    : qFromBigEndian<quint32>(body.data() + i);
        if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return false;
    }
    return true;
}

// Qt's UTF-16 and UTF-32 decoders let odd bytes, lone surrogates and values beyond
// Unicode through without an error, so those are checked here. Its UTF-8 decoder refuses
// an encoded surrogate itself, and a page's text is not looked at once more for it.
bool decodeStrictly(const UnicodeEncoding &unicode, QByteArrayView body, QString *text)
{
    if (body.size() % unicode.unitSize != 0 || !holdsOnlyCodePoints(unicode, body))
        return false;
    // Stateless, so that a sequence cut off at the end counts as invalid; a second mark
    // stays in the text as a character.
    QStringDecoder decoder(unicode.converter,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    *text = decoder.decode(body);
    return !decoder.hasError() && (unicode.unitSize == 1 || text->isValidUtf16());
}

// The length of the valid UTF-8 sequence that starts at i, or 0 when its first byte is a
// stray one (a lone continuation byte, an over-long form, a surrogate, a cut-off end).
qsizetype validSequence(QByteArrayView bytes, qsizetype i)
{
    const auto at = [&](qsizetype k) { return i + k < bytes.size() ? uchar(bytes[i + k]) : uchar(0); };
    const auto follows = [&](qsizetype k, uchar low = 0x80, uchar high = 0xBF) { return at(k) >= low && at(k) <= high; };
    const uchar lead = at(0);
    if (lead >= 0xC2 && lead <= 0xDF)
        return follows(1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF)
        return follows(1, lead == 0xE0 ? 0xA0 : 0x80, lead == 0xED ? 0x9F : 0xBF) && follows(2) ? 3 : 0;
    if (lead >= 0xF0 && lead <= 0xF4)
        return follows(1, lead == 0xF0 ? 0x90 : 0x80, lead == 0xF4 ? 0x8F : 0xBF) && follows(2) && follows(3) ? 4 : 0;
    return 0;
}

bool isStrayByteCharacter(char16_t c)
{
    return c >= StrayByteCharacter && c <= StrayByteCharacter + 0x7F;
}

// UTF-8 with each stray byte kept as a character of its own. Not when the file holds one of
// those characters itself, which would come back as a byte; and, unless the user chose
// UTF-8, not when stray bytes outnumber the valid characters beyond ASCII (a page in an
// 8-bit encoding, whose accented letters are all stray to UTF-8).
bool decodeKeepingStrayBytes(QByteArrayView body, bool chosen, QString *text)
{
    QString kept;
    kept.reserve(body.size());
    qsizetype multiByte = 0;
    qsizetype strays = 0;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < body.size();) {
        const uchar lead = uchar(body[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (const qsizetype length = validSequence(body, i)) {
            if (lead == 0xEF && (uchar(body[i + 1]) & 0xFE) == 0x9E)
                return false;
            ++multiByte;
            i += length;
            continue;
        }
        kept += QString::fromUtf8(body.sliced(runStart, i - runStart));
        kept += QChar(char16_t(StrayByteCharacter + (lead - 0x80)));
        ++strays;
        runStart = ++i;
    }
    if (!chosen && strays > multiByte)
        return false;
    kept += QString::fromUtf8(body.sliced(runStart));
    *text = std::move(kept);
    return true;
}

// Each kept stray byte was written as its character's three UTF-8 bytes (EF 9E 80 to
// EF 9F BF), which no other character's bytes hold: they become the byte again.
void restoreStrayBytes(QByteArray &bytes)
{
    char *const data = bytes.data();
    const qsizetype size = bytes.size();
    qsizetype out = 0;
    for (qsizetype i = 0; i < size;) {
        if (uchar(data[i]) == 0xEF && i + 2 < size && (uchar(data[i + 1]) & 0xFE) == 0x9E) {
            data[out++] = char(0x80 | ((data[i + 1] & 1) << 6) | (data[i + 2] & 0x3F));
            i += 3;
        } else {
            data[out++] = data[i++];
        }
    }
    bytes.truncate(out);
}

void decodeCharacters(const QByteArray &bytes, DecodedTextFile *file)
{
    for (const UnicodeEncoding &unicode : unicodeEncodings) {
        if (bytes.startsWith(unicode.mark)
            && decodeStrictly(unicode, QByteArrayView(bytes).sliced(unicode.mark.size()), &file->text)) {
            file->format.encoding = unicode.encoding;
            file->format.byteOrderMark = true;
            return;
        }
    }
    file->format.byteOrderMark = false;
    if (decodeStrictly(utf8, bytes, &file->text)) {
        file->format.encoding = Encoding::Utf8;
        return;
    }
    const bool marked = bytes.startsWith(utf8.mark);
    if (decodeKeepingStrayBytes(QByteArrayView(bytes).sliced(marked ? utf8.mark.size() : 0), false, &file->text)) {
        file->format.encoding = Encoding::Utf8;
        file->format.byteOrderMark = marked;
        file->format.strayBytes = true;
        return;
    }
    QStringDecoder eightBit(windows1252, QStringDecoder::Flag::Stateless);
    file->text = eightBit.decode(bytes);
    file->format.encoding = Encoding::Windows1252;
}

QByteArray converterName(const TextFileFormat &format)
{
    return format.encoding == Encoding::Named ? format.name : QByteArray(windows1252);
}

const UnicodeEncoding *unicodeOf(Encoding encoding)
{
    for (const UnicodeEncoding &unicode : unicodeEncodings)
        if (unicode.encoding == encoding)
            return &unicode;
    return nullptr;
}

// The encoding the user chose, whatever the bytes look like; bytes it does not allow become
// U+FFFD (true then), but UTF-8 keeps them where it can.
bool decodeChosen(const QByteArray &bytes, DecodedTextFile *file)
{
    TextFileFormat &format = file->format;
    if (const UnicodeEncoding *unicode = unicodeOf(format.encoding)) {
        format.byteOrderMark = bytes.startsWith(unicode->mark);
        const QByteArrayView body = QByteArrayView(bytes).sliced(format.byteOrderMark ? unicode->mark.size() : 0);
        if (decodeStrictly(*unicode, body, &file->text))
            return false;
        if (unicode->unitSize == 1 && decodeKeepingStrayBytes(body, true, &file->text)) {
            format.strayBytes = true;
            return false;
        }
        QStringDecoder decoder(unicode->converter, QStringDecoder::Flag::Stateless);
        file->text = decoder.decode(body);
        return true;
    }
    QStringDecoder decoder(converterName(format).constData(), QStringDecoder::Flag::Stateless);
    file->text = decoder.decode(bytes);
    return decoder.hasError();
}

qsizetype firstStrayByte(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (isStrayByteCharacter(text[i].unicode()))
            return i;
    return -1;
}

// The first character from `from` on that can start a line break, or `size`. Lines are
// long next to their breaks: blocks of characters holding none are passed over at once
// (a loop of fixed length, which the compiler turns into a few vector instructions; kept
// in lanes as wide as the characters, they need no widening).
qsizetype nextBreak(const QChar *chars, qsizetype from, qsizetype size)
{
    constexpr qsizetype block = 16;
    const auto mayBreak = [](char16_t c) {
        return char16_t(char16_t(c == u'\n') | char16_t(c == u'\r') | char16_t(char16_t(c | 1) == 0x2029));
    };
    qsizetype i = from;
    for (; i + block <= size; i += block) {
        char16_t any = 0;
        for (qsizetype k = 0; k < block; ++k)
            any |= mayBreak(chars[i + k].unicode());
        if (any)
            break;
    }
    while (i < size && !mayBreak(chars[i].unicode()))
        ++i;
    return i;
}

// Turns every line break into "\n", noting which it was; the commonest of CR LF, LF and
// CR becomes the ending of new lines. The text only ever shrinks, so it is rewritten where
// it lies: a second copy of a large page would cost as much again in fresh memory.
void splitLines(DecodedTextFile *file)
{
    QString &text = file->text;
    QChar *const chars = text.isEmpty() ? nullptr : text.data();
    LineEndings &endings = file->lineEndings;
    std::array<qsizetype, 3> counts{};
    QVarLengthArray<LineEnding, 3> firstSeen;
    qsizetype copied = 0;
    qsizetype written = 0;
    for (qsizetype i = nextBreak(chars, 0, text.size()); i < text.size(); i = nextBreak(chars, i + 1, text.size())) {
        const qsizetype breakStart = i;
        LineEnding ending;
        switch (chars[i].unicode()) {
        case u'\r':
            ending = i + 1 < text.size() && chars[i + 1] == QLatin1Char('\n') ? LineEnding::CrLf : LineEnding::Cr;
            if (ending == LineEnding::CrLf)
                ++i;
            break;
        case u'\n':
            ending = LineEnding::Lf;
            break;
        case QChar::LineSeparator:
            ending = LineEnding::LineSeparator;
            break;
        default: // the paragraph separator, the one other character nextBreak stops at
            ending = LineEnding::ParagraphSeparator;
            break;
        }
        // Until the first CR LF every line is where it was, and stays.
        if (written < copied)
            std::copy(chars + copied, chars + breakStart, chars + written);
        written += breakStart - copied;
        chars[written++] = QLatin1Char('\n');
        copied = i + 1;
        const auto kind = std::size_t(ending);
        if (kind < counts.size() && counts[kind]++ == 0)
            firstSeen.append(ending);
        endings.append(ending);
    }
    if (written < copied)
        text.truncate(std::copy(chars + copied, chars + text.size(), chars + written) - chars);

    LineEnding &fresh = file->format.lineEnding;
    fresh = firstSeen.isEmpty() ? TextFileFormat::platformLineEnding() : firstSeen.front();
    for (LineEnding ending : firstSeen)
        if (counts[std::size_t(ending)] > counts[std::size_t(fresh)])
            fresh = ending;
}

QStringView lineBreak(LineEnding ending)
{
    switch (ending) {
    case LineEnding::CrLf:
        return u"\r\n";
    case LineEnding::Cr:
        return u"\r";
    case LineEnding::LineSeparator:
        return u"\u2028";
    case LineEnding::ParagraphSeparator:
        return u"\u2029";
    case LineEnding::Lf:
        break;
    }
    return u"\n";
}

// The text encoded with its n-th "\n" written as the n-th ending, straight into the bytes
// after the mark: a copy of the whole page with its endings put in would cost as much
// again, most of it in memory touched for the first time.
QByteArray encodedLines(QStringEncoder &encoder, QByteArrayView mark, QStringView text, LineEnding fresh,
                        const LineEndings &endings)
{
    // Only CR LF takes more characters than the "\n" it stands for: room is made for one
    // more with each, and room never written to costs nothing but addresses. Sized no
    // larger, the block is small enough to be kept and used again by the next save.
    const auto longer = [](LineEnding ending) { return ending == LineEnding::CrLf; };
    const qsizetype unlisted = longer(fresh) ? qMax<qsizetype>(0, text.size() - endings.size()) : 0;
    const qsizetype characters = text.size() + std::count_if(endings.cbegin(), endings.cend(), longer) + unlisted;
    QByteArray bytes(mark.size() + encoder.requiredSpace(characters), Qt::Uninitialized);
    char *out = std::copy(mark.begin(), mark.end(), bytes.data());
    // A "\n" that stays one is encoded with the lines around it, and past the last line
    // that ends otherwise the rest of the text goes at once.
    const auto other = std::find_if(endings.crbegin(), endings.crend(),
                                    [](LineEnding ending) { return ending != LineEnding::Lf; });
    const qsizetype lastOther =
        fresh != LineEnding::Lf ? text.size() : qsizetype(std::distance(other, endings.crend())) - 1;
    qsizetype copied = 0;
    qsizetype line = 0;
    for (qsizetype i = text.indexOf(u'\n'); i >= 0 && line <= lastOther; i = text.indexOf(u'\n', i + 1), ++line) {
        const LineEnding ending = line < endings.size() ? endings[line] : fresh;
        if (ending == LineEnding::Lf)
            continue;
        out = encoder.appendToBuffer(out, text.sliced(copied, i - copied));
        out = encoder.appendToBuffer(out, lineBreak(ending));
        copied = i + 1;
    }
    out = encoder.appendToBuffer(out, text.sliced(copied));
    bytes.truncate(out - bytes.constData());
    return bytes;
}

} // namespace

TextFileFormat::LineEnding TextFileFormat::platformLineEnding()
{
#ifdef Q_OS_WIN
    return LineEnding::CrLf;
#else
    return LineEnding::Lf;
#endif
}

DecodedTextFile decodeTextFile(const QByteArray &bytes)
{
    DecodedTextFile file;
    decodeCharacters(bytes, &file);
    splitLines(&file);
    if (file.format.strayBytes) {
        const qsizetype at = firstStrayByte(file.text);
        file.firstBadByte = PlaceInText(file.text, at);
        file.badByte = uchar(0x80 + (file.text[at].unicode() - StrayByteCharacter));
    }
    return file;
}

DecodedTextFile decodeTextFileAs(const QByteArray &bytes, const TextFileFormat &format)
{
    DecodedTextFile file;
    file.format = format;
    file.format.byteOrderMark = false;
    file.format.strayBytes = false;
    const bool replaced = decodeChosen(bytes, &file);
    splitLines(&file);
    if (file.format.strayBytes) {
        const qsizetype at = firstStrayByte(file.text);
        file.firstBadByte = PlaceInText(file.text, at);
        file.badByte = uchar(0x80 + (file.text[at].unicode() - StrayByteCharacter));
    } else if (replaced) {
        file.firstBadByte = PlaceInText(file.text, qMax<qsizetype>(0, file.text.indexOf(QChar::ReplacementCharacter)));
    }
    return file;
}

namespace {

// The first character from `from` on that the named encoding cannot hold, or -1: line by
// line, then character by character in the first line that fails.
qsizetype firstUnfit(const QByteArray &name, QStringView text)
{
    const auto fits = [&](QStringView part) {
        QStringEncoder encoder(name.constData(), QStringEncoder::Flag::Stateless);
        const QByteArray encoded = encoder.encode(part);
        return !encoder.hasError();
    };
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        if (!fits(text.sliced(start, end - start))) {
            for (qsizetype i = start; i < end; ++i) {
                const qsizetype length = text[i].isHighSurrogate() && i + 1 < end ? 2 : 1;
                if (!fits(text.sliced(i, length)))
                    return i;
                i += length - 1;
            }
        }
        start = end + 1;
    }
    return -1;
}

} // namespace

EncodedTextFile encodeTextFile(const QString &text, const TextFileFormat &format, const LineEndings &lineEndings)
{
    EncodedTextFile file{QByteArray(), format, {}, 0};
    if (const UnicodeEncoding *unicode = unicodeOf(format.encoding)) {
        QStringEncoder encoder(unicode->converter, QStringEncoder::Flag::Stateless);
        file.bytes = encodedLines(encoder, format.byteOrderMark ? unicode->mark : QByteArray(), text,
                                  format.lineEnding, lineEndings);
        if (format.strayBytes && unicode->unitSize == 1)
            restoreStrayBytes(file.bytes);
        return file;
    }
    QStringEncoder encoder(converterName(format).constData(), QStringEncoder::Flag::Stateless);
    file.bytes = encodedLines(encoder, {}, text, format.lineEnding, lineEndings);
    if (encoder.hasError()) {
        file.bytes.clear();
        const qsizetype at = qMax<qsizetype>(0, firstUnfit(converterName(format), text));
        file.unfit = PlaceInText(text, at);
        file.unfitCharacter = QStringView(text).sliced(at, qMin<qsizetype>(2, text.size() - at)).toUcs4().value(0);
    }
    return file;
}

TextPlace PlaceInText(QStringView text, qsizetype position)
{
    const QStringView before = text.first(position);
    const qsizetype lineStart = before.lastIndexOf(u'\n') + 1;
    qsizetype column = 1;
    for (QChar c : before.sliced(lineStart))
        if (!c.isLowSurrogate())
            ++column;
    return {before.count(u'\n') + 1, column};
}

QChar StrayByteToWindows1252(QChar c)
{
    if (!isStrayByteCharacter(c.unicode()))
        return c;
    const char byte = char(0x80 + (c.unicode() - StrayByteCharacter));
    const QString character = QStringDecoder(windows1252, QStringDecoder::Flag::Stateless).decode(QByteArrayView(&byte, 1));
    return character.size() == 1 ? character[0] : QChar(QChar::ReplacementCharacter);
}

void StrayBytesToWindows1252(QString &text)
{
    for (QChar &c : text)
        c = StrayByteToWindows1252(c);
}
