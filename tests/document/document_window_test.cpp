#include "support/program_fixture.h"

#include "document/notepad_window.h"
#include "platform/editor_surface.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>
#include <QTabBar>

namespace {

class DocumentWindowTest : public ProgramTest
{
protected:
    // The Window menu's list of windows, as it is when the menu opens.
    QList<QAction *> windowList()
    {
        QMenu *window = activeDocument()->findChild<QMenu *>("mnuWindow");
        emit window->aboutToShow();
        QList<QAction *> listed;
        for (QAction *item : window->actions())
            if (item->objectName() == "mnuWindowList")
                listed << item;
        return listed;
    }

    QTabBar *tabs() { return frame().mdiArea()->findChild<QTabBar *>(); }

    QStringList tabToolTips()
    {
        QStringList tips;
        for (int index = 0; index < tabs()->count(); ++index)
            tips << tabs()->tabToolTip(index);
        return tips;
    }

    void clickTabClose(int index)
    {
        QAbstractButton *close = qobject_cast<QAbstractButton *>(tabs()->tabButton(index, QTabBar::RightSide));
        ASSERT_NE(close, nullptr);
        close->click();
        QCoreApplication::processEvents();
    }
};

TEST_F(DocumentWindowTest, SavePromptCancelKeepsNoDiscardsYesSavesUnderANameOrTheFilesOwnAndAFailedSaveStopsTheClosing)
{
    start();
    type("<p>hello</p>");
    // Cancel, and Yes with the name then cancelled, keep the window.
    messages().queue({MsgAnswer::Cancel, MsgAnswer::Yes});
    choose("mnuFileClose", {});
    choose("mnuFileClose");
    ASSERT_EQ(messages().shown.size(), 2);
    EXPECT_EQ(messages().shown[0].text, "The text in [Untitled] has changed.\r\nDo you want to save the changes?");
    EXPECT_EQ(messages().shown[0].buttons, MsgButtons::YesNoCancel);
    ASSERT_EQ(openDocuments().size(), 1);
    EXPECT_EQ(activeDocument()->editor().Text(), "<p>hello</p>");
    EXPECT_TRUE(activeDocument()->state().Changed);

    const QString path = tempPath("page.htm");
    messages().queue({MsgAnswer::Yes});
    choose("mnuFileClose", path);
    ASSERT_EQ(dialogs().requests.size(), 2);
    EXPECT_EQ(dialogs().requests[1].kind, ScriptedDialogs::Kind::Save);
    EXPECT_EQ(dialogs().requests[1].fileName, "untitled.htm");
    EXPECT_EQ(readFile(path), "<p>hello</p>");
    EXPECT_TRUE(openDocuments().isEmpty());

    open(writeFile("old.htm", "old"));
    type("new ");
    messages().queue({MsgAnswer::Yes});
    choose("mnuFileClose");
    EXPECT_EQ(dialogs().requests.size(), 3);
    EXPECT_EQ(readFile(tempPath("old.htm")), "new old");

    choose("mnuFileNew");
    type("thrown away");
    messages().queue({MsgAnswer::No});
    choose("mnuFileClose");
    EXPECT_TRUE(openDocuments().isEmpty());
    EXPECT_EQ(dialogs().requests.size(), 3);

    // A save that fails in the prompt keeps the window and stops the frame closing.
    start();
    activeDocument()->SetCaption(tempPath("missing-folder/page.htm"));
    type("precious");
    messages().queue({MsgAnswer::Yes});
    frame().close();
    ASSERT_EQ(messages().shown.size(), 2);
    ASSERT_EQ(openDocuments().size(), 1);
    EXPECT_EQ(activeDocument()->editor().Text(), "precious");
    EXPECT_TRUE(frame().isVisible());
    EXPECT_TRUE(stored("FormHeight", "FormHeight").isEmpty());
}

TEST_F(DocumentWindowTest, ANewWindowTakesItsCheckMarksAndTheTagCaseFromTheStoreAndAClosedWindowsSlot)
{
    store("Autosave", "Autosave", "True");
    store("ColorTags", "ColorTags", "True");
    frmMDI &frame = start();
    EXPECT_TRUE(activeDocument()->action("mnuBrowserAutosave")->isChecked());
    EXPECT_TRUE(activeDocument()->action("mnuOptionsColorTagBracketsOpening")->isChecked());
    EXPECT_FALSE(activeDocument()->action("mnuOptionsUseLowercaseTags")->isChecked());
    EXPECT_FALSE(frame.LowercaseTags);
    store("TagCase", "TagCase", "True");
    choose("mnuFileNew");
    EXPECT_TRUE(frame.LowercaseTags);
    EXPECT_TRUE(activeDocument()->action("mnuOptionsUseLowercaseTags")->isChecked());
    frame.LowercaseTags = false;
    choose("mnuFileNew");
    EXPECT_TRUE(frame.LowercaseTags);

    // A closed window's slot is the next new window's.
    ASSERT_EQ(openDocuments().size(), 3);
    openDocuments()[1]->close();
    choose("mnuFileNew");
    EXPECT_EQ(frame.Documents().count(), 3);
    EXPECT_EQ(activeDocument()->Caption(), "Untitled:2");
    EXPECT_EQ(activeDocument()->Tag(), "2");
    EXPECT_FALSE(activeDocument()->state().Changed);
}

TEST_F(DocumentWindowTest, WindowMenuTilesOneAboveTheOtherAndListsTheWindows)
{
    start();
    choose("mnuFileNew");
    choose("mnuWindowTile");
    const QList<frmNotePad *> open = openDocuments();
    ASSERT_EQ(open.size(), 2);
    EXPECT_EQ(open[0]->width(), frame().mdiArea()->viewport()->width());
    EXPECT_EQ(open[0]->y() + open[0]->height(), open[1]->y());

    // A name with "&" is listed as it reads, not with an access key in it.
    const QString page = writeFile("Q&A.htm", "");
    choose("mnuFileOpen", page);
    QStringList listed, ticked;
    for (QAction *item : windowList()) {
        listed << item->iconText();
        if (item->isChecked())
            ticked << item->iconText();
    }
    EXPECT_EQ(listed, QStringList({"1 Untitled", "2 Untitled:2", "3 " + page}));
    EXPECT_EQ(ticked, QStringList({"3 " + page})) << "the window being worked in is ticked";
}

TEST_F(DocumentWindowTest, TabsAndBackKeepTheListAndTheSavePrompts)
{
    start();
    type("first");
    choose("mnuFileNew");
    type("second");
    choose("mnuWindowTabbedWindows");
    EXPECT_EQ(frame().mdiArea()->viewMode(), QMdiArea::TabbedView);
    EXPECT_EQ(stored("TabbedWindows", "TabbedWindows"), "True");
    ASSERT_NE(tabs(), nullptr);
    EXPECT_EQ(tabToolTips(), QStringList({"Untitled", "Untitled:2"}));

    choose("mnuFileSaveAs", tempPath("second.htm"));
    EXPECT_EQ(tabToolTips(), QStringList({"Untitled", tempPath("second.htm")}));
    // Dragged to the front, a tab takes its tooltip along, and its place in the list.
    // Sent as the mouse gives them: QTest would take a press soon after an earlier test's
    // click for a double click.
    const auto mouse = [this](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, at, tabs()->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(tabs(), &event);
    };
    const QPoint from = tabs()->tabRect(1).center();
    const QPoint to = tabs()->tabRect(0).topLeft() + QPoint(2, 2);
    mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
    for (int step = 1; step <= 10; ++step)
        mouse(QEvent::MouseMove, from + (to - from) * step / 10, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
    EXPECT_EQ(tabToolTips(), QStringList({tempPath("second.htm"), "Untitled"}));
    type(" again");
    const QList<QAction *> listed = windowList();
    ASSERT_FALSE(listed.isEmpty());
    listed[0]->trigger();
    EXPECT_EQ(activeDocument()->Caption(), tempPath("second.htm"));
    EXPECT_EQ(tabs()->currentIndex(), 0);

    // Each tab's close button asks as closing its window does; Cancel keeps it.
    messages().queue({MsgAnswer::Cancel, MsgAnswer::No});
    clickTabClose(1);
    EXPECT_EQ(openDocuments().size(), 2);
    clickTabClose(1);
    ASSERT_EQ(openDocuments().size(), 1);
    ASSERT_EQ(messages().shown.size(), 2);
    EXPECT_EQ(messages().shown[1].title, "Untitled");
    EXPECT_EQ(readFile(tempPath("second.htm")), "second");

    start();
    EXPECT_EQ(frame().mdiArea()->viewMode(), QMdiArea::TabbedView);
    type("third");
    choose("mnuFileNew");
    choose("mnuWindowTabbedWindows");
    EXPECT_EQ(frame().mdiArea()->viewMode(), QMdiArea::SubWindowView);
    EXPECT_EQ(stored("TabbedWindows", "TabbedWindows"), "False");
    for (frmNotePad *window : openDocuments())
        EXPECT_TRUE(window->isVisible());
    messages().queue({MsgAnswer::No});
    openDocuments().first()->close();
    EXPECT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(openDocuments().size(), 1);
}

} // namespace
