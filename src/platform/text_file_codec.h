#pragma once

#include <QByteArray>
#include <QString>

// How a plain-text file is written: its encoding, whether it starts with a byte-order
// mark, and its line-ending style. A document keeps the format of the file it came from,
// so that saving it without an edit gives back the very same bytes.
struct TextFileFormat
{
    enum class Encoding { Utf8, Windows1252 };
    enum class LineEnding { CrLf, Lf, Cr };

    // The line ending of a new document: the platform's own.
    static LineEnding platformLineEnding();

    Encoding encoding = Encoding::Utf8;
    bool byteOrderMark = false;
    LineEnding lineEnding = platformLineEnding();

    bool operator==(const TextFileFormat &) const = default;
};

struct DecodedTextFile
{
    QString text;  // every line break is "\n"
    TextFileFormat format;
};

struct EncodedTextFile
{
    QByteArray bytes;
    TextFileFormat format;  // the format actually written
};

// Reads the bytes as UTF-8 when they are valid UTF-8 (a leading byte-order mark is
// noted and dropped), otherwise as Windows-1252, which maps every byte to a character and
// back. The line-ending style is the one of the first line break; a file without one gets
// the platform's. Any CR LF or lone CR becomes "\n".
DecodedTextFile decodeTextFile(const QByteArray &bytes);

// Writes text ("\n" line breaks) in the given format. A character that Windows-1252
// cannot hold is never replaced: the whole text is then written as UTF-8 instead.
EncodedTextFile encodeTextFile(const QString &text, const TextFileFormat &format);
