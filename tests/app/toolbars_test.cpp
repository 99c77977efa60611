#include "support/program_fixture.h"

#include "document/notepad_window.h"
#include "platform/editor_surface.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>

namespace {

class ToolbarsTest : public ProgramTest
{
protected:
    QToolBar *toolbar(const char *name) { return frame().findChild<QToolBar *>(QLatin1String(name)); }

    void openMenu(QObject *owner, const char *menu) { emit owner->findChild<QMenu *>(menu)->aboutToShow(); }

    QString shownToolbars()
    {
        QStringList shown;
        for (const char *name : {"Toolbar1", "Toolbar2", "Toolbar3"})
            if (toolbar(name)->isVisible())
                shown << QLatin1String(name);
        return shown.join(' ');
    }

    // The ticked items among the three that show the toolbars, in the menu bar in view.
    QString ticked()
    {
        QStringList marks;
        for (const char *item : {"mnuOptionsToolbar", "mnuOptionsStandardButtons", "mnuOptionsSpecialButtons"})
            if (menuItem(QLatin1String(item))->isChecked())
                marks << QLatin1String(item);
        return marks.join(' ');
    }
};

TEST_F(ToolbarsTest, ToolbarsAndTheirMarksFollowTheDocumentsAndTheMenuItems)
{
    start();
    EXPECT_EQ(shownToolbars(), "Toolbar1 Toolbar2 Toolbar3");
    for (const char *name : {"Toolbar1", "Toolbar2", "Toolbar3"})
        for (QAction *action : toolbar(name)->actions())
            if (!action->isSeparator())
                EXPECT_FALSE(action->icon().pixmap(toolbar(name)->iconSize()).isNull())
                    << action->objectName().toStdString();
    EXPECT_FALSE(toolbar("Toolbar2")->isMovable()) << "each stays docked in its place";
    frmNotePad *first = activeDocument();
    choose("mnuFileNew");
    frmNotePad *second = activeDocument();
    choose("mnuOptionsSpecialButtons");
    EXPECT_FALSE(toolbar("Toolbar3")->isVisible());
    EXPECT_FALSE(second->action("mnuOptionsSpecialButtons")->isChecked());
    EXPECT_FALSE(frame().action("mnuOptionsSpecialButtons")->isChecked());
    // Another window's mark follows when its View menu opens.
    openMenu(first, "mnuView");
    EXPECT_FALSE(first->action("mnuOptionsSpecialButtons")->isChecked());
    choose("mnuOptionsSpecialButtons");
    EXPECT_EQ(shownToolbars(), "Toolbar1 Toolbar2 Toolbar3");
    EXPECT_TRUE(frame().action("mnuOptionsSpecialButtons")->isChecked());

    // New shows hidden toolbars again, and the marks follow.
    choose("mnuOptionsToolbar");
    choose("mnuOptionsStandardButtons");
    EXPECT_EQ(shownToolbars(), "Toolbar3");
    choose("mnuFileNew");
    EXPECT_EQ(shownToolbars(), "Toolbar1 Toolbar2 Toolbar3");
    openMenu(activeDocument(), "mnuView");
    EXPECT_EQ(ticked(), "mnuOptionsToolbar mnuOptionsStandardButtons mnuOptionsSpecialButtons");

    // With no document, only the standard buttons stand, and only New works.
    closeAll();
    EXPECT_EQ(shownToolbars(), "Toolbar1");
    EXPECT_TRUE(button("New")->isEnabled());
    for (const char *key : {"Print", "Save", "Cut", "Copy", "Paste", "Find", "Body", "Tables", "View", "Bold"})
        EXPECT_FALSE(button(key)->isEnabled()) << key;
    // The frame's own items show and hide them.
    openMenu(&frame(), "mnuOptions");
    EXPECT_EQ(ticked(), "mnuOptionsStandardButtons");
    choose("mnuOptionsToolbar");
    choose("mnuOptionsStandardButtons");
    EXPECT_EQ(shownToolbars(), "Toolbar2");
    openMenu(&frame(), "mnuOptions");
    EXPECT_EQ(ticked(), "mnuOptionsToolbar");
    choose("mnuOptionsStandardButtons");

    click("New");
    ASSERT_EQ(openDocuments().size(), 1);
    EXPECT_EQ(shownToolbars(), "Toolbar1 Toolbar2 Toolbar3");
    EXPECT_TRUE(button("Save")->isEnabled());
}

// Open, Save and Print run the File menu's own procedures; these show the buttons reach them.
TEST_F(ToolbarsTest, FileAndClipboardButtonsDoWhatTheirMenuItemsDo)
{
    start();
    type("<P>first</P>");
    const QString path = tempPath("page.htm");
    dialogs().answerFile(path);
    click("Save");
    EXPECT_EQ(readFile(path), "<P>first</P>");
    editor().SetSelection(3, 5);
    click("Cut");
    EXPECT_EQ(editor().Text(), "<P></P>");
    click("Paste");
    EXPECT_EQ(editor().Text(), "<P>first</P>");
    editor().SetSelection(0, 3);
    click("Copy");
    editor().SetSelStart(12);
    click("Paste");
    type(" more");
    click("Save");
    EXPECT_EQ(dialogs().requests.size(), 1);
    EXPECT_EQ(readFile(path), "<P>first</P><P> more");

    closeAll();
    dialogs().answerFile(path);
    click("Open");
    EXPECT_EQ(activeDocument()->Caption(), path);
    const QString pdf = tempPath("page.pdf");
    dialogs().answerPrint(pdf);
    click("Print");
    EXPECT_GT(QFileInfo(pdf).size(), 0);
}

TEST_F(ToolbarsTest, ViewGoesByTheFramesAutosaveMark)
{
    store("Browser1", "BrowserName", "/usr/bin/firefox");
    start();
    const QString path = tempPath("view.htm");
    dialogs().answerFile(path);
    click("Save");
    type("<B>changed</B>");

    // The document's own Browser menu says autosave; the frame's mark says no.
    activeDocument()->action("mnuBrowserAutosave")->setChecked(true);
    click("View");
    EXPECT_EQ(onlyMessage(), "You must save changes before viewing them");
    EXPECT_TRUE(starter().calls.isEmpty());
    EXPECT_EQ(readFile(path), "");

    frame().action("mnuOptionsAutosave")->setChecked(true);
    click("View");
    EXPECT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(readFile(path), "<B>changed</B>");
    expectStarted("/usr/bin/firefox", path);
}

}  // namespace
