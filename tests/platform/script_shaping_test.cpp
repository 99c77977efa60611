#include "platform/script_shaping.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

TEST(ScriptShapingTest, OnlyTextWithLettersToJoinMarksToPlaceOrJoinersNeedsShaping)
{
    const struct
    {
        const char *text;
        bool plain;
    } cases[] = {
        {"", true},
        {"<p class=\"x\">Plain &amp; ASCII</p>", true},
        {"Caf\u00E9 \u2013 \u201Cna\u00EFve\u201D \u20AC5 \u00D7 \u2192 \u2260 \u0100\u0100\u0100\u0100\u0100", true},
        {"\u041F\u0440\u0438\u0432\u0435\u0442 \u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC", true},
        {"\u1EBF \u02FF\u0370", true},
        {"line\u2028break\u2029", true},
        // A combining mark, first within sixteen characters read at once, then in the tail.
        {"abcdefghijklmno\u0301", false},
        {"abcdefghijklmnopq\u0301", false},
        {"\u0300", false},
        {"\u0410\u0483", false},
        {"a\u200Db", false},
        {"\u0633\u0644\u0627\u0645", false},
        {"\u05E9\u05DC\u05D5\u05DD", false},
        {"\u0928\u092E\u0938\u094D\u0924\u0947", false},
        {"\u6F22\u5B57", false},
        {"\U0001F600", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DrawsWithoutShaping(QString::fromUtf8(c.text)), c.plain) << c.text;
}

} // namespace
