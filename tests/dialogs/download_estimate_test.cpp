#include "dialogs/download_estimate.h"

#include <gtest/gtest.h>

namespace {

// The dialogs show estimates for 9.6, 28.8 and 56; the speeds in between are only reached here.
TEST(DownloadEstimateTest, DividesTheFileSizeByTheBytesPerSecondOfTheSpeed)
{
    EXPECT_EQ(ModemSpeeds(), QStringList({"9.6", "14.4", "28.8", "33.6", "56"}));
    EXPECT_EQ(DownloadTimeText("14.4", 1000), QStringLiteral("0.69"));
    EXPECT_EQ(DownloadTimeText("33.6", 3360 * 1000), QStringLiteral("1000.00"));
    EXPECT_EQ(DownloadTimeText("", 28800), std::nullopt);
}

} // namespace
