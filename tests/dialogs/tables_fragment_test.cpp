#include "dialogs/tables_fragment.h"

#include <gtest/gtest.h>

namespace {

QString table(TableFields fields, bool lowercase = false)
{
    const std::optional<QString> text = BuildTableFragment(fields, lowercase);
    return text ? *text : QStringLiteral("<none>");
}

TEST(TablesFragmentTest, TwoCentredCellsInOneRow)
{
    TableFields fields;
    fields.numberColumns = "2";
    fields.alignData = "CENTER";
    EXPECT_EQ(table(fields), "<TABLE WIDTH=\"100%\">\r\n"
                             "<TR>\r\n"
                             "<TD ALIGN=\"CENTER\"></TD>\r\n"
                             "<TD ALIGN=\"CENTER\"></TD>\r\n"
                             "</TR>\r\n"
                             "</TABLE>\r\n");
}

TEST(TablesFragmentTest, CountRepairs)
{
    const struct
    {
        const char *columns, *repairedColumns, *rows, *repairedRows;
    } cases[] = {
        {"", "1", "", "0"}, {"0", "1", "0", "0"}, {"00", "1", "3", "3"}, {"12", "12", "x", "x"}, {"-1", "-1", " ", " "},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(RepairColumnCount(c.columns), c.repairedColumns) << c.columns;
        EXPECT_EQ(RepairRowCount(c.rows), c.repairedRows) << c.rows;
    }
}

TEST(TablesFragmentTest, NoColumnsOrNoRowCount)
{
    TableFields fields;
    fields.numberColumns = "0";
    fields.numberRows = "";
    fields.caption = "Prices";
    EXPECT_EQ(table(fields), "<TABLE WIDTH=\"100%\">\r\n"
                             "<CAPTION ALIGN=\"TOP\">Prices</CAPTION>\r\n"
                             "</TABLE>\r\n");
    fields.numberRows = "1";
    EXPECT_EQ(table(fields), "<TABLE WIDTH=\"100%\">\r\n"
                             "<CAPTION ALIGN=\"TOP\">Prices</CAPTION>\r\n"
                             "<TR>\r\n<TD></TD>\r\n</TR>\r\n"
                             "</TABLE>\r\n");
}

TEST(TablesFragmentTest, EqualCellWidthsDivideAHundred)
{
    TableFields fields;
    fields.cellWidth = "EQUAL";
    fields.numberColumns = "3";
    fields.alignData = "LEFT";
    fields.verticalAlignCell = "TOP";
    EXPECT_TRUE(table(fields).contains("<TR>\r\n" + QStringLiteral("<TD ALIGN=\"LEFT\" WIDTH=\"33%\" VALIGN=\"TOP\"></TD>\r\n").repeated(3) + "</TR>\r\n"));
    fields.numberColumns = "150";
    EXPECT_EQ(table(fields).count("<TD ALIGN=\"LEFT\" WIDTH=\"0%\" VALIGN=\"TOP\"></TD>\r\n"), 150);
}

TEST(TablesFragmentTest, TableTagAttributesAndCentring)
{
    const struct
    {
        const char *alignment, *width, *widthAs, *border, *padding, *spacing, *expected;
    } cases[] = {
        {"CENTER", "100", "PERCENT", "", "", "", "<CENTER>\r\n<TABLE WIDTH=\"100%\">\r\n<TR>\r\n<TD></TD>\r\n</TR>\r\n</TABLE>\r\n</CENTER>\r\n"},
        {"LEFT", "80", "PERCENT", "2", "3", "4",
         "<TABLE BORDER=\"2\" WIDTH=\"80%\" CELLPADDING=\"3\" CELLSPACING=\"4\" ALIGN=\"LEFT\">\r\n<TR>\r\n<TD></TD>\r\n</TR>\r\n</TABLE>\r\n"},
        {"RIGHT", "400", "ABSOLUTE", "", "", "", "<TABLE WIDTH=\"400\" ALIGN=\"RIGHT\">\r\n<TR>\r\n<TD></TD>\r\n</TR>\r\n</TABLE>\r\n"},
        {"AUTO", "", "PERCENT", "0", "", "", "<TABLE BORDER=\"0\">\r\n<TR>\r\n<TD></TD>\r\n</TR>\r\n</TABLE>\r\n"},
    };
    for (const auto &c : cases) {
        TableFields fields;
        fields.tableAlignment = c.alignment;
        fields.tableWidth = c.width;
        fields.widthAs = c.widthAs;
        fields.borderWidth = c.border;
        fields.cellPadding = c.padding;
        fields.cellSpacing = c.spacing;
        EXPECT_EQ(table(fields), c.expected) << c.alignment;
    }
}

TEST(TablesFragmentTest, FontAndColoursOnCaptionAndEveryCell)
{
    TableFields fields;
    fields.caption = "Price List";
    fields.captionAlignment = "BOTTOM";
    fields.numberColumns = "2";
    fields.numberRows = "2";
    fields.fontColor = "FF8000";
    fields.fontSize = "3";
    fields.fontName = "Times New Roman";
    fields.tableColor = "00FF00";
    const QString font = "<FONT COLOR=\"#FF8000\" SIZE=\"3\" FACE=\"Times New Roman\">";
    const QString row = "<TR BGCOLOR=\"#00FF00\">\r\n" + ("<TD>" + font + "</FONT></TD>\r\n").repeated(2) + "</TR>\r\n";
    EXPECT_EQ(table(fields), "<TABLE WIDTH=\"100%\">\r\n"
                             "<CAPTION ALIGN=\"BOTTOM\">" + font + "Price List</FONT></CAPTION>\r\n"
                             + row + row + "</TABLE>\r\n");

    const QString lowerFont = "<font color=\"#ff8000\" size=\"3\" face=\"times new roman\">";
    const QString lowerRow = "<tr bgcolor=\"#00ff00\">\r\n" + ("<td>" + lowerFont + "</font></td>\r\n").repeated(2) + "</tr>\r\n";
    EXPECT_EQ(table(fields, true), "<table width=\"100%\">\r\n"
                                   "<caption align=\"bottom\">" + lowerFont + "Price List</font></caption>\r\n"
                                   + lowerRow + lowerRow + "</table>\r\n");
}

TEST(TablesFragmentTest, CountsThatAreNotWholeNumbersBuildNothing)
{
    for (const char *bad : {"abc", "-2", "2.5", " 2", "+1"}) {
        TableFields fields;
        fields.numberColumns = bad;
        EXPECT_FALSE(BuildTableFragment(fields, false)) << bad;
        fields.numberColumns = "1";
        fields.numberRows = bad;
        EXPECT_FALSE(BuildTableFragment(fields, false)) << bad;
    }
}

TEST(TablesFragmentTest, TablesPastTheSizeLimitAreRefused)
{
    TableFields fields;
    fields.numberColumns = "1000";
    fields.numberRows = "10000";
    EXPECT_FALSE(BuildTableFragment(fields, false));
    fields.numberColumns = "1";
    fields.numberRows = "9999999999999999999999";
    EXPECT_FALSE(BuildTableFragment(fields, false));
    fields.numberColumns = "9999999999999999999999";
    fields.numberRows = "0";
    EXPECT_FALSE(BuildTableFragment(fields, false));
}

}
