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

// Distinct names and both splits show each frame lands in its own place in every layout.
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

}
