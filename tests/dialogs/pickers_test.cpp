#include "support/dialog_fixture.h"

#include "dialogs/pickers.h"

#include <QCoreApplication>
#include <QDir>

namespace {

using PickersTest = DialogTest;

// What the element dialogs make of each pick is tested through them; these are the
// pickers' own promises.
TEST_F(PickersTest, EachPickerGivesWhatWasChosenAndForgetsTheOthers)
{
    start();
    dialogs().answerColor(33023);
    PickColorCode(frame().dialogServices());
    EXPECT_EQ(results().PickedColorValue, "33023");
    dialogs().answerColor(16711680);
    PickTagColor(frame().dialogServices());
    EXPECT_EQ(results().PickedColorValue, "16711680");
    EXPECT_EQ(results().PickedColorCode, "");
    // The shared dialog starts on the colour chosen last.
    EXPECT_EQ(dialogs().requests.last().color, 33023u);

    frame().CommonDialog1().FileName = "left over.htm";
    dialogs().answerFile("/pictures/Logo.GIF");
    PickImageFile(frame().dialogServices());
    EXPECT_EQ(results().PickedImagePath, "/pictures/Logo.GIF");
    EXPECT_EQ(dialogs().requests.last().fileName, "");
    dialogs().answerFile("/sounds/tune.mid");
    PickSoundFile(frame().dialogServices());
    EXPECT_EQ(results().PickedSoundName, "tune.mid");
    EXPECT_EQ(results().PickedImagePath, "");
}

TEST_F(PickersTest, ProgramPickerAcceptsOnlyAFileThatCanBeRunAndAddsNoDocumentExtension)
{
    start();
    open(writeFile("page.htm", "<P>"));
    choose("mnuBrowserSelectBrowser1", writeFile("notes.txt", "text"));
    EXPECT_TRUE(onlyMessage().contains("notes.txt"));
    choose("mnuBrowserSelectBrowser1", temp_.path());
    EXPECT_EQ(messages().shown.size(), 2);
    EXPECT_EQ(stored("Browser1", "BrowserName"), "");
    const QString browser = writeProgram("bluefish");
    choose("mnuBrowserSelectBrowser1", browser);
    EXPECT_EQ(messages().shown.size(), 2);
    EXPECT_EQ(dialogs().requests.last().defaultExt, "");
    // Programs here carry no extension: the list shows every file.
    EXPECT_EQ(dialogs().requests.last().filter, "Programs (*)|*");
    EXPECT_EQ(stored("Browser1", "BrowserName"), browser);

    choose("mnuFileSaveAs", {});
    EXPECT_EQ(dialogs().requests.last().kind, ScriptedDialogs::Kind::Save);
    EXPECT_EQ(dialogs().requests.last().fileName, tempPath("page.htm"));
    EXPECT_EQ(dialogs().requests.last().defaultExt, ".htm");
}

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
