#include "support/program_fixture.h"

#include "document/notepad_window.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"

#include <QAction>
#include <QTextCursor>
#include <QTextDocument>

namespace {

class TagCaseTest : public ProgramTest
{
protected:
    void setText(const QString &text)
    {
        editor().SetText(text);
        editor().SetSelStart(int(text.size()));
        activeDocument()->state().Changed = false;
    }
};

TEST_F(TagCaseTest, UseLowercaseTagsTogglesStoresAndChangesWhatIsInserted)
{
    start();
    choose("mnuOptionsUseLowercaseTags");
    EXPECT_TRUE(frame().LowercaseTags);
    EXPECT_TRUE(menuItem("mnuOptionsUseLowercaseTags")->isChecked());
    EXPECT_EQ(stored("TagCase", "TagCase"), "True");
    choose("mnuInsertBold");
    EXPECT_EQ(editor().Text(), "<b></b>");

    // The flag is the program's; a second window shows the stored choice, and a change
    // there leaves the first window's mark as it was.
    frmNotePad *first = activeDocument();
    choose("mnuFileNew");
    EXPECT_TRUE(menuItem("mnuOptionsUseLowercaseTags")->isChecked());
    choose("mnuOptionsUseLowercaseTags");
    EXPECT_FALSE(frame().LowercaseTags);
    EXPECT_EQ(stored("TagCase", "TagCase"), "False");
    EXPECT_TRUE(first->action("mnuOptionsUseLowercaseTags")->isChecked());
    choose("mnuInsertBold");
    EXPECT_EQ(editor().Text(), "<B></B>");
}

TEST_F(TagCaseTest, PassesChangeWhatABrowserReadsAsTagsAndCommentsAndLeaveTextAndCodeAlone)
{
    const struct
    {
        const char *item, *text, *expected;
    } cases[] = {
        {"mnuOptionsTagsLowercase",
         "<A HREF=\"Docs/Page.HTM\">Read THIS</A>\n<!-- Keep IN Sync -->\n<IMG SRC=Logo.GIF ALT='Tagsmith'>",
         "<a href=\"docs/page.htm\">Read THIS</a>\n<!-- keep in sync -->\n<img src=logo.gif alt='tagsmith'>"},
        // Text without tags stays as it is and still counts as changed.
        {"mnuOptionsTagsLowercase", "Nothing To Convert > here", "Nothing To Convert > here"},
        {"mnuOptionsTagsUppercase", "if x > y <p>then</p> say <!-- so --> & a < b",
         "if x > y <P>then</P> say <!-- SO --> & a < b"},
        {"mnuOptionsTagsUppercase", "<table\nborder=1 class=\"wide\">cell", "<TABLE\nBORDER=1 CLASS=\"WIDE\">cell"},
    };
    start();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        setText(c.text);
        const int blocks = editor().document()->blockCount();
        choose(c.item);
        EXPECT_EQ(editor().Text(), c.expected);
        EXPECT_EQ(editor().document()->blockCount(), blocks);
        EXPECT_EQ(editor().SelStart(), 0);
        EXPECT_EQ(editor().SelLength(), 0);
        EXPECT_TRUE(activeDocument()->state().Changed);
    }
    EXPECT_FALSE(frame().LowercaseTags);
}

TEST_F(TagCaseTest, APassIsOneUndoStepAndKeepsTheTagColour)
{
    start();
    setText("<p>one</p>\n<p>two</p>\n<br><hr>");
    // A coloured tag, and a word coloured between two plain tags.
    const auto colour = [&](int from, int to, const QColor &colour) {
        QTextCharFormat format;
        format.setForeground(colour);
        QTextCursor range(editor().document());
        range.setPosition(from);
        range.setPosition(to, QTextCursor::KeepAnchor);
        range.mergeCharFormat(format);
    };
    colour(0, 3, Qt::red);
    colour(14, 17, Qt::green);

    choose("mnuOptionsTagsUppercase");
    ASSERT_EQ(editor().Text(), "<P>one</P>\n<P>two</P>\n<BR><HR>");
    EXPECT_EQ(colorAt(activeDocument(), 1), QColor(Qt::red));
    EXPECT_NE(colorAt(activeDocument(), 3), QColor(Qt::red));
    for (const int at : {13, 14, 15, 16, 17})
        EXPECT_EQ(colorAt(activeDocument(), at) == QColor(Qt::green), at >= 14 && at < 17) << at;

    choose("mnuEditUndoLast");
    EXPECT_EQ(editor().Text(), "<p>one</p>\n<p>two</p>\n<br><hr>");
}

} // namespace
