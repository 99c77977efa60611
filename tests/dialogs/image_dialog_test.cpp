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

TEST_F(ImageDialogTest, PickedPictureFillsNameSizeAndEstimate)
{
    start();
    const QString picture = writePicture("logo.gif", 120, 80);
    const qint64 size = QFileInfo(picture).size();
    QDialog *dialog = open();
    dialogs().answerFile(picture);
    click(dialog, "cmdImage");
    EXPECT_EQ(control<QLineEdit>(dialog, "txtSource")->text(), "logo.gif");
    EXPECT_EQ(control<QLineEdit>(dialog, "txtAltText")->text(), "logo.gif");
    EXPECT_EQ(control<QLineEdit>(dialog, "txtHeight")->text(), "80");
    EXPECT_EQ(control<QLineEdit>(dialog, "txtWidth")->text(), "120");
    EXPECT_FALSE(control<QLabel>(dialog, "Image1")->pixmap().isNull());
    EXPECT_EQ(caption(dialog, "lblDownloadTime"), QString::number(size / 2880.0, 'f', 2));
    pickItem(dialog, "cboModemSpeed", "56");
    EXPECT_EQ(caption(dialog, "lblDownloadTime"), QString::number(size / 5600.0, 'f', 2));

    pickItem(dialog, "cboAlignment", "LEFT");
    EXPECT_EQ(caption(dialog, "lblAlignment"), "LEFT");
    fill(dialog, "txtBorder", "0");
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(),
              R"(<IMAGE SRC="logo.gif" ALT="logo.gif" HEIGHT="80" WIDTH="120" BORDER="0" ALIGN="LEFT">)");
}

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
        const QSize shown = preview->pixmap().size();
        EXPECT_TRUE(shown.width() <= preview->minimumWidth() && shown.height() <= preview->minimumHeight())
            << name << " shown at " << shown.width() << "x" << shown.height();
        EXPECT_EQ(caption(dialog, "lblDownloadTime"), DownloadTimeText("28.8", QFileInfo(picture).size()));
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

TEST_F(ImageDialogTest, UnreadablePictureLeavesTheFieldsAsTheyWere)
{
    start();
    QDialog *dialog = open();
    fill(dialog, "txtSource", "kept.gif");
    dialogs().answerFile(writeFile("notes.gif", "not a picture"));
    click(dialog, "cmdImage");
    EXPECT_TRUE(onlyMessage().contains("notes.gif"));
    EXPECT_EQ(control<QLineEdit>(dialog, "txtSource")->text(), "kept.gif");
    EXPECT_EQ(control<QLineEdit>(dialog, "txtHeight")->text(), "");
    EXPECT_EQ(caption(dialog, "lblDownloadTime"), "");
}

TEST_F(ImageDialogTest, TagFollowsTheSelectionAndLowerCaseTakesTheWholeTag)
{
    start();
    frame().LowercaseTags = true;
    selectText("Hello");
    QDialog *dialog = open();
    fill(dialog, "txtSource", "Logo.GIF");
    fill(dialog, "txtHSpace", "4");
    fill(dialog, "txtVSpace", "2");
    pickItem(dialog, "cboAlignment", "ABSMIDDLE");
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(),
              R"(Hello<image src="logo.gif" alt="image" height="" width="" hspace="4" vspace="2" align="absmiddle">)");
}

} // namespace
