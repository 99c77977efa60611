#include "dialogs/fragment_counts.h"

#include <gtest/gtest.h>

namespace {

TEST(FragmentCountsTest, OnlyPlainDigitsAreACount)
{
    const struct
    {
        const char *text;
        std::optional<qint64> count;
    } cases[] = {
        {"0", 0}, {"7", 7}, {"007", 7}, {"101", 101},
        {"", std::nullopt}, {" 3", std::nullopt}, {"3 ", std::nullopt}, {"+3", std::nullopt},
        {"-1", std::nullopt}, {"1.5", std::nullopt}, {"1,000", std::nullopt}, {"abc", std::nullopt},
        {"3a", std::nullopt}, {"\xd9\xa3", std::nullopt} /* an Arabic-Indic three */,
    };
    for (const auto &c : cases)
        EXPECT_EQ(ReadCount(QString::fromUtf8(c.text)), c.count) << c.text;
}

TEST(FragmentCountsTest, HugeCountsStayHugeInsteadOfWrapping)
{
    const std::optional<qint64> count = ReadCount(QStringLiteral("99999999999999999999999999999"));
    ASSERT_TRUE(count);
    EXPECT_GT(*count, qint64(MaxFragmentLength));
    EXPECT_FALSE(RepeatWithinLimit(QStringLiteral("x"), *count));
}

TEST(FragmentCountsTest, RepetitionStopsAtTheLimit)
{
    EXPECT_EQ(RepeatWithinLimit(QStringLiteral("ab"), 3), QStringLiteral("ababab"));
    EXPECT_EQ(RepeatWithinLimit(QStringLiteral("ab"), 0), QString());
    EXPECT_EQ(RepeatWithinLimit(QStringLiteral("ab"), MaxFragmentLength / 2)->size(), MaxFragmentLength);
    EXPECT_FALSE(RepeatWithinLimit(QStringLiteral("ab"), MaxFragmentLength / 2 + 1));
}

}
