#include "dialogs/body_fragment.h"
#include "dialogs/character_set_fragment.h"
#include "dialogs/font_fragment.h"
#include "dialogs/image_fragment.h"
#include "dialogs/links_fragment.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

std::ostream &operator<<(std::ostream &out, const EnclosingTags &tags)
{
    return out << tags.opening.toStdString() << " | " << tags.closing.toStdString();
}

TEST(BodyFragmentTest, AttributesInFixedOrderAndOnlyThoseChosen)
{
    const struct
    {
        BodyFields fields;
        bool lowercase;
        EnclosingTags expected;
    } cases[] = {
        {{}, false, {"<BODY>", "</BODY>"}},
        {{}, true, {"<body>", "</body>"}},
        {{"", "FFFFFF", "000000", "", "", ""}, false, {R"(<BODY BGCOLOR="#FFFFFF" TEXT="#000000">)", "</BODY>"}},
        {{"Paper.GIF", "FFFFFF", "", "", "", ""}, true, {R"(<body background="paper.gif" bgcolor="#ffffff">)", "</body>"}},
        {{"b.gif", "111111", "222222", "333333", "444444", "555555"},
         false,
         {R"(<BODY BACKGROUND="b.gif" BGCOLOR="#111111" TEXT="#222222" LINK="#333333" VLINK="#444444" ALINK="#555555">)",
          "</BODY>"}},
        {{"", "", "", "", "", "00FF00"}, false, {R"(<BODY ALINK="#00FF00">)", "</BODY>"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BuildBodyFragment(c.fields, c.lowercase), c.expected);
}

TEST(LinksFragmentTest, PrefixTargetAndLinkText)
{
    const struct
    {
        LinksFields fields;
        bool lowercase;
        EnclosingTags expected;
    } cases[] = {
        {{"http://", "docs/page.htm", "none", "Home"}, false, {R"(<A HREF="http://docs/page.htm">Home)", "</A>"}},
        {{"http://", "docs/page.htm", "_blank", "Home"},
         false,
         {R"(<A HREF="http://docs/page.htm" TARGET="_blank">Home)", "</A>"}},
        {{"relative link", "Page.htm", "main", ""}, false, {R"(<A HREF="Page.htm" TARGET="main">)", "</A>"}},
        {{"mailto:", "Me@Example.ORG", "none", "Write Me"}, true, {R"(<a href="mailto:me@example.org">write me)", "</a>"}},
        {{"ftp://", "", "None", ""}, false, {R"(<A HREF="ftp://" TARGET="None">)", "</A>"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BuildLinksFragment(c.fields, c.lowercase), c.expected);
}

TEST(ImageFragmentTest, PlaceholdersAlwaysPresentAttributesAndOptionalSpacing)
{
    const struct
    {
        ImageFields fields;
        bool lowercase;
        const char *expected;
    } cases[] = {
        {{}, false, R"(<IMAGE SRC="Insert image here" ALT="Image" HEIGHT="" WIDTH="" ALIGN="DEFAULT">)"},
        {{}, true, R"(<image src="insert image here" alt="image" height="" width="" align="default">)"},
        {{"logo.gif", "logo.gif", "80", "120", "", "", "", "LEFT"},
         false,
         R"(<IMAGE SRC="logo.gif" ALT="logo.gif" HEIGHT="80" WIDTH="120" ALIGN="LEFT">)"},
        {{"a.gif", "A", "1", "2", "3", "4", "0", "ABSBOTTOM"},
         false,
         R"(<IMAGE SRC="a.gif" ALT="A" HEIGHT="1" WIDTH="2" HSPACE="3" VSPACE="4" BORDER="0" ALIGN="ABSBOTTOM">)"},
        {{"", "", "", "", "", "5", "", ""}, false,
         R"(<IMAGE SRC="Insert image here" ALT="Image" HEIGHT="" WIDTH="" VSPACE="5" ALIGN="DEFAULT">)"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BuildImageFragment(c.fields, c.lowercase), QLatin1String(c.expected));
}

TEST(FontFragmentTest, RelativeSizesAndChosenAttributes)
{
    EXPECT_EQ(BuildRelativeSizeFragment("+2", false), (EnclosingTags{R"(<FONT SIZE="+2">)", "</FONT>"}));
    EXPECT_EQ(BuildRelativeSizeFragment("-3", true), (EnclosingTags{R"(<font size="-3">)", "</font>"}));
    EXPECT_EQ(BuildFontFragment({}, false), (EnclosingTags{"<FONT>", "</FONT>"}));
    EXPECT_EQ(BuildFontFragment({"FF0000", "5", "Arial Black"}, false),
              (EnclosingTags{R"(<FONT COLOR="#FF0000" SIZE="5" FACE="Arial Black">)", "</FONT>"}));
    EXPECT_EQ(BuildFontFragment({"00FF00", "", "Arial"}, true),
              (EnclosingTags{R"(<font color="#00ff00" face="arial">)", "</font>"}));
    EXPECT_EQ(BuildFontFragment({"", "1", ""}, false), (EnclosingTags{R"(<FONT SIZE="1">)", "</FONT>"}));
}

TEST(CharacterSetFragmentTest, PaletteIsCompleteAndStylePairsFollowTheCase)
{
    EXPECT_EQ(CharacterButtons().size(), 26);
    QSet<QString> names, references;
    for (const CharacterButton &button : CharacterButtons()) {
        names.insert(button.name);
        references.insert(button.reference);
        EXPECT_TRUE(button.reference.startsWith("&#") && button.reference.endsWith(';'));
    }
    EXPECT_EQ(names.size(), 26);
    EXPECT_EQ(references.size(), 26);

    const struct
    {
        const char *tag, *upperOpen, *upperClose, *lowerOpen, *lowerClose;
    } pairs[] = {
        {"S", "<S>", "</S>", "<s>", "</s>"},
        {"U", "<U>", "</U>", "<u>", "</u>"},
        {"SUP", "<SUP>", "</SUP>", "<sup>", "</sup>"},
        {"SUB", "<SUB>", "</SUB>", "<sub>", "</sub>"},
    };
    for (const auto &p : pairs) {
        EXPECT_EQ(BuildStyleFragment(p.tag, false), (EnclosingTags{p.upperOpen, p.upperClose}));
        EXPECT_EQ(BuildStyleFragment(p.tag, true), (EnclosingTags{p.lowerOpen, p.lowerClose}));
    }
    EXPECT_EQ(StyleButtons().size(), 4);
}

} // namespace
