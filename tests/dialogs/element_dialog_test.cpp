#include "support/dialog_fixture.h"

#include <QTest>

namespace {

class ElementDialogTest : public DialogTest
{
protected:
    struct Opener
    {
        const char *menuItem;
        const char *toolbarButton;
        const char *formName;
    };
    static constexpr Opener openers[] = {
        {"mnuViewBody", "Body", "frmBody"},
        {"mnuViewCharacters", "Characters", "frmCharacterSet"},
        {"mnuViewFont", "Font", "frmFont"},
        {"mnuViewHex", "Hex", "frmRGB"},
        {"mnuViewImage", "Image", "frmImage"},
        {"mnuViewLinks", "Links", "frmLinks"},
        {"mnuViewFrames", "Frames", "frmFrames"},
        {"mnuViewLists", "Lists", "frmLists"},
        {"mnuViewRules", "Rules", "frmRules"},
        {"mnuViewSound", "Sound", "frmSound"},
        {"mnuViewTables", "Tables", "frmTables"},
    };
};

TEST_F(ElementDialogTest, ViewMenuShowsOneModelessInstanceAndLoadingAndClosingEmptyTheResults)
{
    start();
    for (const Opener &opener : openers) {
        results().PickedFontName = "left over";
        QDialog *dialog = openFromMenu(opener.menuItem, opener.formName);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(results().PickedFontName.isEmpty());

        results().PickedFontName = "still here";
        EXPECT_EQ(openFromMenu(opener.menuItem, opener.formName), dialog);
        EXPECT_EQ(results().PickedFontName, "still here");

        dialog->close();
        EXPECT_TRUE(results().PickedFontName.isEmpty());
        EXPECT_FALSE(isOpen(opener.formName));

        // The Form toolbar's button shows the same dialog.
        click(opener.toolbarButton);
        EXPECT_TRUE(isOpen(opener.formName)) << opener.toolbarButton;
        EXPECT_EQ(frame().dialogs().find(opener.formName), openFromMenu(opener.menuItem, opener.formName));
    }
}

TEST_F(ElementDialogTest, CancelInsertsNothingAndOkWithNothingChosenInsertsTheBareTag)
{
    const struct
    {
        const char *menuItem, *formName, *inserted;
    } cases[] = {
        {"mnuViewBody", "frmBody", "<BODY></BODY>"},
        {"mnuViewFont", "frmFont", "<FONT></FONT>"},
        {"mnuViewHex", "frmRGB", "#"},
        {"mnuViewImage", "frmImage", R"(<IMAGE SRC="Insert image here" ALT="Image" HEIGHT="" WIDTH="" ALIGN="DEFAULT">)"},
        {"mnuViewLinks", "frmLinks", R"(<A HREF="http://"></A>)"},
        {"mnuViewLists", "frmLists", "<UL>\n<LI></LI>\n</UL>\n"},
        {"mnuViewRules", "frmRules", "<HR WIDTH=\"75%\">\n"},
        {"mnuViewSound", "frmSound", R"(<EMBED SRC="" AUTOSTART="TRUE" LOOP="TRUE" HIDDEN="TRUE">)"},
        {"mnuViewTables", "frmTables", "<TABLE WIDTH=\"100%\">\n<TR>\n<TD></TD>\n</TR>\n</TABLE>\n"},
        {"mnuInsertSiteInformation", "frmMetaName", "<!-- This material must go after /TITLE and before /HEAD -->\n"},
    };
    start();
    for (const auto &c : cases) {
        selectText("");
        click(openFromMenu(c.menuItem, c.formName), "cmdCancel");
        EXPECT_FALSE(isOpen(c.formName)) << c.formName;
        EXPECT_EQ(editorText(), "") << c.formName;
        click(openFromMenu(c.menuItem, c.formName), "cmdOK");
        EXPECT_FALSE(isOpen(c.formName)) << c.formName;
        EXPECT_EQ(editorText(), c.inserted) << c.formName;
    }
}

TEST_F(ElementDialogTest, DialogsOpenOnTheirFirstFieldAndTabAsTheirLayoutReads)
{
    const struct
    {
        const char *menuItem, *formName;
        QStringList fields;  // as Tab reaches them, disabled ones passed over
    } cases[] = {
        {"mnuEditFind", "frmFind", {"Text1", "cmdFind", "chkCase", "optDirection1", "cmdcancel"}},
        {"mnuEditReplace", "frmReplace", {"Text1", "cmdFind", "Text2", "chkCase", "optDirection1", "cmdUndo", "cmdCancel"}},
        {"mnuViewLinks", "frmLinks", {"cboHREF", "txtLink", "cmdFindLink", "txtLinkName", "cboTarget", "cmdOK", "cmdCancel"}},
        {"mnuViewHex", "frmRGB", {"cmdSelectColor", "cmdOK", "cmdCancel"}},
        {"mnuViewSound", "frmSound", {"cmdFindSound", "txtSound", "cboBrowser", "cboLoop", "cboModem", "cmdOK", "cmdCancel"}},
    };
    start();
    selectText("abc");
    for (const auto &c : cases) {
        QDialog *dialog = openFromMenu(c.menuItem, c.formName);
        ASSERT_NE(dialog, nullptr);
        QStringList reached;
        for (int tab = 0; tab <= c.fields.size() && dialog->focusWidget(); ++tab) {
            reached << dialog->focusWidget()->objectName();
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        }
        // Round and back to the first.
        EXPECT_EQ(reached, c.fields + QStringList{c.fields.first()}) << c.formName;
    }
}

TEST_F(ElementDialogTest, ClosingTheLastDocumentClosesEveryDialog)
{
    start();
    for (const Opener &opener : openers)
        openFromMenu(opener.menuItem, opener.formName);
    choose("mnuFileClose");
    for (const Opener &opener : openers)
        EXPECT_FALSE(isOpen(opener.formName)) << opener.formName;
}

TEST_F(ElementDialogTest, WithNoDocumentOpenOkInsertsNothingAndStillCloses)
{
    start();
    choose("mnuFileClose");
    ASSERT_EQ(activeDocument(), nullptr);
    for (const char *formName : {"frmBody", "frmFont", "frmRGB", "frmImage", "frmLinks", "frmFrames", "frmLists",
                                 "frmMetaName", "frmRules", "frmSound", "frmTables"}) {
        QDialog *dialog = frame().ShowDialog(formName);
        ASSERT_NE(dialog, nullptr);
        click(dialog, "cmdOK");
        EXPECT_FALSE(isOpen(formName)) << formName;
    }
    QDialog *characters = frame().ShowDialog("frmCharacterSet");
    click(characters, "cmdUnderline");
    EXPECT_FALSE(isOpen("frmCharacterSet"));
    EXPECT_TRUE(messages().shown.isEmpty());
}

} // namespace
