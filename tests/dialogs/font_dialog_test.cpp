#include "support/dialog_fixture.h"

#include <QLabel>

namespace {

class FontDialogTest : public DialogTest
{
protected:
    QDialog *open() { return openFromMenu("mnuViewFont", "frmFont"); }
};

TEST_F(FontDialogTest, RelativeSizeButtonsWrapTheSelectionAtOnce)
{
    start();
    for (const auto &[button, step] : {std::pair{"cmdFontMinusThree", "-3"}, {"cmdFontMinusTwo", "-2"},
                                       {"cmdFontMinusOne", "-1"}, {"cmdFontPlusOne", "+1"},
                                       {"cmdFontPlusTwo", "+2"}, {"cmdFontPlusThree", "+3"}}) {
        selectText("word");
        click(open(), button);
        EXPECT_EQ(editorText(), QStringLiteral("<FONT SIZE=\"%1\">word</FONT>").arg(step));
        EXPECT_FALSE(isOpen("frmFont"));
    }
}

TEST_F(FontDialogTest, ColourSizeAndFaceInThatOrder)
{
    start();
    selectText("Hello");
    QDialog *dialog = open();
    dialogs().answerFont("DejaVu Serif");
    click(dialog, "cmdFont");
    EXPECT_EQ(caption(dialog, "lblFontFace"), "DejaVu Serif");
    EXPECT_EQ(control<QLabel>(dialog, "lblFontFace")->font().family(), "DejaVu Serif");
    EXPECT_TRUE(results().PickedFontName.isEmpty());
    dialogs().answerColor(0x0080FF);
    click(dialog, "cmdFontColor");
    EXPECT_EQ(caption(dialog, "lblFontColor"), "FF8000");
    EXPECT_EQ(control<QLabel>(dialog, "lblFontFace")->palette().color(QPalette::WindowText), QColor(0xFF, 0x80, 0));
    pickItem(dialog, "cboFontSize", "5");
    // Cancelled pickers keep the earlier choices.
    dialogs().cancel();
    click(dialog, "cmdFont");
    dialogs().cancel();
    click(dialog, "cmdFontColor");
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(), R"(<FONT COLOR="#FF8000" SIZE="5" FACE="DejaVu Serif">Hello</FONT>)");
}

TEST_F(FontDialogTest, LowerCaseLowersTheTagsButNeverTheWrappedText)
{
    start();
    frame().LowercaseTags = true;
    selectText("Keep THIS");
    QDialog *dialog = open();
    dialogs().answerFont("Arial");
    click(dialog, "cmdFont");
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(), R"(<font face="arial">Keep THIS</font>)");

    selectText("Keep THIS");
    click(open(), "cmdFontPlusOne");
    EXPECT_EQ(editorText(), R"(<font size="+1">Keep THIS</font>)");
}

} // namespace
