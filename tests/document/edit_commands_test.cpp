#include "support/dialog_fixture.h"

#include "document/notepad_window.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <algorithm>
#include <tuple>

namespace {

class EditCommandsTest : public DialogTest
{
protected:
    // Keys reach a menu item's shortcut only in the active window, as on a desktop.
    void keys(const QKeySequence &sequence)
    {
        frame().show();
        frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
        QTest::keySequence(activeEditor(), sequence);
        QCoreApplication::processEvents();
    }

    QDialog *goToLineDialog() { return frame().findChild<QDialog *>(QStringLiteral("frmGoToLine")); }

    // Types the answer into the open Go to Line dialog and clicks OK.
    void answerGoToLine(const QString &answer)
    {
        fill(goToLineDialog(), "txtLineNumber", answer);
        click(goToLineDialog(), "cmdOK");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

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
}

TEST_F(EditCommandsTest, GoToLineReachesBothEndsAndRefusesAnythingElse)
{
    start();
    activeDocument()->editor().SetText("one\ntwo\nthree\nfour\nfive");
    activeDocument()->editor().SetSelStart(5);
    keys(QKeySequence("Ctrl+G"));
    ASSERT_NE(goToLineDialog(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), goToLineDialog()) << "the page waits for the answer";
    EXPECT_EQ(goToLineDialog()->findChild<QLineEdit *>("txtLineNumber")->text(), "2");

    for (const char *refused : {"0", "6", "-1", "two", "", "99999999999"}) {
        answerGoToLine(refused);
        ASSERT_FALSE(messages().shown.isEmpty()) << refused;
        EXPECT_EQ(messages().shown.last().text, "Enter a line number from 1 to 5.");
        EXPECT_NE(goToLineDialog(), nullptr) << refused;
        EXPECT_EQ(activeDocument()->editor().SelStart(), 5);
    }
    answerGoToLine(" 5 ");
    EXPECT_EQ(goToLineDialog(), nullptr);
    EXPECT_EQ(activeDocument()->editor().SelStart(), 19);

    choose("mnuEditGoToLine");
    answerGoToLine("1");
    EXPECT_EQ(activeDocument()->editor().SelStart(), 0);
    EXPECT_EQ(messages().shown.size(), 6);

    // A far line is brought into view.
    QStringList lines;
    for (int line = 1; line <= 400; ++line)
        lines.append(QStringLiteral("line %1").arg(line));
    activeDocument()->editor().SetText(lines.join('\n'));
    activeDocument()->editor().SetSelStart(0);
    choose("mnuEditGoToLine");
    answerGoToLine("300");
    RichTextBox *editor = activeEditor();
    EXPECT_EQ(editor->textCursor().block().text(), "line 300");
    EXPECT_TRUE(editor->viewport()->rect().contains(editor->cursorRect()));
    EXPECT_GT(editor->verticalScrollBar()->value(), 0);
}

} // namespace
