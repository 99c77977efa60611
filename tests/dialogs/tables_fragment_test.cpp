#include "dialogs/fragment_counts.h"
#include "dialogs/tables_fragment.h"

#include <gtest/gtest.h>

namespace {

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

    // A table of just the limit's length still goes in, caption and all.
    fields.numberColumns = "1";
    fields.caption = "x";
    const qsizetype around = BuildTableFragment(fields, false)->size() - 1;
    fields.caption = QString(MaxFragmentLength - around, QLatin1Char('x'));
    EXPECT_EQ(BuildTableFragment(fields, false)->size(), MaxFragmentLength);
    fields.caption += QLatin1Char('x');
    EXPECT_FALSE(BuildTableFragment(fields, false));
}

}
