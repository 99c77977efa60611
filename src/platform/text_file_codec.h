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
    enum class Encoding { Utf8, Windows1252, Utf16LE, Utf16BE, Utf32LE, Utf32BE };
    // The last two are the Unicode line and paragraph separators, U+2028 and U+2029.
    enum class LineEnding { CrLf, Lf, Cr, LineSeparator, ParagraphSeparator };

    // The line ending of a new document: the platform's own.
    static LineEnding platformLineEnding();

    Encoding encoding = Encoding::Utf8;
    bool byteOrderMark = false;
    LineEnding lineEnding = platformLineEnding();

    bool operator==(const TextFileFormat &) const = default;
};

using LineEndings = QList<TextFileFormat::LineEnding>;

struct DecodedTextFile
{
    QString text;  // every line break is "\n"
    LineEndings lineEndings;  // the break of the file at each "\n" of the text, in order
    TextFileFormat format;
};

struct EncodedTextFile
{
    QByteArray bytes;
    TextFileFormat format;  // the format actually written
};

// Reads the bytes in the first encoding they are valid in: UTF-32 or UTF-16 when they
// begin with that encoding's byte-order mark, then UTF-8 (with or without its mark),
// otherwise Windows-1252, which maps every byte to a character and back. Every CR LF,
// lone LF, lone CR, U+2028 and U+2029 is a line break and becomes "\n". The format's line
// ending is the commonest of CR LF, LF and CR (the first of them on a tie); a file with
// none of them gets the platform's.
DecodedTextFile decodeTextFile(const QByteArray &bytes);

// Writes text ("\n" line breaks) in the given format: the n-th "\n" as the n-th of the
// line endings, those beyond the list as the format's. A character that Windows-1252
// cannot hold is never replaced: the whole text is then written as UTF-8 instead.
EncodedTextFile encodeTextFile(const QString &text, const TextFileFormat &format,
                               const LineEndings &lineEndings = {});
