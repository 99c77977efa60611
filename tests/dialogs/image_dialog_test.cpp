#include "support/dialog_fixture.h"

#include <QLabel>
#include <QLineEdit>

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

TEST_F(ImageDialogTest, UnreadablePictureLeavesTheFieldsAsTheyWere)
{
    start();
    QDialog *dialog = open();
    fill(dialog, "txtSource", "kept.gif");
    dialogs().answerFile(writeFile("notes.gif", "not a picture"));
    click(dialog, "cmdImage");
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_TRUE(messages().shown[0].text.contains("notes.gif"));
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
