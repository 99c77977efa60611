#include "support/dialog_fixture.h"

#include "document/notepad_window.h"
#include "platform/editor_surface.h"

#include <QComboBox>
#include <QPushButton>

namespace {

class LinksDialogTest : public DialogTest
{
protected:
    QDialog *open() { return openFromMenu("mnuViewLinks", "frmLinks"); }
};

TEST_F(LinksDialogTest, WebLinkWithAndWithoutTarget)
{
    start();
    QDialog *dialog = open();
    fill(dialog, "txtLink", "docs/page.htm");
    fill(dialog, "txtLinkName", "Home");
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(), R"(<A HREF="http://docs/page.htm">Home</A>)");

    activeDocument()->editor().SetText("");
    dialog = open();
    fill(dialog, "txtLink", "docs/page.htm");
    fill(dialog, "txtLinkName", "Home");
    pickItem(dialog, "cboTarget", "_blank");
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(), R"(<A HREF="http://docs/page.htm" TARGET="_blank">Home</A>)");
}

TEST_F(LinksDialogTest, RelativeLinkTakesThePickedPageNameWithoutItsFolder)
{
    start();
    QDialog *dialog = open();
    pickItem(dialog, "cboHREF", "relative link");
    dialogs().answerFile("/site/docs/Contact.htm");
    click(dialog, "cmdFindLink");
    EXPECT_TRUE(results().PickedPageName.isEmpty());
    // A cancelled page picker leaves the address alone.
    dialogs().cancel();
    click(dialog, "cmdFindLink");
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(), R"(<A HREF="Contact.htm"></A>)");
}

TEST_F(LinksDialogTest, MailAndFileLinksHaveNoTargetOrPagePicker)
{
    start();
    QDialog *dialog = open();
    auto *target = control<QComboBox>(dialog, "cboTarget");
    auto *findLink = control<QPushButton>(dialog, "cmdFindLink");
    for (const auto &[type, enabled] : {std::pair{"mailto:", false}, {"http://", true}, {"ftp://", false},
                                        {"relative link", true}}) {
        pickItem(dialog, "cboHREF", type);
        EXPECT_EQ(target->isEnabled(), enabled) << type;
        EXPECT_EQ(findLink->isEnabled(), enabled) << type;
    }
}

TEST_F(LinksDialogTest, SelectionGoesAfterTheLinkTextAndLowerCaseTakesEverything)
{
    start();
    frame().LowercaseTags = true;
    selectText("Hello");
    QDialog *dialog = open();
    pickItem(dialog, "cboHREF", "mailto:");
    fill(dialog, "txtLink", "Me@Example.ORG");
    fill(dialog, "txtLinkName", "Home");
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(), R"(<a href="mailto:me@example.org">homeHello</a>)");
}

} // namespace
