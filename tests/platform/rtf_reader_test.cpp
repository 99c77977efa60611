#include "platform/rtf_reader.h"
#include "rtf_test_support.h"

#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

TEST(RtfReader, ReadsTheTextOfWhatWritersProduce)
{
    const TextCase cases[] = {
        {"minimal", "{\\rtf1 Hello}", "Hello"},
        {"header without version", "{\\rtf Hello}", "Hello"},
        {"byte order mark, blanks and blank lines before the header", "\xEF\xBB\xBF \t\r\n{\\rtf1 Hi}", "Hi"},
        {"paragraphs; the closing \\par adds no empty one",
         "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\pard One\\par Two\\par\r\n}", "One\nTwo"},
        {"an empty paragraph at the end", "{\\rtf1 One\\par\\par}", "One\n"},
        {"line break and tab", "{\\rtf1 a\\line b\\tab c}", "a\nb\tc"},
        {"line breaks in source are not text", "{\\rtf1 a\r\nb\nc\rd}", "abcd"},
        {"backslash and a line break is a paragraph", "{\\rtf1 a\\\r\nb}", "a\nb"},
        {"escaped characters", "{\\rtf1 \\\\ \\{x\\}}", "\\ {x}"},
        {"symbols", "{\\rtf1 \\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet\\~\\_}",
         QString::fromUtf8("\u2014\u2013\u2018\u2019\u201C\u201D\u2022\u00A0\u2011")},
        {"optional hyphen is not shown", "{\\rtf1 hy\\-phen}", "hyphen"},
        {"unknown words are skipped with their blank", "{\\rtf1\\pard\\sa200\\sl276\\slmult1\\lang1033 Text\\zzz9 more\\AZ }",
         "Textmore"},
        {"hex escapes in Windows-1252 by default", "{\\rtf1 caf\\'e9 \\'80\\'96}", QString::fromUtf8("café €–")},
        {"hex digits in either case", "{\\rtf1 \\'C9\\'FA\\'aF\\'Af\\'09}", QString::fromUtf8("Éú¯¯\t")},
        {"raw 8-bit bytes", "{\\rtf1 caf\xe9 na\xefve}", QString::fromUtf8("café naïve")},
        {"document code page", "{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8}", QString::fromUtf8("При")},
        {"an EBCDIC code page", "{\\rtf1\\ansi\\ansicpg1026 \\'c1\\'c2}", "AB"},
        {"code page 0 is none: Windows-1252 stays", "{\\rtf1\\ansi\\ansicpg0 \\'e9}", QString::fromUtf8("é")},
        {"Mac character set", "{\\rtf1\\mac caf\\'8e}", QString::fromUtf8("café")},
        {"double-byte code page joins byte pairs", "{\\rtf1\\ansi\\ansicpg932 \\'82\\'a0\x82\xa2}",
         QString::fromUtf8("あい")},
        {"font character set decides the code page",
         "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial Cyr;}}\\f1 \\'cf\\f0 \\'cf}",
         QString::fromUtf8("ПÏ")},
        {"the other words of a font entry leave its character set as it is",
         "{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset204\\fprq2\\fbias1252 Arial Cyr;}}\\f1 \\'cf}", QString::fromUtf8("П")},
        {"a font entry without a name is dropped whole, its character set too",
         "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset204 ;}}\\f0 \\'cf}", QString::fromUtf8("Ï")},
        {"unicode with one fallback character", "{\\rtf1 \\u8364?x}", QString::fromUtf8("€x")},
        {"negative unicode values", "{\\rtf1 \\u-24?\\u-1?}", QString(QChar(0xFFE8)) + QChar(0xFFFF)},
        {"fallback counted in \\uc units", "{\\rtf1\\uc2 \\u8364??x\\uc0 \\u8364 y}", QString::fromUtf8("€x€y")},
        {"a hex escape is one fallback character", "{\\rtf1 \\u233\\'e9x}", QString::fromUtf8("éx")},
        {"a control word is one fallback character", "{\\rtf1 \\u233\\emdash x}", QString::fromUtf8("éx")},
        {"the fallback ends with the group", "{\\rtf1\\uc3 {\\u233}ab}", QString::fromUtf8("éab")},
        {"\\uc is restored when a group ends", "{\\rtf1{\\uc0 \\u233}\\u233?x}", QString::fromUtf8("ééx")},
        {"surrogate pairs are joined", "{\\rtf1 \\u-10179?\\u-8704?}", QString::fromUtf8("😀")},
        {"a lone surrogate becomes a replacement character", "{\\rtf1 \\u-10179?x\\u-8704?}",
         QString::fromUtf8("\uFFFDx\uFFFD")},
        {"skipped destinations",
         "{\\rtf1{\\info{\\title T}{\\author A}}{\\stylesheet{\\s0 Normal;}}{\\*\\generator G;}"
         "{\\header H}{\\footer F}{\\pict\\wmetafile8 0a0b}{\\object{\\*\\objdata 01}}Body{\\footnote N}}",
         "Body"},
        {"unknown starred destinations", "{\\rtf1 a{\\*\\unknownthing b{c}}d}", "ad"},
        {"a star not at the start of a group changes nothing", "{\\rtf1 a{\\b\\*b}c}", "abc"},
        {"a destination word in the document group itself is ignored", "{\\rtf1\\info text}", "text"},
        {"footnote marks are numbered, the notes left out",
         "{\\rtf1 a{\\super\\chftn}{\\*\\footnote{\\super\\chftn} Note.} b{\\super\\chftn}{\\footnote\\chftn n}}",
         "a1 b2"},
        {"a field keeps its result",
         "{\\rtf1 See {\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt the link}} here}", "See the link here"},
        {"a starred field result is text; results inside the instruction are not",
         "{\\rtf1 a{\\field{\\*\\fldinst{X {\\*\\fldrslt no}}}{\\*\\fldrslt{b}}}c}", "abc"},
        {"only the word right after the star shows its group", "{\\rtf1 a{\\*\\unknown\\fldrslt no}c}", "ac"},
        {"binary data is skipped", "{\\rtf1 a{\\*\\blob\\bin3 x}y}b}", "ab"},
        {"binary data in text is skipped", "{\\rtf1 a\\bin2 zzb}", "ab"},
        {"table cells and rows", "{\\rtf1 a\\cell b\\cell\\row c}", "a\tb\t\nc"},
        {"control characters are dropped", QByteArray("{\\rtf1 a\x01\x00\x1f" "b\tc}", 14), "ab\tc"},
        {"empty but complete", "{\\rtf1}", ""},
        {"plain text named .rtf, in Windows-1252", "Just text\r\nsecond line caf\xe9\n",
         QString::fromUtf8("Just text\nsecond line café\n")},
        {"plain text named .rtf, in UTF-8", "UTF-8 caf\xc3\xa9", QString::fromUtf8("UTF-8 café")},
    };
    for (const TextCase &c : cases) {
        SCOPED_TRACE(c.what);
        QTextDocument document;
        QString error;
        EXPECT_TRUE(readRtf(c.rtf, document, &error)) << error.toStdString();
        EXPECT_EQ(plainTextOf(document), c.text);
    }
}

// A character's properties written short: the face ("-" for the document's own) and the
// size in half points, then b, i, u, s and the colour for those that are set.
QString shortly(const CharacterProperties &p, const QTextDocument &document)
{
    QString text = p.fontName == document.defaultFont().family() ? QStringLiteral("-") : p.fontName;
    text += QLatin1Char(' ') + QString::number(p.halfPoints);
    for (const auto &[set, letter] : {std::pair{p.bold, " b"}, {p.italic, " i"}, {p.underline, " u"},
                                      {p.strikethrough, " s"}})
        if (set)
            text += QLatin1String(letter);
    if (p.color.isValid())
        text += QLatin1Char(' ') + p.color.name();
    return text;
}

TEST(RtfReader, ReadsEachCharactersFormat)
{
    const struct
    {
        const char *what;
        QByteArray rtf;
        QStringList properties;  // of each character in turn
    } cases[] = {
        {"switches turn on and off; \\ulc is the underline's colour",
         "{\\rtf1 \\b\\i\\ul\\strike A\\b0\\i0\\ulnone\\strike0 B\\uldb C\\ul0 D\\striked1 E\\striked0\\ulc1 F}",
         {"- 24 b i u s", "- 24", "- 24 u", "- 24", "- 24 s", "- 24"}},
        {"groups restore the format; sizes are half points, 12 points when nothing is said, none of 0",
         "{\\rtf1 a{\\b\\fs40 b{\\i c}d}e\\fs23 f\\fs0 g}", {"- 24", "- 40 b", "- 40 b i", "- 40 b", "- 24", "- 23", "- 23"}},
        {"\\plain resets every property to the default font's",
         "{\\rtf1{\\fonttbl{\\f0 Alpha;}{\\f1 Beta;}}{\\colortbl;\\red255\\green0\\blue0;}"
         "\\f1\\fs40\\b\\i\\ul\\strike\\cf1 X\\plain Y}",
         {"Beta 40 b i u s #ff0000", "Alpha 24"}},
        {"font table forms: \\deff, no groups, alternates, escapes; a font not in the table",
         "{\\rtf1\\deff1{\\fonttbl\\f0\\fswiss Helvetica;\\f1\\froman Times;"
         "{\\f2\\fcharset0 Caf\\'e9 Sans{\\*\\falt Other};}{\\f3{\\*\\panose 02}Semi\\'3bcolon;}}"
         "a\\f0 b\\f2 c\\f3 d\\f9 e}",
         {"Times 24", "Helvetica 24", QString::fromUtf8("Café Sans 24"), "Semi;colon 24", "- 24"}},
        {"every colour table separator counts; an empty entry, or one past the table, is automatic",
         "{\\rtf1{\\colortbl;;\\red0\\green0\\blue255;}\\cf1 a\\cf2 b\\cf3 c\\cf0 d}",
         {"- 24", "- 24 #0000ff", "- 24", "- 24"}},
        {"text other than \";\" between colour table entries is no separator",
         "{\\rtf1{\\colortbl; \\red255\\green0\\blue0; \\red0\\green0\\blue255; }\\cf2 a}", {"- 24 #0000ff"}},
        {"a font name past the reader's limit ends before a character it would cut, another in half of one",
         "{\\rtf1{\\fonttbl{\\f0 " + QByteArray(127, 'F') + "\\u-10179?\\u-8704?;}{\\f1 Name\\u-10179?;}}\\f1 x\\f0 y}",
         {"Name 24", QString(127, 'F') + " 24"}},
        {"past 65,536 colour table entries the rest are left out", "{\\rtf1{\\colortbl" + QByteArray(65535, ';')
             + "\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\\cf65535 a\\cf65536 b}", {"- 24 #ff0000", "- 24"}},
        {"colour zero is the automatic colour even when the table defines it",
         "{\\rtf1{\\colortbl\\red255\\green0\\blue0;\\red0\\green255\\blue0;}\\cf0 a\\cf1 b}", {"- 24", "- 24 #00ff00"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QTextDocument document;
        ASSERT_TRUE(readRtf(c.rtf, document, nullptr));
        QStringList read;
        for (const CharacterProperties &p : propertiesOf(document))
            read << shortly(p, document);
        EXPECT_EQ(read, c.properties);
        // Said or not, size and colour are the text's own and not left to the editor.
        const QTextCharFormat first = document.begin().begin().fragment().charFormat();
        EXPECT_DOUBLE_EQ(first.fontPointSize(), c.properties[0].section(' ', 1, 1).toDouble() / 2);
        if (!c.properties[0].contains('#'))
            EXPECT_EQ(first.foreground().style(), Qt::NoBrush);
    }
}

// Nothing recoverable is reported and keeps the document; loading is no edit to undo, and
// empty input is an empty document.
TEST(RtfReaderInput, NothingRecoverableIsReportedAndKeepsTheDocumentAndLoadingIsNoEditToUndo)
{
    const QByteArray unreadable[] = {
        QByteArray(64, '\0'),
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Ari",  // cut off before any text
        "{\\rtf1{\\*\\generator x}{\\info",  // likewise
    };
    for (const QByteArray &data : unreadable) {
        SCOPED_TRACE(data.toStdString());
        QTextDocument document;
        document.setPlainText("kept");
        QString error;
        EXPECT_FALSE(readRtf(data, document, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(document.toPlainText(), "kept");
    }

    QTextDocument document;
    document.setPlainText("old");
    QTextCursor(&document).insertText("typed ");
    ASSERT_TRUE(document.isUndoAvailable());
    ASSERT_TRUE(readRtf("{\\rtf1 new}", document, nullptr));
    EXPECT_FALSE(document.isUndoAvailable());
    EXPECT_FALSE(document.isModified());
    EXPECT_TRUE(document.isUndoRedoEnabled());
    EXPECT_TRUE(readRtf(QByteArray(), document, nullptr));
    EXPECT_TRUE(document.isEmpty());
}

} // namespace
