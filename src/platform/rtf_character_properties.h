#pragma once

#include <QColor>
#include <QString>

class QFont;
class QTextCharFormat;

// The seven character properties rich text carries between the editor and a file.
struct CharacterProperties
{
    QString fontName;      // empty: the document's own font
    int halfPoints = 24;   // size in half points, as RTF's \fs counts it
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    QColor color;          // invalid: the automatic (editor's) text colour

    bool operator==(const CharacterProperties &other) const = default;
};

// What a character with this format shows, with anything the format leaves open taken
// from the document's default font.
CharacterProperties characterPropertiesOf(const QTextCharFormat &format, const QFont &documentFont);

// A format that sets every property explicitly (the font only when one is named).
QTextCharFormat charFormatFor(const CharacterProperties &properties);
