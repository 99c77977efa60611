#pragma once

#include "platform/text_file_codec.h"

#include <QList>
#include <QString>

// The encodings a user can choose for a page, named as people know them.
struct EncodingChoice
{
    QString caption;
    TextFileFormat format;  // its line ending is left to the document
};

// The common ones, in the menus' order; with marks, each Unicode encoding comes a second
// time with its byte-order mark.
QList<EncodingChoice> CommonEncodings(bool withMarks);
// Every other encoding the system's converters offer, by name.
QList<EncodingChoice> OtherEncodings(bool withMarks);

// How the user sees the encoding a document is written in: "UTF-8", "UTF-16 LE with BOM".
QString EncodingDisplayName(const TextFileFormat &format);
// "U+2192 (→)".
QString CharacterName(char32_t character);

// Whether a charset named in a page is the encoding the document is read and saved in
// (aliases count as the same).
bool IsSameEncoding(const QString &charset, const TextFileFormat &format);
