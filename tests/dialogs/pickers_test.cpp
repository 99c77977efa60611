#include "support/dialog_fixture.h"

#include "dialogs/pickers.h"

#include <QCoreApplication>
#include <QDir>

namespace {

using PickersTest = DialogTest;

TEST_F(PickersTest, EveryFileDialogOpensWhereTheLastFileWasChosenInThisRunAndTheNext)
{
    start();
    choose("mnuFileOpen", {});
    // Nothing chosen yet: the dialog opens in the user's home folder.
    EXPECT_EQ(dialogs().requests.last().initDir, "");

    open(writeFile("page.htm", "<P>"));
    dialogs().answerFile(tempPath("pictures/logo.gif"));
    PickImageFile(frame().dialogServices());
    choose("mnuInsertFile", {});
    EXPECT_EQ(dialogs().requests.last().initDir, tempPath("pictures"));
    // A cancelled Save As showed the page's own name, and leaves the folder as it was.
    choose("mnuFileSaveAs", {});
    EXPECT_EQ(dialogs().requests.last().fileName, tempPath("page.htm"));
    choose("mnuBrowserSelectBrowser2", {});
    EXPECT_EQ(dialogs().requests.last().initDir, tempPath("pictures"));
    EXPECT_EQ(QDir::currentPath(), QCoreApplication::applicationDirPath());

    start();
    choose("mnuFileSaveAs", {});
    EXPECT_EQ(dialogs().requests.last().initDir, tempPath("pictures"));
}

} // namespace
