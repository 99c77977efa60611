#include "support/dialog_fixture.h"

#include "dialogs/download_estimate.h"

#include <QImageReader>
#include <QLabel>
#include <QLineEdit>

#include <tuple>

namespace {

class ImageDialogTest : public DialogTest
{
protected:
    QDialog *open() { return openFromMenu("mnuViewImage", "frmImage"); }
};

TEST_F(ImageDialogTest, CameraPhotosBannersAndWebPPicturesFillNameAndSizeAndFitThePreview)
{
    start();
    QDialog *dialog = open();
    for (const auto &[name, width, height, format] : {
             std::tuple{"camera.jpg", 8256, 5504, "JPEG"},
             std::tuple{"photo.webp", 300, 200, "WEBP"},
             std::tuple{"banner.png", 900, 20, "PNG"},
             std::tuple{"column.png", 20, 900, "PNG"},
         }) {
        const QString picture = writePicture(name, width, height, format);
        dialogs().answerFile(picture);
        click(dialog, "cmdImage");
        EXPECT_EQ(control<QLineEdit>(dialog, "txtSource")->text(), name);
        EXPECT_EQ(control<QLineEdit>(dialog, "txtWidth")->text(), QString::number(width));
        EXPECT_EQ(control<QLineEdit>(dialog, "txtHeight")->text(), QString::number(height));
        const QLabel *preview = control<QLabel>(dialog, "Image1");
        EXPECT_FALSE(preview->pixmap().isNull());
        // Too large in either direction, the picture is scaled down whole into the preview.
        const QSize scaled = preview->pixmap().size();
        EXPECT_TRUE(scaled.width() <= preview->minimumWidth() && scaled.height() <= preview->minimumHeight())
            << name << " shown at " << scaled.width() << "x" << scaled.height();
        EXPECT_EQ(shown(dialog, "lblDownloadTime"), DownloadTimeText("28.8", QFileInfo(picture).size()));
    }
    EXPECT_TRUE(messages().shown.isEmpty());
}

// A format that decodes the whole picture before scaling it down is let past Qt's limit.
TEST_F(ImageDialogTest, PictureOverQtsDecodingLimitIsReadAndTheLimitStays)
{
    start();
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1);
    QDialog *dialog = open();
    dialogs().answerFile(writePicture("wide.png", 1400, 700));
    click(dialog, "cmdImage");
    EXPECT_EQ(control<QLineEdit>(dialog, "txtWidth")->text(), "1400");
    EXPECT_FALSE(control<QLabel>(dialog, "Image1")->pixmap().isNull());
    EXPECT_EQ(QImageReader::allocationLimit(), 1);
    QImageReader::setAllocationLimit(limit);
}

} // namespace
