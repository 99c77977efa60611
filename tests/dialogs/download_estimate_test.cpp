#include "dialogs/download_estimate.h"

#include <gtest/gtest.h>

namespace {

TEST(DownloadEstimateTest, DividesTheFileSizeByTheBytesPerSecondOfTheSpeed)
{
    EXPECT_EQ(ModemSpeeds(), QStringList({"9.6", "14.4", "28.8", "33.6", "56"}));
    EXPECT_EQ(DownloadTimeText("28.8", 28800), QStringLiteral("10.00"));
    EXPECT_EQ(DownloadTimeText("56", 28800), QStringLiteral("5.14"));
    EXPECT_EQ(DownloadTimeText("9.6", 28800), QStringLiteral("30.00"));
    EXPECT_EQ(DownloadTimeText("14.4", 1000), QStringLiteral("0.69"));
    EXPECT_EQ(DownloadTimeText("33.6", 3360 * 1000), QStringLiteral("1000.00"));
    EXPECT_EQ(DownloadTimeText("28,8", 28800), std::nullopt);
    EXPECT_EQ(DownloadTimeText("", 28800), std::nullopt);
}

} // namespace
