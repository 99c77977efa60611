#include "support/program_fixture.h"

#include "document/file_commands.h"
#include "document/notepad_window.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"

#include <QAction>
#include <QDir>
#include <QTest>

namespace {

class BrowserPreviewTest : public ProgramTest
{
protected:
    // Gives the active document a file of its own, with `text` in it and on disk.
    QString nameDocument(const QString &name, const QString &text)
    {
        const QString path = tempPath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        activeDocument()->editor().SetText(text);
        EXPECT_TRUE(SaveDocumentFile(frame(), path));
        return path;
    }

    void setAutosave(bool on)
    {
        if (menuItem("mnuBrowserAutosave")->isChecked() != on)
            choose("mnuBrowserAutosave");
    }

    void SetUp() override { start(); }
};

TEST_F(BrowserPreviewTest, BrowsersAndTheAutosaveMarkAreStoredUnderTheirSectionsAndTheDefaultNeverStandsInForTheAlternate)
{
    const QString firefox = writeProgram("bin/firefox");
    const QString chromium = writeProgram("bin/chromium");
    choose("mnuBrowserSelectBrowser1", {});
    EXPECT_EQ(dialogs().requests[0].kind, ScriptedDialogs::Kind::Open);
    EXPECT_TRUE(settings().readAll("Browser1").isEmpty());
    EXPECT_TRUE(settings().readAll("BrowserDefault").isEmpty());

    choose("mnuBrowserSelectBrowser1", firefox);
    EXPECT_EQ(stored("Browser1", "BrowserName"), firefox);
    EXPECT_EQ(stored("BrowserDefault", "BrowserName"), firefox);
    // The default browser chosen in this very session must not stand in for the alternate.
    nameDocument("page.htm", "<P>x</P>");
    choose("mnuBrowserView2");
    EXPECT_EQ(onlyMessage(), "Please select a browser");
    EXPECT_TRUE(starter().calls.isEmpty());

    choose("mnuBrowserSelectBrowser2", chromium);
    choose("mnuBrowserSelectBrowser2", {});
    EXPECT_EQ(stored("Browser2", "BrowserName"), chromium);
    EXPECT_EQ(stored("Browser1", "BrowserName"), firefox);
    EXPECT_EQ(stored("BrowserDefault", "BrowserName"), firefox);

    // The Autosave mark is stored, and only this window's mark changes.
    frmNotePad *first = activeDocument();
    choose("mnuFileNew");
    frmNotePad *second = activeDocument();
    choose("mnuBrowserAutosave");
    EXPECT_FALSE(first->action("mnuBrowserAutosave")->isChecked());
    EXPECT_EQ(stored("Autosave", "Autosave"), "True");

    choose("mnuFileNew");
    EXPECT_TRUE(menuItem("mnuBrowserAutosave")->isChecked());
    choose("mnuBrowserAutosave");
    EXPECT_EQ(stored("Autosave", "Autosave"), "False");
    EXPECT_TRUE(second->action("mnuBrowserAutosave")->isChecked());
}

TEST_F(BrowserPreviewTest, WithoutAutosaveAnUnchangedDocumentRewritesItsFileAndViewsAndAChangedOneIsRefused)
{
    store("Browser1", "BrowserName", "/usr/bin/firefox");
    const QString path = nameDocument("page.htm", "<P>on disk</P>");
    setAutosave(false);
    // The window in front asks as soon as the system reports another program's change;
    // keeping the editor's text makes it a change of the user's own, so it is not viewed.
    writeFile("page.htm", "changed behind the editor's back");
    messages().picks.enqueue("Keep");
    ASSERT_TRUE(QTest::qWaitFor([this] { return messages().shown.size() == 1; })) << onlyMessage().toStdString();
    choose("mnuBrowserView1");
    EXPECT_EQ(messages().shown.last().text, "You must save changes before viewing them");
    EXPECT_TRUE(starter().calls.isEmpty());
    EXPECT_EQ(readFile(path), "changed behind the editor's back");

    choose("mnuFileSave");
    messages().shown.clear();
    choose("mnuBrowserView1");
    EXPECT_TRUE(messages().shown.isEmpty());
    EXPECT_EQ(readFile(path), "<P>on disk</P>");
    expectStarted("/usr/bin/firefox", path);

    activeDocument()->editor().SetSelStart(0);
    type("edit ");
    choose("mnuBrowserView1");
    EXPECT_EQ(onlyMessage(), "You must save changes before viewing them");
    EXPECT_EQ(readFile(path), "<P>on disk</P>");
    EXPECT_EQ(starter().calls.size(), 1);
    EXPECT_TRUE(activeDocument()->state().Changed);
    EXPECT_EQ(frame().focusWidget(), activeEditor());
}

TEST_F(BrowserPreviewTest, PathsWithBlanksReachTheBrowserWholeAndABrowserOrFileThatFailsIsToldOf)
{
    const QString browser = tempPath("Web Browsers/my browser $HOME");
    store("Browser1", "BrowserName", browser);
    const QString path = nameDocument("site folder/a page; rm -rf ~ & 'x'.htm", "<P>keep</P>");
    choose("mnuBrowserView1");
    expectStarted(browser, path);
    EXPECT_TRUE(messages().shown.isEmpty());

    starter().succeed = false;
    choose("mnuBrowserView1");
    EXPECT_EQ(onlyMessage(), "Can't start the browser:\r\n" + browser + " " + path);
    EXPECT_EQ(activeDocument()->editor().Text(), "<P>keep</P>");
    EXPECT_EQ(readFile(path), "<P>keep</P>");

    // A file that cannot be written starts no browser.
    QDir(tempPath("site folder")).removeRecursively();
    choose("mnuBrowserView1");
    EXPECT_EQ(messages().shown.size(), 2);
    EXPECT_EQ(starter().calls.size(), 2);
    EXPECT_EQ(activeDocument()->editor().Text(), "<P>keep</P>");
    EXPECT_EQ(openDocuments().size(), 1);
}

} // namespace
