#include "support/dialog_fixture.h"

#include <QLabel>

namespace {

class HexDialogTest : public DialogTest
{
};

TEST_F(HexDialogTest, ChosenColourFollowsTheSelectionInCapitalsWhateverTheTagCase)
{
    start();
    frame().LowercaseTags = true;
    selectText("red");
    QDialog *dialog = openFromMenu("mnuViewHex", "frmRGB");
    dialogs().answerColor(255);
    click(dialog, "cmdSelectColor");
    EXPECT_EQ(caption(dialog, "lblHexValue"), "FF0000");
    EXPECT_EQ(control<QLabel>(dialog, "lblHexValue")->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_TRUE(results().PickedColorCode.isEmpty());

    // A cancelled colour dialog keeps the previous choice.
    dialogs().cancel();
    click(dialog, "cmdSelectColor");
    EXPECT_EQ(caption(dialog, "lblHexValue"), "FF0000");

    moveFocusAwayFromEditor();
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(), "red#FF0000");
    EXPECT_TRUE(editorHasFocus());

    selectText("keep");
    dialog = openFromMenu("mnuViewHex", "frmRGB");
    dialogs().answerColor(255);
    click(dialog, "cmdSelectColor");
    moveFocusAwayFromEditor();
    click(dialog, "cmdCancel");
    EXPECT_EQ(editorText(), "keep");
    EXPECT_TRUE(editorHasFocus());
}

} // namespace
