#include "support/program_fixture.h"

#include "app/recent_files.h"
#include "document/notepad_window.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"

#include <QAction>
#include <QMenu>

namespace {

class RecentFilesTest : public ProgramTest
{
protected:
    QStringList storedList() const
    {
        return stored("Recent Files", QStringList{"RecentFile1", "RecentFile2", "RecentFile3", "RecentFile4"});
    }

    // The paths the visible recent items of the menu bar in view offer, top to bottom.
    QStringList shownList() const
    {
        QStringList list;
        for (int index = 1; index <= 5; ++index) {
            QAction *item = menuItem(QStringLiteral("mnuRecentFile%1").arg(index));
            if (item && item->isVisible())
                list << item->data().toString();
        }
        return list;
    }

    // The separator lines the frame's own File menu draws.
    int linesInFrameFileMenu()
    {
        auto *file = qobject_cast<QMenu *>(frame().action("mnuFileExit")->parent());
        int lines = 0;
        for (QAction *item : file->actions())
            if (item->isSeparator() && !file->actionGeometry(item).isEmpty())
                ++lines;
        return lines;
    }
};

TEST_F(RecentFilesTest, FiveFilesOpenedInTurnLeaveTheLastFourMostRecentFirst)
{
    // A first run shows no list and no extra separator in either menu.
    start();
    EXPECT_FALSE(menuItem("mnuRecentFile0")->isVisible());
    EXPECT_TRUE(shownList().isEmpty());
    choose("mnuFileClose");
    EXPECT_FALSE(menuItem("mnuRecentFile0")->isVisible());
    EXPECT_TRUE(shownList().isEmpty());
    // The line after Exit is there all the same.
    EXPECT_EQ(linesInFrameFileMenu(), 1);

    QStringList paths;
    for (const char *name : {"one.htm", "two.htm", "three.htm", "four.htm", "five.htm"})
        paths << writeFile(name, name);
    for (const QString &path : std::as_const(paths))
        open(path);

    const QStringList expected = {paths[4], paths[3], paths[2], paths[1]};
    EXPECT_EQ(storedList(), expected);
    EXPECT_TRUE(stored("Recent Files", "RecentFile5").isEmpty());
    EXPECT_EQ(shownList(), expected);
    EXPECT_TRUE(menuItem("mnuRecentFile0")->isVisible());
    // Every open document window carries the same list.
    for (frmNotePad *document : openDocuments()) {
        EXPECT_TRUE(document->findChild<QAction *>("mnuRecentFile0")->isVisible());
        // The encoding menus come after Exit, and the list ends the menu.
        QStringList order;
        for (QAction *item : document->findChild<QMenu *>("mnuFile")->actions())
            order << (item->menu() ? item->menu()->objectName() : item->objectName());
        EXPECT_LT(order.indexOf("mnuFileExit"), order.indexOf("mnuFileReopenEncoding"));
        EXPECT_LT(order.indexOf("mnuFileSaveEncoding"), order.indexOf("mnuRecentFile0"));
        EXPECT_EQ(document->action("mnuRecentFile4")->data().toString(), paths[1]);
    }
    // The last of the four is listed too: opening it again moves nothing.
    open(paths[1]);
    EXPECT_EQ(storedList(), expected);
    // And so does the frame's own menu, once no document is left.
    closeAll();
    EXPECT_EQ(shownList(), expected);
    EXPECT_EQ(linesInFrameFileMenu(), 2);
}

TEST_F(RecentFilesTest, SaveAsListsTheNewNameAtTheTopButSaveOrACancelledSaveAsDoesNotAndAnEmptyEntryIsNeverCopiedDown)
{
    start();
    const QString opened = writeFile("opened.htm", "x");
    open(opened);
    choose("mnuFileSaveAs", {});
    EXPECT_EQ(storedList(), QStringList({opened, "", "", ""}));

    choose("mnuFileNew");
    type("saved");
    choose("mnuFileSave", tempPath("saved.htm"));
    EXPECT_EQ(storedList(), QStringList({opened, "", "", ""}));

    choose("mnuFileNew");
    type("saved as");
    choose("mnuFileSaveAs", tempPath("saved-as.htm"));
    EXPECT_EQ(storedList(), QStringList({tempPath("saved-as.htm"), opened, "", ""}));
    EXPECT_EQ(shownList(), QStringList({tempPath("saved-as.htm"), opened}));

    // A name pushed on never copies an empty entry down.
    auto settings = makeMemorySettingsStore();
    settings->write("Recent Files", "RecentFile1", "a");
    settings->write("Recent Files", "RecentFile2", "");
    settings->write("Recent Files", "RecentFile3", "c");
    PushRecentFile(*settings, "new");
    // The empty second entry was not copied over the third's old place.
    EXPECT_EQ(settings->readAll("Recent Files"), (SettingsStore::Entries{{"RecentFile1", "new"}, {"RecentFile2", "a"},
                                                                       {"RecentFile3", "c"}, {"RecentFile4", "c"}}));
}

} // namespace
