#include "dialogs/download_estimate.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// The dialogs show estimates for 9.6, 28.8 and 56; the speeds in between are only reached
// here. Halves round up, as written in decimals.
TEST(DownloadEstimateTest, DividesTheFileSizeByTheBytesPerSecondOfTheSpeed)
{
    for (const auto &[speed, size, shown] :
         {std::tuple{"14.4", 1000, "0.69"}, {"33.6", 3360 * 1000, "1000.00"}, {"28.8", 216, "0.08"},
          {"28.8", 215, "0.07"}, {"9.6", 1, "0.00"}, {"9.6", 0, "0.00"}, {"56", 28, "0.01"}, {"56", 27, "0.00"},
          {"33.6", 6704, "2.00"}, {"33.6", 6703, "1.99"}})
        EXPECT_EQ(DownloadTimeText(speed, size), QLatin1String(shown)) << speed << " " << size;
    EXPECT_EQ(DownloadTimeText("9.6", 4'000'000'000'000'000'000), QStringLiteral("4166666666666666.67"));
    EXPECT_EQ(DownloadTimeText("", 28800), std::nullopt);
}

} // namespace
