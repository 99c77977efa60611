#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// How a plain-text file is written: its encoding, whether it starts with a byte-order
// mark, and the line ending of lines that have none of their own (new ones). A document
// keeps the format of the file it came from, and the ending of each of its lines, so that
// saving it without an edit gives back the very same bytes.
struct TextFileFormat
{
    // Named: any other encoding the system's converters know, by its name.
    enum class Encoding { Utf8, Windows1252, Utf16LE, Utf16BE, Utf32LE, Utf32BE, Named };
    // The last two are the Unicode line and paragraph separators, U+2028 and U+2029.
    enum class LineEnding { CrLf, Lf, Cr, LineSeparator, ParagraphSeparator };

    // The line ending of a new document: the platform's own.
    static LineEnding platformLineEnding();

    Encoding encoding = Encoding::Utf8;
    bool byteOrderMark = false;
    LineEnding lineEnding = platformLineEnding();
    // The converter's name, for Encoding::Named.
    QByteArray name;
    // UTF-8 whose few invalid bytes are kept: each is one character of the editor's
    // (StrayByteCharacter) and is written back as the byte it was.
    bool strayBytes = false;

    bool operator==(const TextFileFormat &) const = default;
};

using LineEndings = QList<TextFileFormat::LineEnding>;

// Where in a file something went wrong, as the user counts: lines and columns from 1.
struct TextPlace
{
    qsizetype line = 0;  // 0: nowhere, all is well
    qsizetype column = 0;
    explicit operator bool() const { return line > 0; }
};

struct DecodedTextFile
{
    QString text;  // every line break is "\n"
    LineEndings lineEndings;  // the break of the file at each "\n" of the text, in order
    TextFileFormat format;
    // The first byte the encoding does not allow, and its value: kept (strayBytes) or
    // shown as U+FFFD.
    TextPlace firstBadByte;
    unsigned char badByte = 0;
};

struct EncodedTextFile
{
    QByteArray bytes;
    TextFileFormat format;  // the format actually written
    // The first character the encoding cannot hold; nothing is written then.
    TextPlace unfit;
    char32_t unfitCharacter = 0;
};

// The character a kept stray byte shows as in the editor: a private-use character, one
// for each byte value from 0x80 to 0xFF.
inline constexpr char16_t StrayByteCharacter = 0xF780;

// Turns each kept stray byte of the text into the Windows-1252 character it most likely
// stands for (the usual stray byte is an accented letter an older tool wrote), for text
// that goes into another document, whose own file could not take the byte back.
void StrayBytesToWindows1252(QString &text);
// The same for one character: a character that is no kept stray byte comes back as it is.
QChar StrayByteToWindows1252(QChar c);

// Reads the bytes in the first encoding they are valid in: UTF-32 or UTF-16 when they
// begin with that encoding's byte-order mark, then UTF-8 (with or without its mark),
// then UTF-8 with stray bytes kept, when it holds more valid characters beyond ASCII than
// stray bytes, otherwise Windows-1252, which maps every byte to a character and back. Every CR LF,
// lone LF, lone CR, U+2028 and U+2029 is a line break and becomes "\n". The format's line
// ending is the commonest of CR LF, LF and CR (the first of them on a tie); a file with
// none of them gets the platform's.
DecodedTextFile decodeTextFile(const QByteArray &bytes);

// Reads the bytes in the encoding the user chose (a Unicode encoding's mark is passed
// over). Bytes the encoding does not allow become U+FFFD, except in UTF-8, which keeps them.
DecodedTextFile decodeTextFileAs(const QByteArray &bytes, const TextFileFormat &format);

// Writes text ("\n" line breaks) in the given format: the n-th "\n" as the n-th of the
// line endings, those beyond the list as the format's. A character the encoding cannot
// hold is never replaced: nothing is written, and the place is told.
EncodedTextFile encodeTextFile(const QString &text, const TextFileFormat &format,
                               const LineEndings &lineEndings = {});

// The place of a position in text with "\n" line breaks; a character outside the basic
// plane counts once.
TextPlace PlaceInText(QStringView text, qsizetype position);
