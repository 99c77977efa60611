#include "platform/text_file_codec.h"

#include <gtest/gtest.h>

namespace {

using Encoding = TextFileFormat::Encoding;
using LineEnding = TextFileFormat::LineEnding;

QByteArray bytesFrom(int first, int last)
{
    QByteArray bytes;
    for (int b = first; b <= last; ++b)
        bytes.append(char(b));
    return bytes;
}

struct FileCase
{
    const char *name;
    QByteArray bytes;
    QString text;
    TextFileFormat format;
};

// Named by the case, not dumped byte by byte, in the test list and in failures.
void PrintTo(const FileCase &value, std::ostream *out)
{
    *out << value.name;
}

class TextFileCodecCase : public ::testing::TestWithParam<FileCase>
{
};

TEST_P(TextFileCodecCase, ReadsTheTextAndFormatAndWritesTheSameBytesBack)
{
    const FileCase &c = GetParam();
    const DecodedTextFile decoded = decodeTextFile(c.bytes);
    EXPECT_EQ(decoded.text, c.text);
    EXPECT_EQ(decoded.format, c.format);

    const EncodedTextFile encoded = encodeTextFile(decoded.text, decoded.format, decoded.lineEndings);
    EXPECT_EQ(encoded.bytes.toHex(' '), c.bytes.toHex(' '));
    EXPECT_EQ(encoded.format, decoded.format);
}

const TextFileFormat utf8CrLf{Encoding::Utf8, false, LineEnding::CrLf};
const TextFileFormat utf8Platform{Encoding::Utf8, false, TextFileFormat::platformLineEnding()};
const TextFileFormat cp1252Lf{Encoding::Windows1252, false, LineEnding::Lf};
const TextFileFormat cp1252Platform{Encoding::Windows1252, false, TextFileFormat::platformLineEnding()};
const TextFileFormat utf8Lf{Encoding::Utf8, false, LineEnding::Lf};
const TextFileFormat utf16LECrLf{Encoding::Utf16LE, true, LineEnding::CrLf};

QString controlsAndWindows1252()
{
    // Bytes 0x80 to 0x9F: the typographic characters, and the five bytes the code page
    // leaves undefined coming through as the C1 controls of the same number.
    return QString::fromUtf8("\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\u008D"
                             "\u017D\u008F\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A"
                             "\u0153\u009D\u017E\u0178");
}

INSTANTIATE_TEST_SUITE_P(
    Files, TextFileCodecCase,
    ::testing::Values(
        FileCase{"EmptyLinesOnly", "\r\n\r\n", "\n\n", utf8CrLf},
        FileCase{"OnlyTheMark", "\xEF\xBB\xBF", QString(), {Encoding::Utf8, true, TextFileFormat::platformLineEnding()}},
        FileCase{"TwoMarksKeepTheSecondAsText", "\xEF\xBB\xBF\xEF\xBB\xBFx",
                 QString(QChar(0xFEFF)) + QLatin1Char('x'), {Encoding::Utf8, true, TextFileFormat::platformLineEnding()}},
        FileCase{"Windows1252Controls", bytesFrom(0x80, 0x9F), controlsAndWindows1252(), cp1252Platform},
        FileCase{"Windows1252Latin", "caf\xE9 na\xEFve\n", QString::fromUtf8("café naïve\n"), cp1252Lf},
        FileCase{"Windows1252HighHalf", bytesFrom(0x80, 0xFF),
                 controlsAndWindows1252() + QString::fromLatin1(bytesFrom(0xA0, 0xFF)), cp1252Platform},
        FileCase{"CommonestEndingWins", "a\rb\nc\nd\r\n", "a\nb\nc\nd\n", utf8Lf},
        FileCase{"FirstEndingWinsATie", "a\r\nb\nc\nd\r\n", "a\nb\nc\nd\n", utf8CrLf},
        FileCase{"SeparatorsAreNeverTheCommonest", "a\xE2\x80\xA8\xE2\x80\xA8" "b\xE2\x80\xA9\r\n", "a\n\nb\n\n",
                 utf8CrLf},
        // Each kind of break after runs of characters longer than those read at once,
        // a CR LF split across two of them among them.
        FileCase{"BreaksAfterLongRuns",
                 QByteArray(15, 'x') + "\r\n" + QByteArray(14, 'y') + "\r" + QByteArray(20, 'z') + "\n"
                     + QByteArray(16, 'w') + "\xE2\x80\xA8" + QByteArray(31, 'v') + "\xE2\x80\xA9" + "end",
                 QString(15, 'x') + "\n" + QString(14, 'y') + "\n" + QString(20, 'z') + "\n" + QString(16, 'w') + "\n"
                     + QString(31, 'v') + "\nend",
                 utf8CrLf},
        FileCase{"Utf16ManyCrLfLines", QByteArray("\xFF\xFE", 2) + QByteArray("a\0\r\0\n\0", 6).repeated(40),
                 QStringLiteral("a\n").repeated(40), utf16LECrLf},
        FileCase{"Utf16SecondMarkIsText", QByteArray("\xFF\xFE\xFF\xFE\r\0\n\0", 8),
                 QString(QChar(0xFEFF)) + QLatin1Char('\n'), utf16LECrLf},
        FileCase{"Utf16MarkAndNulIsUtf32", QByteArray("\xFF\xFE\0\0<\0\0\0", 8), "<",
                 {Encoding::Utf32LE, true, TextFileFormat::platformLineEnding()}},
        FileCase{"Utf16MarkAndNulLeftOver", QByteArray("\xFF\xFE\0\0<\0", 6), QString(QChar(0)) + QLatin1Char('<'),
                 {Encoding::Utf16LE, true, TextFileFormat::platformLineEnding()}},
        FileCase{"Utf32LastCodePoint", QByteArray("\0\0\xFE\xFF\0\x10\xFF\xFF", 8), QString::fromUcs4(U"\U0010FFFF"),
                 {Encoding::Utf32BE, true, TextFileFormat::platformLineEnding()}},
        FileCase{"Utf16LoneSurrogateIsWindows1252", QByteArray("\xFF\xFE\x00\xD8<\0", 6),
                 QString::fromLatin1(QByteArray("\xFF\xFE\x00\xD8<\0", 6)), cp1252Platform},
        // A surrogate pair written as two UTF-32 units decodes to a valid pair, yet no
        // UTF-32 writer makes it.
        FileCase{"Utf32SurrogatesAreWindows1252", QByteArray("\0\0\xFE\xFF\0\0\xD8\0\0\0\xDC\0", 12),
                 QString::fromLatin1(QByteArray("\0\0\xFE\xFF\0\0\xD8\0\0\0\xDC\0", 12)), cp1252Platform}),
    [](const ::testing::TestParamInfo<FileCase> &info) { return std::string(info.param.name); });

TEST(TextFileCodec, InvalidUtf8AnywhereMakesTheFileWindows1252WhoseEveryByteComesBackUnchanged)
{
    QByteArray everyByte;
    for (int b = 0; b < 256; ++b)
        if (b != '\r')
            everyByte.append(char(b));
    for (const QByteArray &bytes : {everyByte,                           // all but the line break
                                    QByteArray("ab\xE4\xB8"),            // cut off at the end
                                    QByteArray("\xC0\x80"),              // over-long
                                    QByteArray("\xED\xA0\x80"),          // an encoded surrogate
                                    QByteArray("\xEF\xBB\xBF\xFF"),      // a mark, then a stray byte
                                    QByteArray("ok\xE9\xE9\xC3\xA9")}) { // more stray than valid
        const DecodedTextFile decoded = decodeTextFile(bytes);
        EXPECT_EQ(decoded.format.encoding, Encoding::Windows1252) << bytes.toHex().constData();
        EXPECT_FALSE(decoded.format.byteOrderMark);
        EXPECT_EQ(encodeTextFile(decoded.text, decoded.format).bytes, bytes) << bytes.toHex().constData();
    }
}

TEST(TextFileCodec, LinesBeyondTheRememberedEndingsTakeTheFormatsOwnAndANewDocumentIsUtf8WithThePlatformsEnding)
{
    const DecodedTextFile decoded = decodeTextFile("a\nb\r\nc\rd");
    EXPECT_EQ(decoded.text, "a\nb\nc\nd");
    EXPECT_EQ(decoded.lineEndings, (LineEndings{LineEnding::Lf, LineEnding::CrLf, LineEnding::Cr}));
    EXPECT_EQ(encodeTextFile("a\nb\nc\nd\ne", utf16LECrLf, {LineEnding::Cr, LineEnding::LineSeparator}).bytes,
              QByteArray("\xFF\xFE" "a\0\r\0b\0\x28\x20" "c\0\r\0\n\0d\0\r\0\n\0e\0", 24));

    const TextFileFormat fresh;
    EXPECT_EQ(fresh, utf8Platform);
    const QByteArray lineBreak = fresh.lineEnding == LineEnding::CrLf ? "\r\n" : "\n";
    EXPECT_EQ(encodeTextFile(QString::fromUtf8("é\nx"), fresh).bytes, "\xC3\xA9" + lineBreak + "x");
}

TEST(TextFileCodec, ACharacterTheEncodingCannotHoldWritesNothingAndIsPlaced)
{
    const EncodedTextFile held = encodeTextFile(QString::fromUtf8("\u20AC \u00E9\n"), cp1252Lf);
    EXPECT_EQ(held.bytes, "\x80 \xE9\n");
    EXPECT_FALSE(held.unfit);

    TextFileFormat latin2 = cp1252Lf;
    latin2.encoding = Encoding::Named;
    latin2.name = "ISO-8859-2";
    for (const auto &[format, text, line, column] :
         {std::tuple{cp1252Lf, QString::fromUtf8("\u00E9\nx\U0001F600\u4E2D"), 2, 2},
          std::tuple{latin2, QString::fromUtf8("\u0159\n\u0159\u0159\u00E9\u20AC"), 2, 4}}) {
        const EncodedTextFile unfit = encodeTextFile(text, format);
        EXPECT_TRUE(unfit.bytes.isEmpty());
        EXPECT_EQ(unfit.unfit.line, line);
        EXPECT_EQ(unfit.unfit.column, column);
    }
}

// Stray bytes in a page that is otherwise UTF-8 (a byte alone, a cut-off sequence) come
// back as they were, also after an edit.
TEST(TextFileCodec, StrayBytesInUtf8AreKeptExactly)
{
    const QByteArray bytes("cr\xC3\xA8me\r\nbr\xC3\xBBl\xC3\xA9" "e \xA3\xE2\x82 \xF0\x9F\x98\x80");
    DecodedTextFile decoded = decodeTextFile(bytes);
    EXPECT_TRUE(decoded.format.strayBytes);
    EXPECT_EQ(decoded.format.encoding, Encoding::Utf8);
    EXPECT_EQ(decoded.firstBadByte.line, 2);
    EXPECT_EQ(decoded.firstBadByte.column, 8);
    EXPECT_EQ(decoded.badByte, 0xA3);
    EXPECT_EQ(encodeTextFile(decoded.text, decoded.format, decoded.lineEndings).bytes, bytes);
    EXPECT_EQ(encodeTextFile(QString::fromUtf8("\u2192") + decoded.text, decoded.format, decoded.lineEndings).bytes,
              "\xE2\x86\x92" + bytes);
    // A four-byte lead that the next byte does not continue is stray, and so are the rest; as
    // many stray bytes as characters of several bytes still leave the page UTF-8.
    const QByteArray cut("\xC3\xA9\xEF\xBC\x81\xE0\xA4\xA8\xF4\x80\x80\x80 \xF0" "A\x80\x80\x80");
    const DecodedTextFile kept = decodeTextFile(cut);
    EXPECT_EQ(kept.text, QString::fromUtf8("é\uFF01\u0928\U00100000 ") + QChar(0xF7F0) + 'A' + QString(3, QChar(0xF780)));
    EXPECT_EQ(encodeTextFile(kept.text, kept.format, kept.lineEndings).bytes, cut);
    // A page holding the very characters stray bytes are shown as cannot keep them apart.
    EXPECT_EQ(decodeTextFile("\xEF\x9E\xA3 \xC3\xA9 \xA3").format.encoding, Encoding::Windows1252);
}

} // namespace
