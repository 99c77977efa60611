#include "support/dialog_fixture.h"

#include <QTextDocument>
#include <QTextEdit>

namespace {

class ListsDialogTest : public DialogTest
{
};

TEST_F(ListsDialogTest, AListTallerThanQtLaysOutAsOnePageStillGoesIn)
{
    // In a large font a few thousand items pass the 8,388,607 pixels of Qt's one page, the
    // height where laying out once never ended.
    store("Font", "FontSize", "200");
    start();
    QDialog *dialog = openFromMenu("mnuViewLists", "frmLists");
    fill(dialog, "txtNumber", "12000");
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(), "<UL>\n" + QString("<LI></LI>\n").repeated(12000) + "</UL>\n");
    EXPECT_GT(activeEditor()->document()->size().height(), 8'388'607);
}

} // namespace
