#include "support/program_fixture.h"

#include "document/edit_commands.h"
#include "document/notepad_window.h"
#include "platform/editor_surface.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTextEdit>

#include <tuple>

namespace {

class EditCommandsTest : public ProgramTest
{
protected:
    EditorSurface &editor() { return activeDocument()->editor(); }

    void select(int start, int length)
    {
        editor().SetSelStart(start);
        editor().SetSelLength(length);
    }
};

TEST_F(EditCommandsTest, DeleteTakesTheSelectionOrTheNextCharacter)
{
    start();
    editor().SetText("abc");
    editor().SetSelStart(3);
    choose("mnuEditDelete");
    EXPECT_EQ(editor().Text(), "abc");

    editor().SetSelStart(2);
    choose("mnuEditDelete");
    EXPECT_EQ(editor().Text(), "ab");
    EXPECT_EQ(editor().SelStart(), 2);

    // A selection goes whole, and so does a character outside the basic plane, never half of it.
    for (const auto &[text, start, length, left] : {std::tuple{"one two three", 3, 4, "one three"},
                                                    std::tuple{"a\U0001F600b", 1, 0, "ab"}}) {
        editor().SetText(QString::fromUtf8(text));
        select(start, length);
        choose("mnuEditDelete");
        EXPECT_EQ(editor().Text(), left);
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

    select(3, 4);
    choose("mnuEditCopy");
    EXPECT_EQ(clipboard->text(), "bold");
    select(0, 3);
    choose("mnuEditCut");
    EXPECT_EQ(clipboard->text(), "<b>");
    EXPECT_EQ(editor().Text(), "bold</b>");
    select(4, 4);
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

TEST_F(EditCommandsTest, ClipboardProceduresActOnTheActiveDocument)
{
    start();
    editor().SetText("first");
    choose("mnuFileNew");
    editor().SetText("second");
    select(0, 6);
    CopySelection(frame());
    EXPECT_EQ(QApplication::clipboard()->text(), "second");
    PasteClipboard(frame());
    PasteClipboard(frame());
    EXPECT_EQ(editor().Text(), "secondsecond");
    UndoLastEdit(frame());
    EXPECT_EQ(editor().Text(), "second");
    CutSelection(frame());
    EXPECT_EQ(openDocuments()[0]->editor().Text(), "first");
}

} // namespace
