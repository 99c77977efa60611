#include "dialogs/fragment_counts.h"
#include "dialogs/tables_fragment.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// Only plain digits are a count; a huge count stays huge instead of wrapping, and
// repetition stops at the limit.
TEST(FragmentCountsTest, OnlyPlainDigitsAreACountHugeCountsStayHugeAndRepetitionStopsAtTheLimit)
{
    for (const auto &[text, count] : {std::pair{"0", 0}, {"7", 7}, {"007", 7}, {"101", 101}})
        EXPECT_EQ(ReadCount(QString::fromUtf8(text)), count) << text;
    // The last is an Arabic-Indic three.
    for (const char *text : {"", " 3", "3 ", "+3", "-1", "1.5", "1,000", "abc", "3a", "\xd9\xa3"})
        EXPECT_EQ(ReadCount(QString::fromUtf8(text)), std::nullopt) << text;

    const std::optional<qint64> count = ReadCount(QStringLiteral("99999999999999999999999999999"));
    ASSERT_TRUE(count);
    EXPECT_GT(*count, qint64(MaxFragmentLength));
    EXPECT_FALSE(RepeatWithinLimit(QStringLiteral("x"), *count));

    EXPECT_EQ(RepeatWithinLimit(QStringLiteral("ab"), 3), QStringLiteral("ababab"));
    EXPECT_EQ(RepeatWithinLimit(QStringLiteral("ab"), 0), QString());
    EXPECT_EQ(RepeatWithinLimit(QStringLiteral("ab"), MaxFragmentLength / 2)->size(), MaxFragmentLength);
    EXPECT_FALSE(RepeatWithinLimit(QStringLiteral("ab"), MaxFragmentLength / 2 + 1));
}

// Counts too large for any number type, in either field, must not wrap into a small table.
TEST(TablesFragmentTest, TablesPastTheSizeLimitAreRefused)
{
    TableFields fields;
    for (const auto &[columns, rows] : {std::pair{"1000", "10000"}, {"1", "9999999999999999999999"},
                                        {"9999999999999999999999", "0"}}) {
        fields.numberColumns = columns;
        fields.numberRows = rows;
        EXPECT_FALSE(BuildTableFragment(fields, false)) << columns << " columns, " << rows << " rows";
    }

    // A table of just the limit's length still goes in, caption and all.
    fields.numberColumns = "1";
    fields.caption = "x";
    const qsizetype around = BuildTableFragment(fields, false)->size() - 1;
    fields.caption = QString(MaxFragmentLength - around, QLatin1Char('x'));
    EXPECT_EQ(BuildTableFragment(fields, false)->size(), MaxFragmentLength);
    fields.caption += QLatin1Char('x');
    EXPECT_FALSE(BuildTableFragment(fields, false));
}

}
