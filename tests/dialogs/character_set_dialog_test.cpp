#include "support/dialog_fixture.h"

#include "dialogs/character_set_fragment.h"

#include <QPushButton>
#include <QSet>

namespace {

class CharacterSetDialogTest : public DialogTest
{
protected:
    QDialog *open() { return openFromMenu("mnuViewCharacters", "frmCharacterSet"); }
};

TEST_F(CharacterSetDialogTest, EveryCharacterButtonReplacesTheSelectionAndCloses)
{
    start();
    QDialog *dialog = open();
    // An ampersand on a button is shown, not taken for a shortcut mark.
    EXPECT_EQ(control<QPushButton>(dialog, "cmdAmpersand")->text(), "&&");
    EXPECT_EQ(control<QPushButton>(dialog, "cmdBackSlash")->text(), "\\");
    QSet<QString> inserted;
    for (const CharacterButton &button : CharacterButtons()) {
        selectText("several words");
        click(open(), button.name);
        EXPECT_EQ(editorText(), button.reference) << button.name.toStdString();
        EXPECT_FALSE(isOpen("frmCharacterSet"));
        inserted.insert(editorText());
    }
    // Every button has a character of its own.
    EXPECT_EQ(inserted.size(), 26);
}

} // namespace
