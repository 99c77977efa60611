#include "support/dialog_fixture.h"

namespace {

const QString Comment = "<!-- This material must go after /TITLE and before /HEAD -->\n";

class MetaNameDialogTest : public DialogTest
{
protected:
    QDialog *dialog = nullptr;

    void fillAll(const char *author, const char *classification, const char *description, const char *keyWords)
    {
        fill(dialog, "txtAuthor", author);
        fill(dialog, "txtClassification", classification);
        fill(dialog, "txtDescription", description);
        fill(dialog, "txtKeyWords", keyWords);
    }
};

TEST_F(MetaNameDialogTest, CommentAndFilledFieldsFollowTheSelection)
{
    start();
    selectText("<TITLE>x</TITLE>");
    dialog = openFromMenu("mnuInsertSiteInformation", "frmMetaName");
    fillAll("Ann Lee", "", "", "cats, dogs");
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(), "<TITLE>x</TITLE>" + Comment + "<META NAME=\"AUTHOR\" CONTENT=\"Ann Lee\">\n"
                                                             "<META NAME=\"KEYWORDS\" CONTENT=\"cats, dogs\">\n");
}

TEST_F(MetaNameDialogTest, LowerCaseKeepsTypedCapitals)
{
    store("TagCase", "TagCase", "True");
    start();
    dialog = openFromMenu("mnuInsertSiteInformation", "frmMetaName");
    fillAll("ANN LEE", "Pets", "All About Cats", "CATS");
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(), Comment + "<meta name=\"author\" content=\"ANN LEE\">\n"
                                        "<meta name=\"classification\" content=\"Pets\">\n"
                                        "<meta name=\"description\" content=\"All About Cats\">\n"
                                        "<meta name=\"keywords\" content=\"CATS\">\n");
}

}
