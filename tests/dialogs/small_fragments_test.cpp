#include "dialogs/lists_fragment.h"
#include "dialogs/meta_name_fragment.h"
#include "dialogs/rules_fragment.h"
#include "dialogs/sound_fragment.h"

#include <gtest/gtest.h>

namespace {

TEST(ListsFragmentTest, ItemCountsAndTypes)
{
    const struct
    {
        const char *type, *number;
        bool lowercase;
        const char *expected;
    } cases[] = {
        {"BULLETED", "3", false, "<UL>\r\n<LI></LI>\r\n<LI></LI>\r\n<LI></LI>\r\n</UL>\r\n"},
        {"BULLETED", "", false, "<UL>\r\n</UL>\r\n"},
        {"BULLETED", "0", false, "<UL>\r\n</UL>\r\n"},
        {"NUMBERED", "1", false, "<OL>\r\n<LI></LI>\r\n</OL>\r\n"},
        {"NUMBERED", "2", true, "<ol>\r\n<li></li>\r\n<li></li>\r\n</ol>\r\n"},
        {"BULLETED", "1", true, "<ul>\r\n<li></li>\r\n</ul>\r\n"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BuildListFragment({c.type, c.number}, c.lowercase), QString(c.expected)) << c.type << c.number;
}

TEST(ListsFragmentTest, BadAndHugeCountsBuildNothing)
{
    for (const char *number : {"-1", "2.5", "two", " 2", "1000000", "99999999999999999999"})
        EXPECT_FALSE(BuildListFragment({"BULLETED", number}, false)) << number;
}

TEST(RulesFragmentTest, PlainAndGraphicRules)
{
    const struct
    {
        const char *path, *name, *width, *widthAs, *shadow, *height;
        bool lowercase;
        const char *expected;
    } cases[] = {
        {"", "", "75", "PERCENT", "YES", "", false, "<HR WIDTH=\"75%\">\r\n"},
        {"", "", "75", "PERCENT", "NO", "", false, "<HR WIDTH=\"75%\" NOSHADE>\r\n"},
        {"", "", "", "PERCENT", "YES", "", false, "<HR>\r\n"},
        {"", "", "300", "ABSOLUTE", "YES", "", false, "<HR WIDTH=\"300\">\r\n"},
        {"", "", "75", "PERCENT", "YES", "4", false, "<HR HEIGHT=\"4\" WIDTH=\"75%\">\r\n"},
        {"/art/Bar.GIF", "Bar.GIF", "50", "PERCENT", "NO", "8", false,
         "<IMG SRC=\"Bar.GIF\" HEIGHT=\"8\" WIDTH=\"50%\" NOSHADE>\r\n"},
        {"/art/Bar.GIF", "Bar.GIF", "50", "PERCENT", "YES", "", true, "<img src=\"bar.gif\" width=\"50%\">\r\n"},
        {"", "", "75", "PERCENT", "NO", "", true, "<hr width=\"75%\" noshade>\r\n"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BuildRuleFragment({c.path, c.name, c.width, c.widthAs, c.shadow, c.height}, c.lowercase),
                  QString(c.expected))
            << c.expected;
}

TEST(SoundFragmentTest, FourShapesAndLowercase)
{
    const struct
    {
        const char *file, *play, *browser;
        bool lowercase;
        const char *expected;
    } cases[] = {
        {"a.mid", "LOOP", "NETSCAPE", false, "<EMBED SRC=\"a.mid\" AUTOSTART=\"TRUE\" LOOP=\"TRUE\" HIDDEN=\"TRUE\">"},
        {"a.mid", "PLAY ONCE", "NETSCAPE", false, "<EMBED SRC=\"a.mid\" AUTOSTART=\"TRUE\" LOOP=\"FALSE\" HIDDEN=\"TRUE\">"},
        {"a.mid", "LOOP", "EXPLORER", false, "<BGSOUND SRC=\"a.mid\" LOOP=\"INFINITE\">"},
        {"a.mid", "PLAY ONCE", "EXPLORER", false, "<BGSOUND SRC=\"a.mid\" LOOP=\"1\">"},
        {"", "LOOP", "NETSCAPE", false, "<EMBED SRC=\"\" AUTOSTART=\"TRUE\" LOOP=\"TRUE\" HIDDEN=\"TRUE\">"},
        {"C:\\Sounds\\Tune.MID", "LOOP", "EXPLORER", true, "<bgsound src=\"c:\\sounds\\tune.mid\" loop=\"infinite\">"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BuildSoundFragment({c.file, c.play, c.browser}, c.lowercase), QString(c.expected)) << c.expected;
}

TEST(MetaFragmentTest, CommentThenOneLinePerFilledField)
{
    const QString comment = "<!-- This material must go after /TITLE and before /HEAD -->\r\n";
    EXPECT_EQ(BuildMetaFragment({}, false), comment);
    EXPECT_EQ(BuildMetaFragment({}, true), comment);
    EXPECT_EQ(BuildMetaFragment({"Ann Lee", "", "", "cats, Dogs"}, false),
              comment + "<META NAME=\"AUTHOR\" CONTENT=\"Ann Lee\">\r\n<META NAME=\"KEYWORDS\" CONTENT=\"cats, Dogs\">\r\n");
    EXPECT_EQ(BuildMetaFragment({"ANN", "Pets", "A \"good\" page", "K"}, true),
              comment + "<meta name=\"author\" content=\"ANN\">\r\n"
                        "<meta name=\"classification\" content=\"Pets\">\r\n"
                        "<meta name=\"description\" content=\"A \"good\" page\">\r\n"
                        "<meta name=\"keywords\" content=\"K\">\r\n");
}

}
