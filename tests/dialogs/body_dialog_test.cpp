#include "support/dialog_fixture.h"

#include <QLabel>

namespace {

class BodyDialogTest : public DialogTest
{
protected:
    QDialog *open() { return openFromMenu("mnuViewBody", "frmBody"); }
};

TEST_F(BodyDialogTest, WhiteBackgroundAndBlackTextAroundTheSelectionWithTheirPreview)
{
    start();
    selectText("Hello");
    QDialog *dialog = open();
    dialogs().answerColor(0xFFFFFF);
    click(dialog, "cmdBackcolor");
    dialogs().answerColor(0x0000FF);
    click(dialog, "cmdTextColor");
    // Choosing again replaces the code shown; a cancelled choice keeps it.
    dialogs().answerColor(0);
    click(dialog, "cmdTextColor");
    dialogs().cancel();
    click(dialog, "cmdTextColor");
    EXPECT_EQ(caption(dialog, "lblBackgroundHex"), "FFFFFF");
    EXPECT_EQ(caption(dialog, "lblTextHex"), "000000");
    for (const char *label : {"lblBackgroundHex", "lblTextHex", "lblLinkHex", "lblVisitedLinkHex", "lblClickedLinkHex"})
        EXPECT_EQ(control<QLabel>(dialog, label)->palette().color(QPalette::Window), QColor(Qt::white)) << label;
    for (const char *label : {"lblTextHex", "Label1", "lblImage", "lblBackgroundHex"})
        EXPECT_EQ(control<QLabel>(dialog, label)->palette().color(QPalette::WindowText), QColor(Qt::black)) << label;
    EXPECT_TRUE(results().PickedColorValue.isEmpty());

    moveFocusAwayFromEditor();
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(), R"(<BODY BGCOLOR="#FFFFFF" TEXT="#000000">Hello</BODY>)");
    EXPECT_TRUE(editorHasFocus());
}

TEST_F(BodyDialogTest, LinkColoursPaintTheirOwnLabelsAndComeInOrder)
{
    start();
    QDialog *dialog = open();
    dialogs().answerColor(0x0000FF);
    click(dialog, "cmdCLink");
    dialogs().answerColor(0x00FF00);
    click(dialog, "cmdVLink");
    dialogs().answerColor(0xFF0000);
    click(dialog, "cmdLinkColor");
    EXPECT_EQ(control<QLabel>(dialog, "Label2")->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(control<QLabel>(dialog, "Label3")->palette().color(QPalette::WindowText), QColor(Qt::green));
    EXPECT_EQ(control<QLabel>(dialog, "Label4")->palette().color(QPalette::WindowText), QColor(Qt::red));
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(), R"(<BODY LINK="#0000FF" VLINK="#00FF00" ALINK="#FF0000"></BODY>)");
}

TEST_F(BodyDialogTest, BackgroundImageInLowerCaseWithItsDownloadEstimate)
{
    start();
    frame().LowercaseTags = true;
    const QString picture = writePicture("Paper.PNG", 40, 30);
    const qint64 size = QFileInfo(picture).size();
    QDialog *dialog = open();
    dialogs().answerFile(picture);
    click(dialog, "cmdBackgroundImage");
    EXPECT_EQ(caption(dialog, "lblImage"), "Paper.PNG");
    EXPECT_FALSE(control<QLabel>(dialog, "Image1")->pixmap().isNull());
    EXPECT_EQ(caption(dialog, "lblDownloadTime"), QString::number(size / 2880.0, 'f', 2));
    pickItem(dialog, "cboModemSpeed", "9.6");
    EXPECT_EQ(caption(dialog, "lblDownloadTime"), QString::number(size / 960.0, 'f', 2));
    EXPECT_TRUE(results().PickedImagePath.isEmpty());

    dialogs().answerColor(0x00FFFF);
    click(dialog, "cmdBackcolor");
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(), R"(<body background="paper.png" bgcolor="#ffff00"></body>)");
}

TEST_F(BodyDialogTest, UnreadablePictureIsNamedAndChangesNothing)
{
    start();
    const QString picture = writePicture("first.png", 10, 10);
    QDialog *dialog = open();
    dialogs().answerFile(picture);
    click(dialog, "cmdBackgroundImage");
    const QString estimate = caption(dialog, "lblDownloadTime");

    dialogs().answerFile(writeFile("broken.gif", QByteArray(5000, 'x')));
    click(dialog, "cmdBackgroundImage");
    EXPECT_TRUE(onlyMessage().contains("broken.gif"));
    EXPECT_EQ(caption(dialog, "lblImage"), "first.png");
    EXPECT_EQ(caption(dialog, "lblDownloadTime"), estimate);

    dialogs().answerFile(tempPath("gone.gif"));
    click(dialog, "cmdBackgroundImage");
    EXPECT_EQ(messages().shown.size(), 2);
    EXPECT_EQ(caption(dialog, "lblImage"), "first.png");
    EXPECT_TRUE(results().PickedImagePath.isEmpty());
}

} // namespace
