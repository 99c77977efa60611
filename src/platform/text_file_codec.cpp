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
    QStringDecoder eightBit(windows1252, QStringDecoder::Flag::Stateless);
    file->text = eightBit.decode(bytes);
    file->format.encoding = Encoding::Windows1252;
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
    return file;
}

EncodedTextFile encodeTextFile(const QString &text, const TextFileFormat &format, const LineEndings &lineEndings)
{
    EncodedTextFile file{QByteArray(), format};
    if (format.encoding == Encoding::Windows1252) {
        QStringEncoder eightBit(windows1252, QStringEncoder::Flag::Stateless);
        file.bytes = encodedLines(eightBit, {}, text, format.lineEnding, lineEndings);
        if (!eightBit.hasError())
            return file;
        file.format.encoding = Encoding::Utf8;
    }
    for (const UnicodeEncoding &unicode : unicodeEncodings) {
        if (unicode.encoding == file.format.encoding) {
            QStringEncoder encoder(unicode.converter, QStringEncoder::Flag::Stateless);
            file.bytes = encodedLines(encoder, file.format.byteOrderMark ? unicode.mark : QByteArray(), text,
                                      format.lineEnding, lineEndings);
        }
    }
    return file;
}
