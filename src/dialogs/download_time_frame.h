#pragma once

#include <QGroupBox>

class QComboBox;
class QLabel;

// The download-time estimate of a dialog that chooses a file: a speed list and the
// seconds the last chosen file takes at that speed. Nothing is shown until a file is
// chosen; choosing a speed or a file recomputes it at once.
class DownloadTimeFrame : public QGroupBox
{
    Q_OBJECT

public:
    // Object names of the speed list and of the captions beside it and beside the time.
    struct Names
    {
        QString speedList;
        QString speedCaption;
        QString timeCaption;
    };

    DownloadTimeFrame(const QString &caption, const Names &names, QWidget *parent);

    // The length in bytes of the file just chosen (FileSize).
    void setFileSize(qint64 bytes);

private:
    void showEstimate();

    QComboBox *speed_ = nullptr;
    QLabel *time_ = nullptr;
    qint64 fileSize_ = 0;
};
