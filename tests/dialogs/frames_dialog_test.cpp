#include "support/dialog_fixture.h"

#include "dialogs/frame_style_picture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include <cstdlib>

namespace {

const QString Head = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">\n<HTML>\n<HEAD>\n<TITLE></TITLE>\n</HEAD>\n"
                     "<!-- This file must be named index.html and the other frame files linked to it -->\n";
const QString Tail = "</FRAMESET>\n<NOFRAMES>\n<!-- Put something here for non-frame browsers -->\n</NOFRAMES>\n</HTML>";
const QString Empty = "<FRAME NAME=\"\" SRC=\"\">\n";

class FramesDialogTest : public DialogTest
{
protected:
    QDialog *dialog = nullptr;

    void openFrames()
    {
        start();
        dialog = openFromMenu("mnuViewFrames", "frmFrames");
    }

    // Which of the controls that follow the style are enabled, in the order: first
    // slider and its labels, second slider and its labels, frames 1 and 2, frame 3.
    QList<bool> enabledGroups()
    {
        const auto all = [this](const QStringList &names) {
            bool first = control<QWidget>(dialog, names[0])->isEnabled();
            for (const QString &name : names)
                EXPECT_EQ(control<QWidget>(dialog, name)->isEnabled(), first) << name.toStdString();
            return first;
        };
        return {all({"Slider1", "Label1", "Label2", "Label5", "Label6"}),
                all({"Slider2", "Label3", "Label4", "Label7", "Label8"}),
                all({"txtFrameOneName", "txtFrameOneSource", "cmdFrameOneSource", "Label9", "txtFrameTwoName",
                     "txtFrameTwoSource", "cmdFrameTwoSource", "Label10"}),
                all({"txtFrameThreeName", "txtFrameThreeSource", "cmdFrameThreeSource", "Label11"})};
    }
};

TEST_F(FramesDialogTest, LoadsInTheFirstStyleAndInsertsTwoEmptyColumns)
{
    openFrames();
    EXPECT_TRUE(control<QRadioButton>(dialog, "Option1")->isChecked());
    EXPECT_EQ(enabledGroups(), QList<bool>({true, false, true, false}));
    // The picture drawn above each option chooses that option.
    for (const char *name : {"Option4", "Option3", "Option2", "Option1"}) {
        auto *option = control<QRadioButton>(dialog, name);
        const int middle = option->mapTo(dialog, option->rect().center()).x();
        for (auto *picture : dialog->findChildren<FrameStylePicture *>())
            if (std::abs(picture->mapTo(dialog, picture->rect().center()).x() - middle) < option->width() / 2)
                QTest::mouseClick(picture, Qt::LeftButton);
        EXPECT_TRUE(option->isChecked()) << name;
    }
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(), Head + "<FRAMESET COLS=\"0%,100%\">\n\t" + Empty + "\t" + Empty + Tail);
    EXPECT_FALSE(isOpen("frmFrames"));
}

TEST_F(FramesDialogTest, EachStyleEnablesItsControlsAndWritesItsLayout)
{
    const struct
    {
        const char *option;
        QList<bool> enabled;
        QString body;
    } cases[] = {
        {"Option1", {true, false, true, false}, "<FRAMESET COLS=\"25%,75%\">\n\t" + Empty + "\t" + Empty},
        {"Option2", {false, true, true, false}, "<FRAMESET ROWS=\"40%,60%\">\n\t" + Empty + "\t" + Empty},
        {"Option3", {true, true, true, true},
         "<FRAMESET ROWS=\"25%,75%\">\n\t" + Empty + "\t\t<FRAMESET COLS=\"40%,60%\">\n\t\t\t" + Empty + "\t\t\t" + Empty
             + "\t\t</FRAMESET>\n"},
        {"Option4", {true, true, true, true},
         "<FRAMESET COLS=\"25%,75%\">\n\t\t<FRAMESET ROWS=\"40%,60%\">\n\t\t\t" + Empty + "\t\t\t" + Empty
             + "\t\t</FRAMESET>\n\t" + Empty},
    };
    for (const auto &c : cases) {
        openFrames();
        click(dialog, c.option);
        if (c.enabled[0])
            slide(dialog, "Slider1", 25);
        if (c.enabled[1])
            slide(dialog, "Slider2", 40);
        EXPECT_EQ(caption(dialog, "Label1") + caption(dialog, "Label2"), c.enabled[0] ? "2575" : "0100");
        EXPECT_EQ(caption(dialog, "Label3") + caption(dialog, "Label4"), c.enabled[1] ? "4060" : "0100");
        for (const char *other : {"Option1", "Option2", "Option3", "Option4"})
            EXPECT_EQ(control<QRadioButton>(dialog, other)->isChecked(), QString(other) == c.option);
        EXPECT_EQ(enabledGroups(), c.enabled) << c.option;
        click(dialog, "cmdOK");
        EXPECT_EQ(editorText(), Head + c.body + Tail) << c.option;
    }
}

TEST_F(FramesDialogTest, NoBorderForcesSpacingAndDropsTheColour)
{
    openFrames();
    dialogs().answerColor(0x0000FF);
    click(dialog, "cmdBorderColor");
    EXPECT_EQ(fieldText(dialog, "txtBorderColor"), "FF0000");
    pickItem(dialog, "cboBorder", "NO");
    EXPECT_EQ(fieldText(dialog, "txtBorderColor"), "");
    EXPECT_EQ(fieldText(dialog, "txtFrameSpacing"), "0");
    for (const char *name : {"txtBorderColor", "txtFrameSpacing", "cmdBorderColor"})
        EXPECT_FALSE(control<QWidget>(dialog, name)->isEnabled()) << name;
    click(dialog, "Option3");
    click(dialog, "cmdOK");
    EXPECT_TRUE(editorText().contains(
        "<FRAMESET ROWS=\"0%,100%\" FRAMESPACING=\"0\" BORDER=\"NONE\" FRAMEBORDER=\"0\">\n\t"));
    EXPECT_TRUE(editorText().contains("\t\t<FRAMESET COLS=\"0%,100%\">\n"));

    openFrames();
    pickItem(dialog, "cboBorder", "NO");
    pickItem(dialog, "cboBorder", "YES");
    for (const char *name : {"txtBorderColor", "txtFrameSpacing", "cmdBorderColor"})
        EXPECT_TRUE(control<QWidget>(dialog, name)->isEnabled()) << name;
    EXPECT_EQ(fieldText(dialog, "txtFrameSpacing"), "0");
}

TEST_F(FramesDialogTest, FrameOptionsOnEveryFrame)
{
    const struct
    {
        const char *scrolling, *resize, *attrs;
    } cases[] = {
        {"AUTO", "YES", ""},
        {"YES", "YES", " SCROLLING=\"YES\""},
        {"NO", "YES", " SCROLLING=\"NO\""},
        {"AUTO", "NO", " NORESIZE"},
    };
    for (const auto &c : cases) {
        openFrames();
        pickItem(dialog, "cboScrolling", c.scrolling);
        pickItem(dialog, "cboResize", c.resize);
        click(dialog, "cmdOK");
        EXPECT_EQ(editorText().count(QString("<FRAME NAME=\"\" SRC=\"\"%1>\n").arg(c.attrs)), 2) << c.attrs;
    }
    openFrames();
    fill(dialog, "txtMarginwidth", "4");
    fill(dialog, "txtMarginheight", "6");
    fill(dialog, "txtFrameSpacing", "2");
    dialogs().answerColor(0x0000FF);
    click(dialog, "cmdBorderColor");
    click(dialog, "cmdOK");
    EXPECT_TRUE(editorText().contains("<FRAMESET COLS=\"0%,100%\" FRAMESPACING=\"2\" BORDERCOLOR=\"#FF0000\">\n"));
    EXPECT_EQ(editorText().count("<FRAME NAME=\"\" SRC=\"\" MARGINWIDTH=\"4\" MARGINHEIGHT=\"6\">\n"), 2);
}

TEST_F(FramesDialogTest, PickedSourcesAndLowerCase)
{
    store("TagCase", "TagCase", "True");
    openFrames();
    fill(dialog, "txtFrameOneName", "Menu");
    dialogs().answerFile(tempPath("Site/Menu.HTM"));
    click(dialog, "cmdFrameOneSource");
    EXPECT_EQ(fieldText(dialog, "txtFrameOneSource"), "Menu.HTM");
    dialogs().cancel();
    click(dialog, "cmdFrameTwoSource");
    EXPECT_EQ(fieldText(dialog, "txtFrameTwoSource"), "");
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(), Head.toLower() + "<frameset cols=\"0%,100%\">\n\t<frame name=\"menu\" src=\"menu.htm\">\n\t"
                                  + Empty.toLower() + Tail.toLower());
}

}
