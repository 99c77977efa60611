#include "support/dialog_fixture.h"

#include <QTextDocument>
#include <QTextEdit>

namespace {

class ListsDialogTest : public DialogTest
{
protected:
    QDialog *dialog = nullptr;
};

TEST_F(ListsDialogTest, ItemCountsAndTypes)
{
    const struct
    {
        const char *menuItem, *type, *number;
        bool lowercase;
        const char *expected;
    } cases[] = {
        {"mnuInsertList", "BULLETED", "3", false, "<UL>\n<LI></LI>\n<LI></LI>\n<LI></LI>\n</UL>\n"},
        {"mnuViewLists", "BULLETED", "", false, "<UL>\n</UL>\n"},
        {"mnuInsertList", "BULLETED", "0", false, "<UL>\n</UL>\n"},
        {"mnuViewLists", "NUMBERED", "2", false, "<OL>\n<LI></LI>\n<LI></LI>\n</OL>\n"},
        {"mnuInsertList", "NUMBERED", "1", true, "<ol>\n<li></li>\n</ol>\n"},
    };
    for (const auto &c : cases) {
        store("TagCase", "TagCase", c.lowercase ? "True" : "False");
        start();
        dialog = openFromMenu(c.menuItem, "frmLists");
        EXPECT_EQ(fieldText(dialog, "cboListType"), "BULLETED");
        EXPECT_EQ(fieldText(dialog, "txtNumber"), "1");
        pickItem(dialog, "cboListType", c.type);
        fill(dialog, "txtNumber", c.number);
        click(dialog, "cmdOK");
        EXPECT_EQ(editorText(), c.expected) << c.type << c.number;
        EXPECT_FALSE(isOpen("frmLists"));
    }
}

TEST_F(ListsDialogTest, BadAndHugeCountsAreSentBack)
{
    const struct
    {
        const char *number, *message;
    } cases[] = {
        {"three", "Number of Items must be a whole number of 0 or more."},
        {"-1", "Number of Items must be a whole number of 0 or more."},
        {"1.5", "Number of Items must be a whole number of 0 or more."},
        {"100000", "This list would be too large to insert: it would hold more than 1,000,000 characters."},
        {"99999999999999999999", "This list would be too large to insert: it would hold more than 1,000,000 characters."},
    };
    for (const auto &c : cases) {
        start();
        selectText("Keep");
        dialog = openFromMenu("mnuInsertList", "frmLists");
        fill(dialog, "txtNumber", c.number);
        click(dialog, "cmdOK");
        EXPECT_EQ(onlyMessage(), c.message);
        EXPECT_TRUE(isOpen("frmLists"));
        EXPECT_EQ(fieldText(dialog, "txtNumber"), c.number);
        EXPECT_EQ(editorText(), "Keep");
    }
}

TEST_F(ListsDialogTest, AListTallerThanQtLaysOutAsOnePageStillGoesIn)
{
    // In a large font a few thousand items pass the 8,388,607 pixels of Qt's one page, the
    // height where laying out once never ended.
    store("Font", "FontSize", "200");
    start();
    dialog = openFromMenu("mnuViewLists", "frmLists");
    fill(dialog, "txtNumber", "12000");
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(), "<UL>\n" + QString("<LI></LI>\n").repeated(12000) + "</UL>\n");
    EXPECT_GT(activeEditor()->document()->size().height(), 8'388'607);
}

} // namespace
