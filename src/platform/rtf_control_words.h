#pragma once

#include <QByteArrayView>

// The RTF control words the reader acts on. Every other word is read and ignored.
enum class RtfWord {
    Unknown,
    // document character set and default font
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodepage,
    DefaultFont,
    // destinations
    FontTable,
    ColorTable,
    IgnoredDestination,
    FieldResult,
    // font and colour table entries
    FontCharset,
    FontCodepage,
    Red,
    Green,
    Blue,
    // character formatting
    Font,
    FontSize,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    ColorForeground,
    Plain,
    // text
    Paragraph,
    Character,
    FootnoteMark,
    Unicode,
    UnicodeSkip,
    Binary,
};

struct RtfWordInfo
{
    RtfWord word = RtfWord::Unknown;
    char16_t character = 0; // what a Character word stands for
};

RtfWordInfo lookupRtfWord(QByteArrayView name);
