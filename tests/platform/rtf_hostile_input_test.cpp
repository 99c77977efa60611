#include "rtf_invariants.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

// Malformed and hostile RTF: each must be read to the end, quickly, keeping the text
// around the damage.
namespace {

const QByteArray Sample = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
                          "{\\f1\\fcharset204 Times{\\*\\falt T};}}{\\colortbl;\\red255\\green0\\blue0;}"
                          "{\\*\\generator x;}{\\info{\\title t}}\\pard\\f0\\fs23 Caf\\'e9 {\\b bold}\\line "
                          "\\u8364\\'3f{\\field{\\*\\fldinst X}{\\fldrslt link}}\\tab\\f1\\'cf\\cf1 red"
                          "\\u-10179?\\u-8704?{\\pict\\bin3 }}}}x\\par last\\par}";

QString readOrFail(const QByteArray &rtf)
{
    QTextDocument document;
    QString error;
    EXPECT_TRUE(readRtf(rtf, document, &error)) << error.toStdString();
    return plainTextOf(document);
}

TEST(RtfHostileInput, DamageAndHugeValuesKeepTheTextAroundThem)
{
    const int deep = 100000;
    const QByteArray thirty = "123456789012345678901234567890";
    QByteArray manyPages;
    for (int page = 2001; page < 2064; ++page)
        manyPages += "\\ansicpg" + QByteArray::number(page) + " \\'41";
    const TextCase cases[] = {
        {"braces closed too often", "{\\rtf1 a}}} b}", "a b"},
        {"groups never closed", "{\\rtf1 {\\b bold {\\i more", "bold more"},
        {"the document never closed", "{\\rtf1 a\\par b", "a\nb"},
        {"deep nesting", "{\\rtf1 " + QByteArray(deep, '{') + "deep" + QByteArray(deep, '}') + " after}", "deep after"},
        {"deep formatting", "{\\rtf1 " + QByteArray("{\\b ").repeated(deep) + "x" + QByteArray(deep, '}') + "y}", "xy"},
        {"deep destinations", "{\\rtf1 " + QByteArray("{\\*\\q ").repeated(deep) + "hidden" + QByteArray(deep, '}') + "z}",
         "z"},
        {"a flood of closing braces", "{\\rtf1 a" + QByteArray(deep, '}') + "b", "ab"},
        {"a huge control word", "{\\rtf1 \\" + QByteArray(1 << 20, 'a') + " tail}", "tail"},
        {"huge parameters", "{\\rtf1 \\fs" + thirty + " a\\cf" + thirty + " b\\f-" + thirty + " c\\b" + thirty + " d}",
         "abcd"},
        {"huge characters", "{\\rtf1 \\u" + thirty + "?e\\u-" + thirty + "?f}", "ef"},
        {"huge colours", "{\\rtf1{\\colortbl;\\red" + thirty + "\\green-" + thirty + ";}\\cf1 g}", "g"},
        {"past sixty-four code pages a new one is not looked up",
         "{\\rtf1\\ansicpg2000 A" + manyPages + "\\ansicpg1251 \\'cf}", QString(64, 'A') + QString::fromUtf8("Ï")},
        {"code page 0 takes no place among them", "{\\rtf1\\ansicpg0 " + manyPages + "\\ansicpg1251 \\'cf}",
         QString(63, 'A') + QString::fromUtf8("П")},
        {"huge code page and font", "{\\rtf1\\ansicpg" + thirty + "\\deff" + thirty + " h\\'e9}", QString::fromUtf8("hé")},
        // Binary lengths never reach past the end.
        {"binary data longer than the rest", "{\\rtf1 kept\\bin2147483647 lost}", "kept"},
        {"a binary length past any number", "{\\rtf1 kept\\bin" + thirty + " lost}", "kept"},
        {"negative and missing binary lengths", "{\\rtf1 a\\bin-5 b\\bin c}", "abc"},
        // A huge Unicode skip loses little.
        {"a huge fallback count", "{\\rtf1\\uc2147483647 \\u233 abcdefghijklmnop}", QString::fromUtf8("éijklmnop")},
        {"a negative fallback count", "{\\rtf1\\uc-4 \\u233 ab}", QString::fromUtf8("éab")},
        // Bad escapes stay text.
        {"hex digits that are none", "{\\rtf1 a\\'zzb}", "azzb"},
        {"a hex escape cut short", "{\\rtf1 a\\'4", "a4"},
        {"a hex escape with no digits", "{\\rtf1 a\\'", "a"},
        {"a backslash at the end", "{\\rtf1 a\\", "a"},
        {"backslashes before digits, signs and 8-bit bytes", "{\\rtf1 C:\\1 and \\% and \\\xe9}",
         QString::fromUtf8("C:\\1 and \\% and \\é")},
        {"the editor's structure characters", "{\\rtf1 \\u64976?\\u64977?\\u65532?}",
         QString::fromUtf8("\uFFFD\uFFFD\uFFFD")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(readOrFail(c.rtf), c.text);
    }
}

// Every truncation of a sample reads to the end, and so do the inputs that once broke the
// reader, found by the random and fuzz runs.
TEST(RtfHostileInput, EveryTruncationAndWhatFuzzingFoundReadsToTheEnd)
{
    const QString whole = readOrFail(Sample);
    ASSERT_EQ(whole, QString::fromUtf8("Café bold\n€link\tПred😀x\nlast"));
    for (qsizetype length = 0; length <= Sample.size(); ++length) {
        const QByteArray cut = Sample.left(length);
        SCOPED_TRACE(cut.toStdString());
        EXPECT_EQ(brokenRtfInvariant(cut), "");
    }

    const QByteArray found[] = {
        "{\\rtf1\\ansicpg932 Caf\\'e9 {x}}",              // the decoder answered a broken pair with U+001A
        "{\\rtf1{\\fonttbl{\\f0\\fswiss Ar\tial;}}\\f0 x}", // a tab inside a font name
        "{\\rtf1{\\fonttbl{\\f0 A\\u8232?B;}}\\f0 x}",    // a line separator inside a font name
        // a unit the fuzzer timed out on while the machine was overloaded; it reads at once
        QByteArray(
            "{\\rtf1\\ansif0\\uc1{\\fonttbl{\\f0\\fswiss\\f\225harset0 Arial;}{\\f1,fchafalt T};}"
            "}{\\colortab\\f1\\'cf\\c\341l;}{\\79\077\\u-8704\077\\par last\\par}f\077\377\377"
            "\377\377\377\377\000$10179\077\\u-8704\077\\par l\\fs1\\fchafalt T};}-{\\colortab\\f"
            "1et0 Arial;}{\\79\077\\u-8704\077\\par last\\par}f\077\377\377\377\377\377\377\000$1"
            "0179\077\\u-8704\077\\par lasf1\\fchafalt T};}}{\\colortab\\f1\\'cf\\cf\0771 red\\u-"
            "10179\077\\u-8704\077\\par last\\par}f\077\377\377\377\377\377\377\000$10179\077\\u-"
            "8704\077\\par last\\par}",
            368),
    };
    for (const QByteArray &data : found)
        EXPECT_EQ(brokenRtfInvariant(data), "") << data.toStdString();
}

// A small, repeatable share of what the fuzz target runs; see fuzz/ for the long run.
TEST(RtfHostileInput, RandomMutationsKeepTheInvariants)
{
    const QByteArray pieces[] = {"{", "}", "\\", "\\'", "\\'e9", "\\u-10179", "\\u-8704?", "\\uc0", "\\uc3",
                                 "\\bin5 ", "\\*", "\\fonttbl", "\\colortbl", ";", "\\f1", "\\fcharset128",
                                 "\\ansicpg932", "\\par", "\\line", "\\b0", "\\plain", "\\cf2", "\\fs7", " ",
                                 "\xe9", "\x82\xa0", "\\pict", "\\fldrslt", "-12", "99999999999"};
    QRandomGenerator random(20240917);
    for (int round = 0; round < 3000; ++round) {
        QByteArray data = Sample;
        const int edits = 1 + int(random.bounded(8));
        for (int e = 0; e < edits && !data.isEmpty(); ++e) {
            const qsizetype at = random.bounded(int(data.size()));
            switch (random.bounded(4)) {
            case 0:
                data.insert(at, pieces[random.bounded(int(std::size(pieces)))]);
                break;
            case 1:
                data[at] = char(random.bounded(256));
                break;
            case 2:
                data.remove(at, random.bounded(16));
                break;
            default:
                data.insert(at, data.mid(random.bounded(int(data.size())), random.bounded(32)));
            }
        }
        const std::string broken = brokenRtfInvariant(data);
        ASSERT_EQ(broken, "") << data.toStdString();
    }
}

} // namespace
