#include "support/program_fixture.h"

#include "document/notepad_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QTabBar>
#include <QTest>

namespace {

class TabbedWindowsTest : public ProgramTest
{
protected:
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

    // Picks a window from the Window menu's list, as the user does.
    void chooseListed(int number)
    {
        QMenu *window = activeDocument()->findChild<QMenu *>("mnuWindow");
        emit window->aboutToShow();
        QList<QAction *> listed;
        for (QAction *item : window->actions())
            if (item->objectName() == "mnuWindowList")
                listed << item;
        ASSERT_GE(listed.size(), number);
        listed[number - 1]->trigger();
    }
};

TEST_F(TabbedWindowsTest, TabsAndBackKeepTheListAndTheSavePrompts)
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
    chooseListed(1);
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
