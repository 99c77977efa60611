#include "support/program_fixture.h"

#include "document/edit_commands.h"
#include "document/notepad_window.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

#include <algorithm>

namespace {

using EditCommandsTest = ProgramTest;

TEST_F(EditCommandsTest, DeleteTakesTheSelectionOrTheNextCharacter)
{
    // A selection goes whole, and so does a character outside the basic plane, never half of it.
    const struct
    {
        const char *text;
        int start, length;
        const char *left;
    } cases[] = {
        {"abc", 3, 0, "abc"},
        {"abc", 2, 0, "ab"},
        {"one two three", 3, 4, "one three"},
        {"a\U0001F600b", 1, 0, "ab"},
    };
    start();
    for (const auto &c : cases) {
        editor().SetText(QString::fromUtf8(c.text));
        editor().SetSelection(c.start, c.length);
        choose("mnuEditDelete");
        EXPECT_EQ(editor().Text(), c.left) << c.text;
        EXPECT_EQ(editor().SelStart(), std::min(c.start, int(editor().Text().size()))) << c.text;
    }
}

TEST_F(EditCommandsTest, CutCopyPasteGoThroughTheClipboard)
{
    start();
    QClipboard *clipboard = QApplication::clipboard();
    clipboard->setText("before");
    editor().SetText("<b>bold</b>");
    editor().SetSelStart(2);
    choose("mnuEditCut");
    choose("mnuEditCopy");
    EXPECT_EQ(clipboard->text(), "before");
    EXPECT_EQ(editor().Text(), "<b>bold</b>");

    editor().SetSelection(3, 4);
    choose("mnuEditCopy");
    EXPECT_EQ(clipboard->text(), "bold");
    editor().SetSelection(0, 3);
    choose("mnuEditCut");
    EXPECT_EQ(clipboard->text(), "<b>");
    EXPECT_EQ(editor().Text(), "bold</b>");
    editor().SetSelection(4, 4);
    choose("mnuEditPaste");
    EXPECT_EQ(editor().Text(), "bold<b>");
}

TEST_F(EditCommandsTest, RightClickPopsUpTheEditMenu)
{
    start();
    editor().SetText("pick me");
    auto *edit = activeDocument()->findChild<QMenu *>("mnuEdit");
    ASSERT_NE(edit, nullptr);
    QWidget *viewport = activeEditor()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(edit->isVisible());
    QTest::mousePress(viewport, Qt::RightButton, Qt::ShiftModifier, QPoint(5, 5));
    // The window system follows the press with a context-menu request; the editor's own
    // menu must not answer it.
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), viewport->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(viewport, &request);
    ASSERT_TRUE(edit->isVisible());
    EXPECT_EQ(QApplication::activePopupWidget(), edit);
    edit->hide();

    QAction *selectAll = nullptr;
    for (QAction *item : edit->actions())
        if (item->objectName() == "mnuEditSelectAll")
            selectAll = item;
    ASSERT_NE(selectAll, nullptr);
    selectAll->trigger();
    EXPECT_EQ(editor().SelText(), "pick me");
}

} // namespace
