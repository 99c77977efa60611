#include "dialogs/download_time_frame.h"

#include "dialogs/download_estimate.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

DownloadTimeFrame::DownloadTimeFrame(const QString &caption, const Names &names, QWidget *parent)
    : QGroupBox(caption, parent)
{
    setObjectName(QStringLiteral("Frame1"));
    speed_ = new QComboBox(this);
    speed_->setObjectName(names.speedList);
    speed_->addItems(ModemSpeeds());
    speed_->setCurrentText(DefaultModemSpeed());
    time_ = new QLabel(this);
    time_->setObjectName(QStringLiteral("lblDownloadTime"));
    time_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    time_->setMinimumWidth(60);

    auto *speedCaption = new QLabel(QStringLiteral("Speed (kB):"), this);
    speedCaption->setObjectName(names.speedCaption);
    auto *timeCaption = new QLabel(QStringLiteral("Time (Sec):"), this);
    timeCaption->setObjectName(names.timeCaption);
    auto *layout = new QFormLayout(this);
    layout->addRow(speedCaption, speed_);
    layout->addRow(timeCaption, time_);

    connect(speed_, &QComboBox::activated, this, &DownloadTimeFrame::showEstimate);
}

void DownloadTimeFrame::setFileSize(qint64 bytes)
{
    fileSize_ = bytes;
    showEstimate();
}

void DownloadTimeFrame::showEstimate()
{
    if (const std::optional<QString> seconds = DownloadTimeText(speed_->currentText(), fileSize_))
        time_->setText(*seconds);
}
