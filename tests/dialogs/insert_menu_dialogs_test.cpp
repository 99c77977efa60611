#include "support/dialog_fixture.h"

namespace {

class InsertMenuDialogsTest : public DialogTest
{
};

TEST_F(InsertMenuDialogsTest, ListSiteInformationAndSoundShowTheSameDialogsAsTheViewMenu)
{
    const struct
    {
        const char *insertItem, *viewItem, *form;
    } cases[] = {
        {"mnuInsertList", "mnuViewList", "frmLists"},
        {"mnuInsertSiteInformation", nullptr, "frmMetaName"},
        {"mnuInsertSound", "mnuViewSound", "frmSound"},
    };
    start();
    for (const auto &c : cases) {
        QDialog *dialog = openFromMenu(c.insertItem, c.form);
        ASSERT_NE(dialog, nullptr) << c.insertItem;
        EXPECT_FALSE(dialog->isModal());
        EXPECT_EQ(openFromMenu(c.insertItem, c.form), dialog);
        if (c.viewItem)
            EXPECT_EQ(openFromMenu(c.viewItem, c.form), dialog);
        click(dialog, "cmdCancel");
        EXPECT_FALSE(isOpen(c.form)) << c.insertItem;
    }
    EXPECT_EQ(editorText(), "");
}

} // namespace
