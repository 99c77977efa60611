#include "platform/rtf_reader.h"
#include "platform/rtf_writer.h"
#include "rtf_test_support.h"

#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

class RtfRoundTrip : public ::testing::Test
{
protected:
    void add(const QString &text, const CharacterProperties &properties)
    {
        cursor_.insertText(text, charFormatFor(properties));
    }
    void add(const QString &text) { cursor_.insertText(text, QTextCharFormat()); }
    void paragraph() { cursor_.insertBlock(); }

    // Saves, loads into a fresh document, and checks text and properties match.
    void expectRoundTrip()
    {
        const QByteArray rtf = writeRtf(original_);
        QTextDocument loaded;
        loaded.setDefaultFont(original_.defaultFont());
        QString error;
        ASSERT_TRUE(readRtf(rtf, loaded, &error)) << error.toStdString();
        EXPECT_EQ(plainTextOf(loaded), plainTextOf(original_));
        EXPECT_TRUE(propertiesOf(loaded) == propertiesOf(original_)) << rtf.toStdString();
    }

    QTextDocument original_;
    QTextCursor cursor_{&original_};
};

TEST_F(RtfRoundTrip, MixedFormattingAndCharactersOfEveryKindSurvive)
{
    add("default ");
    add("bold 11.5 ", props("DejaVu Serif", 23, {}, "b"));
    add("italic red\t", props("Courier New", 36, QColor(200, 10, 30), "i"));
    add("under\u2028lined", props("DejaVu Serif", 16, QColor(0, 0, 255), "u"));
    paragraph();
    add("struck ", props("Times New Roman", 72, {}, "s"));
    add("all", props("Courier New", 19, QColor(1, 2, 3), "bius"));
    paragraph();
    paragraph();
    add("after an empty paragraph", props("DejaVu Sans", 24));
    paragraph();
    add(QString::fromUtf8("ASCII: {braces} \\back\\slash; semicolon ? question\n"
                          "Windows-1252: café € ‘quoted’ “double” – — … ÿ \u00A0nbsp\n"
                          "Other: Привет Ελληνικά 中文 עברית ﬁ\n"
                          "Outside the BMP: 😀 𝄞 𠀋\n"
                          "Mixed: a😀b?c"),
        props("Arial", 24));
    add(QString::fromUtf8(" 😀 in a font with ; in its name"), props("Odd;Name", 30));
    add(QString::fromUtf8(" and é in a font named é"), props(QString::fromUtf8("Cafétière"), 20));
    expectRoundTrip();
}

TEST_F(RtfRoundTrip, PlainEmptyAndLongDocumentsSurvive)
{
    expectRoundTrip();
    paragraph();
    expectRoundTrip(); // two empty paragraphs
    // Unformatted text takes the document font.
    original_.setDefaultFont(QFont("DejaVu Sans Mono", 10));
    add("plain text\twith a tab");
    paragraph();
    add(QString(5000, QLatin1Char('x')) + QString::fromUtf8(QByteArray("€ж😀").repeated(500)), props("Arial", 20));
    expectRoundTrip();
}

class RtfWriterOutput : public ::testing::Test
{
protected:
    QByteArray write(const QString &text, const CharacterProperties &properties = props("Arial", 24))
    {
        QTextCursor(&document_).insertText(text, charFormatFor(properties));
        return writeRtf(document_);
    }

    QTextDocument document_;
};

TEST_F(RtfWriterOutput, IsSevenBitInShortLinesWithEveryCharacterEscapedByItsSet)
{
    const QByteArray rtf = write(QString::fromUtf8("éÿ€ж😀?a;\u2028b\u2029c\td"), props("Arial", 23, Qt::red));
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1")) << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("{\\colortbl;\\red255\\green0\\blue0;}")) << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("\\fs23"));
    EXPECT_TRUE(rtf.contains("\\'e9\\'ff\\'80\\u1078\\'3f\\u-10179\\'3f\\u-8704\\'3f?")) << rtf.toStdString();
    // A literal "?" right after \uN would be taken for the fallback and dropped.
    EXPECT_FALSE(QString::fromLatin1(rtf).contains(QRegularExpression(R"(\\u-?\d+ ?\?)")));
    // Only a font or colour table's entries end at a ";": in the text it is itself.
    EXPECT_TRUE(rtf.contains("?a;\\line b\\par")) << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("c\\tab d\\par")) << rtf.toStdString();

    // Control characters have no RTF that readers keep: they are left out.
    const QByteArray controls = write(QString::fromUtf8("\x01k\x0c\u0080\u7FFF"));
    EXPECT_FALSE(controls.contains('\x01') || controls.contains('\x0c')) << controls.toStdString();
    EXPECT_TRUE(controls.contains("k\\u128\\'3f\\u32767\\'3f")) << controls.toStdString();

    const QByteArray longer = write(QString::fromUtf8("é€жx😀").repeated(2000) + QString(3000, 'y'));
    for (const char c : longer)
        ASSERT_EQ(c & 0x80, 0);
    // Under 200 characters before the break and the blank that may end a word, well short
    // of the 255 old readers stop at.
    for (QByteArray line : longer.split('\n')) {
        while (line.endsWith('\r') || line.endsWith(' '))
            line.chop(1);
        ASSERT_LT(line.size(), 200) << line.toStdString();
    }
}

TEST_F(RtfWriterOutput, EachFontAndColourIsListedOnceHoweverOftenItComesBack)
{
    QTextCursor cursor(&document_);
    for (const QColor &color : {QColor(Qt::red), QColor(Qt::blue), QColor(Qt::red)})
        for (const QString &font : {"Arial", "Courier New", "Arial"})
            cursor.insertText(font, charFormatFor(props(font, 24, color)));
    const QByteArray rtf = writeRtf(document_);
    EXPECT_TRUE(rtf.contains("{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}")) << rtf.toStdString();
    EXPECT_EQ(rtf.count("Arial;"), 1) << rtf.toStdString();
    EXPECT_EQ(rtf.count("Courier New;"), 1) << rtf.toStdString();
}

} // namespace
