#include "platform/rtf_reader.h"
#include "rtf_test_support.h"

#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

struct TextCase
{
    const char *what;
    QByteArray rtf;
    QString text;
};

TEST(RtfReader, ReadsTheTextOfWhatWritersProduce)
{
    const TextCase cases[] = {
        {"minimal", "{\\rtf1 Hello}", "Hello"},
        {"header without version", "{\\rtf Hello}", "Hello"},
        {"byte order mark and blank lines before the header", "\xEF\xBB\xBF\r\n{\\rtf1 Hi}", "Hi"},
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
        {"unknown words are skipped with their blank", "{\\rtf1\\pard\\sa200\\sl276\\slmult1\\lang1033 Text\\zzz9 more}",
         "Textmore"},
        {"hex escapes in Windows-1252 by default", "{\\rtf1 caf\\'e9 \\'80\\'96}", QString::fromUtf8("café €–")},
        {"raw 8-bit bytes", "{\\rtf1 caf\xe9 na\xefve}", QString::fromUtf8("café naïve")},
        {"document code page", "{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8}", QString::fromUtf8("При")},
        {"Mac character set", "{\\rtf1\\mac caf\\'8e}", QString::fromUtf8("café")},
        {"double-byte code page joins byte pairs", "{\\rtf1\\ansi\\ansicpg932 \\'82\\'a0\x82\xa2}",
         QString::fromUtf8("あい")},
        {"font character set decides the code page",
         "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial Cyr;}}\\f1 \\'cf\\f0 \\'cf}",
         QString::fromUtf8("ПÏ")},
        {"unicode with one fallback character", "{\\rtf1 \\u8364?x}", QString::fromUtf8("€x")},
        {"negative unicode values", "{\\rtf1 \\u-24?}", QString(QChar(0xFFE8))},
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
    };
    for (const TextCase &c : cases) {
        SCOPED_TRACE(c.what);
        QTextDocument document;
        QString error;
        EXPECT_TRUE(readRtf(c.rtf, document, &error)) << error.toStdString();
        EXPECT_EQ(plainTextOf(document), c.text);
    }
}

TEST(RtfReader, LineBreakStaysInsideTheParagraph)
{
    QTextDocument document;
    ASSERT_TRUE(readRtf("{\\rtf1 a\\line b\\par c}", document, nullptr));
    EXPECT_EQ(document.blockCount(), 2);
    EXPECT_EQ(document.firstBlock().text(), QString::fromUtf8("a\u2028b"));
}

class RtfReaderFormats : public ::testing::Test
{
protected:
    // The properties of each character of the document read from rtf.
    std::vector<CharacterProperties> read(const QByteArray &rtf)
    {
        EXPECT_TRUE(readRtf(rtf, document_, nullptr));
        return propertiesOf(document_);
    }

    QTextDocument document_;
};

TEST_F(RtfReaderFormats, SwitchesTurnOnAndOff)
{
    const auto p =
        read("{\\rtf1 \\b\\i\\ul\\strike A\\b0\\i0\\ulnone\\strike0 B\\uldb C\\ul0 D\\striked1 E\\striked0\\ulc1 F}");
    ASSERT_EQ(p.size(), 6u);
    EXPECT_TRUE(p[0].bold && p[0].italic && p[0].underline && p[0].strikethrough);
    EXPECT_FALSE(p[1].bold || p[1].italic || p[1].underline || p[1].strikethrough);
    EXPECT_TRUE(p[2].underline);
    EXPECT_FALSE(p[3].underline);
    EXPECT_TRUE(p[4].strikethrough);
    EXPECT_FALSE(p[5].underline || p[5].strikethrough); // \\ulc is the underline's colour
}

TEST_F(RtfReaderFormats, GroupsRestoreTheFormat)
{
    const auto p = read("{\\rtf1 a{\\b\\fs40 b{\\i c}d}e}");
    ASSERT_EQ(p.size(), 5u);
    EXPECT_FALSE(p[0].bold);
    EXPECT_TRUE(p[1].bold);
    EXPECT_EQ(p[1].halfPoints, 40);
    EXPECT_TRUE(p[2].bold && p[2].italic);
    EXPECT_TRUE(p[3].bold && !p[3].italic);
    EXPECT_FALSE(p[4].bold);
    EXPECT_EQ(p[4].halfPoints, 24); // 12 points when nothing is said
    EXPECT_DOUBLE_EQ(document_.begin().begin().fragment().charFormat().fontPointSize(), 12.0);
    // Sizes are half points.
    EXPECT_EQ(read("{\\rtf1 a\\fs23 b}").back().halfPoints, 23);
}

TEST_F(RtfReaderFormats, PlainResetsEveryProperty)
{
    const auto p = read("{\\rtf1{\\fonttbl{\\f0 Alpha;}{\\f1 Beta;}}{\\colortbl;\\red255\\green0\\blue0;}"
                        "\\f1\\fs40\\b\\i\\ul\\strike\\cf1 X\\plain Y}");
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].fontName, "Beta");
    EXPECT_EQ(p[0].color, QColor(255, 0, 0));
    CharacterProperties plain;
    plain.fontName = "Alpha";
    EXPECT_EQ(p[1], plain);
}

TEST_F(RtfReaderFormats, FontTableForms)
{
    const auto p = read("{\\rtf1\\deff1{\\fonttbl\\f0\\fswiss Helvetica;\\f1\\froman Times;"
                        "{\\f2\\fcharset0 Caf\\'e9 Sans{\\*\\falt Other};}{\\f3{\\*\\panose 02}Semi\\'3bcolon;}}"
                        "a\\f0 b\\f2 c\\f3 d\\f9 e}");
    ASSERT_EQ(p.size(), 5u);
    EXPECT_EQ(p[0].fontName, "Times"); // \deff
    EXPECT_EQ(p[1].fontName, "Helvetica");
    EXPECT_EQ(p[2].fontName, QString::fromUtf8("Café Sans"));
    EXPECT_EQ(p[3].fontName, "Semi;colon");
    EXPECT_EQ(p[4].fontName, document_.defaultFont().family()); // not in the table
}

TEST_F(RtfReaderFormats, EveryColourTableSeparatorCounts)
{
    const auto p = read("{\\rtf1{\\colortbl;;\\red0\\green0\\blue255;}\\cf1 a\\cf2 b\\cf3 c\\cf0 d}");
    ASSERT_EQ(p.size(), 4u);
    EXPECT_FALSE(p[0].color.isValid()); // an empty entry is the automatic colour
    EXPECT_EQ(p[1].color, QColor(0, 0, 255));
    EXPECT_FALSE(p[2].color.isValid()); // past the table
    EXPECT_FALSE(p[3].color.isValid());
    EXPECT_EQ(document_.begin().begin().fragment().charFormat().foreground().style(), Qt::NoBrush);

    // Colour zero is the automatic colour even when the table defines it.
    const auto q = read("{\\rtf1{\\colortbl\\red255\\green0\\blue0;\\red0\\green255\\blue0;}\\cf0 a\\cf1 b}");
    ASSERT_EQ(q.size(), 2u);
    EXPECT_FALSE(q[0].color.isValid());
    EXPECT_EQ(q[1].color, QColor(0, 255, 0));
}

TEST(RtfReaderInput, PlainTextNamedRtfOpensAsText)
{
    QTextDocument document;
    QString error;
    ASSERT_TRUE(readRtf("Just text\r\nsecond line caf\xe9\n", document, &error));
    EXPECT_EQ(plainTextOf(document), QString::fromUtf8("Just text\nsecond line café\n"));
    ASSERT_TRUE(readRtf("UTF-8 caf\xc3\xa9", document, &error));
    EXPECT_EQ(plainTextOf(document), QString::fromUtf8("UTF-8 café"));
}

TEST(RtfReaderInput, NothingRecoverableIsReportedAndKeepsTheDocument)
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
}

TEST(RtfReaderInput, LoadingIsNotAnEditToUndoAndEmptyInputIsAnEmptyDocument)
{
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
