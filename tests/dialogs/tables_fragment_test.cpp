#include "dialogs/tables_fragment.h"

#include <gtest/gtest.h>

namespace {

QString table(TableFields fields, bool lowercase = false)
{
    const std::optional<QString> text = BuildTableFragment(fields, lowercase);
    return text ? *text : QStringLiteral("<none>");
}

TEST(TablesFragmentTest, FontAndColoursOnCaptionAndEveryCellOfEveryRow)
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
}

// Counts too large for any number type, in either field, must not wrap into a small table.
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
