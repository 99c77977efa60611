#include "support/dialog_fixture.h"

#include <QLabel>

namespace {

class TablesDialogTest : public DialogTest
{
protected:
    QDialog *dialog = nullptr;

    void openTables()
    {
        start();
        dialog = openFromMenu("mnuViewTables", "frmTables");
    }
};

TEST_F(TablesDialogTest, TwoCentredCellsFollowTheSelection)
{
    openTables();
    selectText("Prices");
    fill(dialog, "txtNumberColumns", "2");
    pickItem(dialog, "cboAlignData", "CENTER");
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(), "Prices<TABLE WIDTH=\"100%\">\n<TR>\n"
                              "<TD ALIGN=\"CENTER\"></TD>\n<TD ALIGN=\"CENTER\"></TD>\n"
                              "</TR>\n</TABLE>\n");
    EXPECT_FALSE(isOpen("frmTables"));
}

TEST_F(TablesDialogTest, EmptyOrZeroColumnsMakeOneAndEmptyRowsMakeNone)
{
    for (const char *columns : {"", "0"}) {
        openTables();
        fill(dialog, "txtNumberColumns", columns);
        click(dialog, "cmdOK");
        EXPECT_EQ(editorText(), "<TABLE WIDTH=\"100%\">\n<TR>\n<TD></TD>\n</TR>\n</TABLE>\n") << columns;
    }
    openTables();
    fill(dialog, "txtTableCaption", "Empty");
    fill(dialog, "txtNumberRows", "");
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(), "<TABLE WIDTH=\"100%\">\n<CAPTION ALIGN=\"TOP\">Empty</CAPTION>\n</TABLE>\n");
}

TEST_F(TablesDialogTest, MoreThanAHundredColumnsOrRowsAskFirst)
{
    openTables();
    fill(dialog, "txtNumberColumns", "100");
    fill(dialog, "txtNumberRows", "100");
    click(dialog, "cmdOK");
    EXPECT_TRUE(messages().shown.isEmpty());
    EXPECT_EQ(editorText().count("<TD></TD>"), 100 * 100);

    for (const char *field : {"txtNumberColumns", "txtNumberRows"}) {
        const QString unit = QString(field) == "txtNumberColumns" ? "columns" : "rows";
        openTables();
        fill(dialog, field, "101");
        messages().queue({MsgAnswer::Cancel});
        click(dialog, "cmdOK");
        EXPECT_EQ(onlyMessage(), "Do you really want 101 " + unit + "?");
        EXPECT_TRUE(isOpen("frmTables"));
        EXPECT_EQ(fieldText(dialog, field), "1");
        EXPECT_EQ(editorText(), "");

        fill(dialog, field, "101");
        messages().queue({MsgAnswer::Ok});
        click(dialog, "cmdOK");
        EXPECT_FALSE(isOpen("frmTables"));
        EXPECT_EQ(editorText().count("<TD></TD>"), 101);
    }
}

TEST_F(TablesDialogTest, EqualWidthsAndConfirmedWideTable)
{
    openTables();
    fill(dialog, "txtNumberColumns", "3");
    pickItem(dialog, "cboCellWidth", "EQUAL");
    pickItem(dialog, "cboAlignData", "LEFT");
    pickItem(dialog, "cboVerticalAlignCell", "TOP");
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText().count("<TD ALIGN=\"LEFT\" WIDTH=\"33%\" VALIGN=\"TOP\"></TD>\n"), 3);

    openTables();
    fill(dialog, "txtNumberColumns", "150");
    pickItem(dialog, "cboCellWidth", "EQUAL");
    messages().queue({MsgAnswer::Ok});
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText().count("<TD WIDTH=\"0%\"></TD>\n"), 150);
}

TEST_F(TablesDialogTest, TableAlignmentAndWidth)
{
    const struct
    {
        const char *alignment, *width, *widthAs, *border, *padding, *spacing, *expected;
    } cases[] = {
        {"CENTER", "100", "PERCENT", "", "", "",
         "<CENTER>\n<TABLE WIDTH=\"100%\">\n<TR>\n<TD></TD>\n</TR>\n</TABLE>\n</CENTER>\n"},
        {"LEFT", "80", "PERCENT", "2", "3", "4",
         "<TABLE BORDER=\"2\" WIDTH=\"80%\" CELLPADDING=\"3\" CELLSPACING=\"4\" ALIGN=\"LEFT\">\n<TR>\n<TD></TD>\n</TR>\n</TABLE>\n"},
        {"AUTO", "640", "ABSOLUTE", "", "", "", "<TABLE WIDTH=\"640\">\n<TR>\n<TD></TD>\n</TR>\n</TABLE>\n"},
        {"AUTO", "", "PERCENT", "0", "", "", "<TABLE BORDER=\"0\">\n<TR>\n<TD></TD>\n</TR>\n</TABLE>\n"},
    };
    for (const auto &c : cases) {
        openTables();
        pickItem(dialog, "cboTableAlignment", c.alignment);
        fill(dialog, "txtTableWidth", c.width);
        pickItem(dialog, "cboWidth", c.widthAs);
        fill(dialog, "txtBorderWidth", c.border);
        fill(dialog, "txtCellPadding", c.padding);
        fill(dialog, "txtCellSpacing", c.spacing);
        click(dialog, "cmdOK");
        EXPECT_EQ(editorText(), c.expected) << c.alignment << c.width;
    }
}

TEST_F(TablesDialogTest, FontOnCaptionAndCellsInLowerCase)
{
    store("TagCase", "TagCase", "True");
    openTables();
    ScriptedDialogs::Answer font;
    font.fontName = "Times New Roman";
    dialogs().answers.enqueue(font);
    click(dialog, "cmdFont");
    EXPECT_EQ(caption(dialog, "lblFont"), "Times New Roman");
    EXPECT_EQ(control<QLabel>(dialog, "lblFont")->font().family(), "Times New Roman");
    dialogs().answerColor(0x0080FF);
    click(dialog, "cmdFontColor");
    EXPECT_EQ(caption(dialog, "lblFontColor"), "FF8000");
    dialogs().answerColor(0xFF0000);
    click(dialog, "cmdTableColor");
    EXPECT_EQ(caption(dialog, "lblTableColor"), "0000FF");
    EXPECT_EQ(control<QLabel>(dialog, "lblFont")->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(control<QLabel>(dialog, "lblFont")->palette().color(QPalette::WindowText), QColor(255, 128, 0));
    dialogs().cancel();
    click(dialog, "cmdTableColor");
    EXPECT_EQ(caption(dialog, "lblTableColor"), "0000FF");

    fill(dialog, "txtTableCaption", "Price List");
    pickItem(dialog, "cboFontSize", "3");
    fill(dialog, "txtNumberColumns", "2");
    click(dialog, "cmdOK");
    const QString font3 = "<font color=\"#ff8000\" size=\"3\" face=\"times new roman\">";
    EXPECT_EQ(editorText(), "<table width=\"100%\">\n"
                              "<caption align=\"top\">" + font3 + "Price List</font></caption>\n"
                              "<tr bgcolor=\"#0000ff\">\n<td>" + font3 + "</font></td>\n<td>" + font3
                                  + "</font></td>\n</tr>\n</table>\n");
}

TEST_F(TablesDialogTest, CountsThatAreNotWholeNumbersAreSentBack)
{
    const struct
    {
        const char *field, *text, *name;
    } cases[] = {
        {"txtNumberColumns", "abc", "Columns"}, {"txtNumberColumns", "-2", "Columns"},
        {"txtNumberRows", "2.5", "Rows"}, {"txtNumberRows", " 2", "Rows"}, {"txtNumberRows", "+1", "Rows"},
    };
    for (const auto &c : cases) {
        openTables();
        fill(dialog, c.field, c.text);
        click(dialog, "cmdOK");
        EXPECT_EQ(onlyMessage(), QString("Number of %1 must be a whole number of 0 or more.").arg(c.name)) << c.text;
        EXPECT_TRUE(isOpen("frmTables"));
        EXPECT_EQ(fieldText(dialog, c.field), c.text);
        EXPECT_EQ(editorText(), "");
    }
}

TEST_F(TablesDialogTest, HugeTablesAreRefusedEvenWhenConfirmed)
{
    openTables();
    fill(dialog, "txtNumberColumns", "5000");
    fill(dialog, "txtNumberRows", "99999999999999999999");
    messages().queue({MsgAnswer::Ok, MsgAnswer::Ok});
    click(dialog, "cmdOK");
    ASSERT_EQ(messages().shown.size(), 3);
    EXPECT_EQ(messages().shown[2].text,
              "This table would be too large to insert: it would hold more than 1,000,000 characters.");
    EXPECT_TRUE(isOpen("frmTables"));
    EXPECT_EQ(editorText(), "");
}

}
