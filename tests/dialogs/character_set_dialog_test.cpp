#include "support/dialog_fixture.h"

#include "dialogs/character_set_fragment.h"
#include "document/notepad_window.h"
#include "platform/editor_surface.h"

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

TEST_F(CharacterSetDialogTest, ReferencesThatAreEasyToConfuse)
{
    start();
    const struct
    {
        const char *button;
        const char *inserted;
    } cases[] = {{"cmdDash", "&#151;"}, {"cmdMinus", "&#45;"}, {"cmdCloseQuote", "&#93;"}, {"cmdAmpersand", "&#38;"},
                 {"cmdEllipse", "&#133;"}, {"cmdTrademark", "&#153;"}, {"cmdDoubleQuote", "&#34;"}};
    for (const auto &c : cases) {
        // The caret sits after "ab": the reference goes in there.
        activeDocument()->editor().SetText("ab");
        activeDocument()->editor().SetSelStart(2);
        frame().LowercaseTags = true;
        click(open(), c.button);
        EXPECT_EQ(editorText(), QStringLiteral("ab") + c.inserted) << c.button;
    }
}

TEST_F(CharacterSetDialogTest, StyleButtonsWrapTheSelectionInEitherCase)
{
    start();
    const struct
    {
        const char *button;
        const char *upper;
        const char *lower;
    } cases[] = {{"cmdStrikethru", "<S>Mixed Text</S>", "<s>Mixed Text</s>"},
                 {"cmdUnderline", "<U>Mixed Text</U>", "<u>Mixed Text</u>"},
                 {"cmdSuperior", "<SUP>Mixed Text</SUP>", "<sup>Mixed Text</sup>"},
                 {"cmdInferior", "<SUB>Mixed Text</SUB>", "<sub>Mixed Text</sub>"}};
    for (const auto &c : cases) {
        for (bool lowercase : {false, true}) {
            frame().LowercaseTags = lowercase;
            selectText("Mixed Text");
            click(open(), c.button);
            EXPECT_EQ(editorText(), lowercase ? c.lower : c.upper) << c.button;
        }
    }
}

} // namespace
