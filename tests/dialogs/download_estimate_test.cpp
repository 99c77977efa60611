#include "dialogs/download_estimate.h"
#include "dialogs/download_time_frame.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>
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
    for (const QString &speed : ModemSpeeds())
        EXPECT_EQ(DownloadTimeText(speed, 0), QStringLiteral("0.00")) << speed.toStdString();
    EXPECT_EQ(DownloadTimeText("28,8", 28800), std::nullopt);
    EXPECT_EQ(DownloadTimeText("", 28800), std::nullopt);
}

TEST(DownloadEstimateTest, FrameShowsNothingUntilAFileIsChosenThenFollowsSpeedAndFile)
{
    QWidget owner;
    DownloadTimeFrame frame(QStringLiteral("Approximate Download Time"),
                            {QStringLiteral("cboModemSpeed"), QStringLiteral("Label8"), QStringLiteral("Label9")}, &owner);
    auto *speed = frame.findChild<QComboBox *>("cboModemSpeed");
    auto *time = frame.findChild<QLabel *>("lblDownloadTime");
    ASSERT_TRUE(speed && time);
    EXPECT_EQ(speed->currentText(), "28.8");
    EXPECT_EQ(speed->count(), 5);
    EXPECT_EQ(time->text(), "");
    EXPECT_EQ(frame.findChild<QLabel *>("Label8")->text(), "Speed (kB):");
    EXPECT_EQ(frame.findChild<QLabel *>("Label9")->text(), "Time (Sec):");

    frame.setFileSize(28800);
    EXPECT_EQ(time->text(), "10.00");
    speed->setCurrentIndex(speed->findText("56"));
    emit speed->activated(speed->currentIndex());
    EXPECT_EQ(time->text(), "5.14");
    frame.setFileSize(5600);
    EXPECT_EQ(time->text(), "1.00");
}

} // namespace
