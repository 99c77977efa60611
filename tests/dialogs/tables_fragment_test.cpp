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
}

}
