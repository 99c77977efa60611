#include "document/tag_scanner.h"

#include <QString>
#include <gtest/gtest.h>

namespace {

QStringList tagsOf(const QString &text)
{
    QStringList found;
    for (const TagRange &tag : FindTags(text))
        found << text.mid(tag.start, tag.length);
    return found;
}

TEST(TagScannerTest, EachOpeningBracketPairsWithTheFirstClosingOneAfterIt)
{
    EXPECT_EQ(tagsOf("a <b>bold</b> c"), QStringList({"<b>", "</b>"}));
    EXPECT_EQ(tagsOf("<!-- a <b> -->x"), QStringList({"<!-- a <b>"}));
    EXPECT_EQ(tagsOf("<a\nhref=\"x\">"), QStringList({"<a\nhref=\"x\">"}));
    EXPECT_EQ(tagsOf("<>"), QStringList({"<>"}));
    EXPECT_TRUE(tagsOf("").isEmpty());
    EXPECT_TRUE(tagsOf("no tags at all").isEmpty());
}

TEST(TagScannerTest, StrayClosingBracketsInTextAreNotTags)
{
    EXPECT_EQ(tagsOf("x > y <p>"), QStringList({"<p>"}));
    EXPECT_EQ(tagsOf("<i>a</i> >> b > c <u>d</u>"), QStringList({"<i>", "</i>", "<u>", "</u>"}));
    const QList<TagRange> ranges = FindTags(u"if a > b then <br> ok");
    ASSERT_EQ(ranges.size(), 1);
    EXPECT_EQ(ranges[0].start, 14);
    EXPECT_EQ(ranges[0].length, 4);
}

TEST(TagScannerTest, AnOpeningBracketWithoutAClosingOneEndsTheTags)
{
    EXPECT_EQ(tagsOf("<p>a < b and <i>c"), QStringList({"<p>", "< b and <i>"}));
    EXPECT_EQ(tagsOf("<p>a < b"), QStringList({"<p>"}));
    EXPECT_TRUE(tagsOf("<unfinished").isEmpty());
}

} // namespace
