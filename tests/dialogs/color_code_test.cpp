#include "dialogs/color_code.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorCodeTest, ReadsRedGreenBlueFromTheColourNumber)
{
    const struct
    {
        std::uint32_t value;
        const char *code;
    } cases[] = {
        {8421504, "808080"},  {65280, "00FF00"},    {0, "000000"},   {16777215, "FFFFFF"},
        {255, "FF0000"},      {16711680, "0000FF"}, {33023, "FF8000"}, {0x010203, "030201"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ColorCodeFromValue(c.value), QLatin1String(c.code)) << c.value;
}

} // namespace
