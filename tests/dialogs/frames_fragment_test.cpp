#include "dialogs/frames_fragment.h"

#include <gtest/gtest.h>

namespace {

const QString Head = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">\r\n"
                     "<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n"
                     "<!-- This file must be named index.html and the other frame files linked to it -->\r\n";
const QString Tail = "</FRAMESET>\r\n<NOFRAMES>\r\n<!-- Put something here for non-frame browsers -->\r\n"
                     "</NOFRAMES>\r\n</HTML>";

FrameFields named(int style)
{
    FrameFields fields;
    fields.style = style;
    fields.split1 = "25";
    fields.split2 = "75";
    fields.split3 = "40";
    fields.split4 = "60";
    fields.names = {"top", "main", "side"};
    fields.sources = {"a.htm", "b.htm", "c.htm"};
    return fields;
}

TEST(FramesFragmentTest, DefaultFieldsGiveTwoEmptyColumns)
{
    EXPECT_EQ(BuildFrameFragment(FrameFields{}, false),
              Head + "<FRAMESET COLS=\"0%,100%\">\r\n"
                     "\t<FRAME NAME=\"\" SRC=\"\">\r\n"
                     "\t<FRAME NAME=\"\" SRC=\"\">\r\n" + Tail);
}

TEST(FramesFragmentTest, EachStyleSplitsAndIndentsItsFrames)
{
    const QString f1 = "<FRAME NAME=\"top\" SRC=\"a.htm\">\r\n";
    const QString f2 = "<FRAME NAME=\"main\" SRC=\"b.htm\">\r\n";
    const QString f3 = "<FRAME NAME=\"side\" SRC=\"c.htm\">\r\n";
    const struct
    {
        int style;
        QString body;
    } cases[] = {
        {1, "<FRAMESET COLS=\"25%,75%\">\r\n\t" + f1 + "\t" + f2},
        {2, "<FRAMESET ROWS=\"40%,60%\">\r\n\t" + f1 + "\t" + f2},
        {3, "<FRAMESET ROWS=\"25%,75%\">\r\n\t" + f1 + "\t\t<FRAMESET COLS=\"40%,60%\">\r\n\t\t\t" + f2 + "\t\t\t" + f3
                + "\t\t</FRAMESET>\r\n"},
        {4, "<FRAMESET COLS=\"25%,75%\">\r\n\t\t<FRAMESET ROWS=\"40%,60%\">\r\n\t\t\t" + f1 + "\t\t\t" + f2
                + "\t\t</FRAMESET>\r\n\t" + f3},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BuildFrameFragment(named(c.style), false), Head + c.body + Tail) << c.style;
}

TEST(FramesFragmentTest, FrameSetAttributesGoOnTheOuterSetOnly)
{
    FrameFields fields = named(3);
    fields.border = "NO";
    fields.frameSpacing = "0";
    fields.borderColor = "FF0000";
    const QString text = BuildFrameFragment(fields, false);
    EXPECT_TRUE(text.contains(
        "<FRAMESET ROWS=\"25%,75%\" FRAMESPACING=\"0\" BORDER=\"NONE\" FRAMEBORDER=\"0\" BORDERCOLOR=\"#FF0000\">\r\n"));
    EXPECT_TRUE(text.contains("\t\t<FRAMESET COLS=\"40%,60%\">\r\n"));
}

TEST(FramesFragmentTest, FrameAttributesOnEveryFrame)
{
    const struct
    {
        const char *marginWidth, *marginHeight, *scrolling, *resize, *attrs;
    } cases[] = {
        {"", "", "AUTO", "YES", ""},
        {"", "", "YES", "YES", " SCROLLING=\"YES\""},
        {"", "", "NO", "YES", " SCROLLING=\"NO\""},
        {"", "", "SOMETIMES", "YES", ""},
        {"", "", "AUTO", "NO", " NORESIZE"},
        {"5", "6", "NO", "NO", " MARGINWIDTH=\"5\" MARGINHEIGHT=\"6\" SCROLLING=\"NO\" NORESIZE"},
    };
    for (const auto &c : cases) {
        FrameFields fields = named(3);
        fields.marginWidth = c.marginWidth;
        fields.marginHeight = c.marginHeight;
        fields.scrolling = c.scrolling;
        fields.resize = c.resize;
        const QString text = BuildFrameFragment(fields, false);
        EXPECT_EQ(text.count(QStringLiteral(".htm\"%1>\r\n").arg(c.attrs)), 3) << c.attrs;
        EXPECT_TRUE(text.contains(QStringLiteral("<FRAME NAME=\"side\" SRC=\"c.htm\"%1>\r\n").arg(c.attrs))) << c.attrs;
    }
}

TEST(FramesFragmentTest, LowercaseLowersEverything)
{
    FrameFields fields = named(1);
    fields.sources = {"Index.HTM", "Main.HTM", ""};
    fields.border = "NO";
    EXPECT_EQ(BuildFrameFragment(fields, true),
              Head.toLower() + "<frameset cols=\"25%,75%\" border=\"none\" frameborder=\"0\">\r\n"
                               "\t<frame name=\"top\" src=\"index.htm\">\r\n"
                               "\t<frame name=\"main\" src=\"main.htm\">\r\n" + Tail.toLower());
}

}
