#include "support/program_fixture.h"

#include "app/status_bar.h"
#include "document/notepad_window.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QStatusBar>
#include <QTest>

namespace {

class CarefulFilesTest : public ProgramTest
{
protected:
    // The user goes to the other window and back, as after working in another program, and
    // answers a question about a change, when asked, with the button given.
    void comeBackTo(frmNotePad *window, const QString &pick = {})
    {
        if (!pick.isEmpty())
            messages().picks.enqueue(pick);
        for (frmNotePad *next : {openDocuments().first() == window ? openDocuments().last() : openDocuments().first(),
                                 window}) {
            frame().mdiArea()->setActiveSubWindow(next);
            QCoreApplication::processEvents();
        }
    }
    QString shownEncoding()
    {
        frame().findChild<DocumentStatusBar *>()->Refresh();
        return frame().findChild<QLabel *>("lblEncoding")->text();
    }
};

TEST_F(CarefulFilesTest, AChangeByAnotherProgramIsOfferedAndNeverSavedOverUnasked)
{
    start();
    const QString path = writeFile("page.html", "<p>one</p>");
    frmNotePad *page = open(path);
    writeFile("page.html", "<p>one</p>");
    comeBackTo(page);
    EXPECT_TRUE(messages().shown.isEmpty()) << "touched with the same bytes";

    writeFile("page.html", "<p>two</p>");
    comeBackTo(page, "Reload");
    comeBackTo(page);
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown[0].choices, (QStringList{"Reload", "Keep"}));
    EXPECT_EQ(page->editor().Text(), "<p>two</p>");
    EXPECT_FALSE(page->state().Changed);

    type("mine ");
    writeFile("page.html", "<p>three</p>");
    messages().shown.clear();
    // Typing is not broken into: a changed window asks when saved or next come back to.
    EXPECT_FALSE(QTest::qWaitFor([&] { return !messages().shown.isEmpty(); }, 300));
    messages().picks.enqueue("Cancel");
    choose("mnuFileSave");
    EXPECT_EQ(onlyMessage(), "The file " + path + " was changed by another program since it was opened.");
    EXPECT_EQ(messages().shown[0].choices, (QStringList{"Reload", "Save Anyway", "Cancel"}));
    EXPECT_EQ(readFile(path), "<p>three</p>");
    EXPECT_TRUE(page->state().Changed);
    messages().picks.enqueue("Save Anyway");
    choose("mnuFileSave");
    EXPECT_EQ(readFile(path), "mine <p>two</p>");
    messages().shown.clear();
    comeBackTo(page);
    EXPECT_TRUE(messages().shown.isEmpty()) << "its own save";

    // Reloading over unsaved text asks first; Keep leaves the text, counted as changed.
    type("more ");
    writeFile("page.html", "<p>four</p>");
    messages().queue({MsgAnswer::Cancel});
    comeBackTo(page, "Reload");
    EXPECT_EQ(page->editor().Text(), "mine more <p>two</p>");
    messages().picks.enqueue("Reload");
    messages().queue({MsgAnswer::Ok});
    choose("mnuFileSave");
    EXPECT_EQ(page->editor().Text(), "<p>four</p>");
    EXPECT_EQ(messages().shown.size(), 4);
    writeFile("page.html", "<p>five</p>");
    comeBackTo(page, "Keep");
    EXPECT_TRUE(page->state().Changed);
    choose("mnuFileSave");
    EXPECT_EQ(readFile(path), "<p>four</p>");

    // Another change after the one answered is asked about again, one of the same size too.
    writeFile("page.html", "<p>six</p>");
    comeBackTo(page, "Keep");
    writeFile("page.html", "<p>SIX</p>");
    messages().shown.clear();
    comeBackTo(page);
    EXPECT_EQ(onlyMessage(), "The file " + path + " was changed by another program since it was opened.");
    // Cancelled, that change is not saved over, nor asked about again.
    EXPECT_EQ(readFile(path), "<p>SIX</p>");
    messages().shown.clear();
    comeBackTo(page);
    EXPECT_TRUE(messages().shown.isEmpty());
    // Saved over another file by Save As, the page's own changed file is no question.
    writeFile("copy.html", "another file");
    choose("mnuFileSaveAs", tempPath("copy.html"));
    EXPECT_TRUE(messages().shown.isEmpty()) << onlyMessage().toStdString();

    // A change that keeps the file's time is still seen by its size.
    const QString still = writeFile("still.html", "<p>old</p>");
    const auto backdate = [&] {
        QFile file(still);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.setFileTime(QDateTime(QDate(2020, 1, 1), QTime()), QFileDevice::FileModificationTime));
    };
    backdate();
    frmNotePad *old = open(still);
    writeFile("still.html", "<p>older</p>");
    backdate();
    comeBackTo(old, "Keep");
    EXPECT_EQ(onlyMessage(), "The file " + still + " was changed by another program.\r\nDo you want to reload it?");
}

TEST_F(CarefulFilesTest, AFileGoneOrReplacedBehindItsNameIsToldOnceAndSavedAgain)
{
    start();
    const QString path = writeFile("gone.html", "<p>kept</p>");
    frmNotePad *page = open(path);
    ASSERT_TRUE(QFile::rename(path, tempPath("moved.html")));
    comeBackTo(page);
    comeBackTo(page);
    EXPECT_EQ(onlyMessage(), "The file " + path + " is no longer there: another program deleted or renamed it.\r\n"
                                                  "Its text stays in this window, and Save writes the file again.");
    EXPECT_TRUE(page->state().Changed);
    choose("mnuFileSave");
    EXPECT_EQ(readFile(path), "<p>kept</p>");
    // Saved there again, the file is told about again when it goes again.
    ASSERT_TRUE(QFile::remove(path));
    messages().shown.clear();
    comeBackTo(page);
    EXPECT_EQ(messages().shown.size(), 1);

    const QString link = tempPath("link.html");
    ASSERT_TRUE(QFile::link(writeFile("a.html", "<p>a</p>"), link));
    open(link);
    type("x");
    ASSERT_TRUE(QFile::remove(link));
    ASSERT_TRUE(QFile::link(writeFile("b.html", "<p>b</p>"), link));
    messages().shown.clear();
    choose("mnuFileSave");
    EXPECT_EQ(onlyMessage(), "The file " + link + " was changed by another program since it was opened.");
    EXPECT_EQ(readFile(tempPath("b.html")), "<p>b</p>");
}

// The page of 2,000 lines that one stray byte once turned into Windows-1252 as a whole.
TEST_F(CarefulFilesTest, APageWithAStrayByteStaysUtf8AndKeepsEveryByte)
{
    QByteArray page;
    for (int n = 1; n <= 2000; ++n)
        page += "<p>Dish " + QByteArray::number(n) + ": cr\xC3\xA8me br\xC3\xBBl\xC3\xA9" "e</p>\n";
    page.replace("Dish 1000: ", "Dish 1000: \xA3");
    page.replace("Dish 1500: ", "Dish 1500: \x80");
    start();
    const QString path = writeFile("menu.html", page);
    open(path);
    EXPECT_TRUE(onlyMessage().contains("the first, 0xA3, is on line 1000, column 15.")) << onlyMessage().toStdString();
    EXPECT_EQ(shownEncoding(), "UTF-8");
    EXPECT_EQ(frame().statusBar()->currentMessage(), "") << "the page names no charset";
    choose("mnuFileSave");
    EXPECT_EQ(readFile(path), page);
    choose("mnuFileReopenEncoding_UTF-8");
    typeCharacter(QString::fromUtf8("\u2192"));
    choose("mnuFileSave");
    EXPECT_EQ(readFile(path), "\xE2\x86\x92" + page);

    // No other encoding can take the byte back: it goes there as the letter it stands for.
    choose("mnuFileSaveEncoding_UTF-16 LE with BOM");
    QByteArray letters = "\xE2\x86\x92" + page;
    const QString text = QString::fromUtf8(letters.replace("\xA3", "\xC2\xA3").replace("\x80", "\xE2\x82\xAC"));
    EXPECT_EQ(activeDocument()->editor().Text(), text);
    EXPECT_EQ(readFile(path), "\xFF\xFE" + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2));
}

TEST_F(CarefulFilesTest, TheUserChoosesTheEncodingAPageIsReadAndSavedIn)
{
    const QByteArray koi8 = "<meta charset=\"koi8-r\"><p>\xF0\xD2\xC9\xD7\xC5\xD4</p>\n";
    start();
    // A page never saved has no file to read again.
    emit activeDocument()->findChild<QMenu *>("mnuFile")->aboutToShow();
    EXPECT_FALSE(activeDocument()->findChild<QMenu *>("mnuFileReopenEncoding")->isEnabled());
    const QString path = writeFile("ru.html", koi8);
    frmNotePad *page = open(path);
    choose("mnuFileSaveEncoding_Windows-1252");
    EXPECT_EQ(readFile(path), koi8) << "saved as it was read";
    // Once chosen, the encoding reads the file again after another program's change.
    open(writeFile("other.html", ""));
    writeFile("ru.html", "caf\xC3\xA9");
    comeBackTo(page, "Reload");
    EXPECT_EQ(page->editor().Text(), QString::fromUtf8("caf\u00C3\u00A9"));
    writeFile("ru.html", koi8);
    comeBackTo(page, "Reload");
    EXPECT_EQ(frame().statusBar()->currentMessage(),
              "The page's <meta> names the charset koi8-r, but it is read and saved as Windows-1252; File > Save with "
              "Encoding or Reopen with Encoding can make them agree.");
    type("x");
    choose("mnuFileReopenEncoding_KOI8-R");
    EXPECT_TRUE(page->editor().Text().startsWith("x")) << "a Cancel keeps the unsaved text";
    messages().queue({MsgAnswer::Ok});
    choose("mnuFileReopenEncoding_KOI8-R");
    EXPECT_EQ(page->editor().Text(), QString::fromUtf8("<meta charset=\"koi8-r\"><p>Привет</p>\n"));
    EXPECT_EQ(shownEncoding(), "KOI8-R");
    // Reopened in an encoding, the page is read in it again after another program's change.
    writeFile("ru.html", koi8.chopped(1));
    comeBackTo(page, "Reload");
    EXPECT_EQ(shownEncoding(), "KOI8-R");
    choose("mnuFileSave");
    EXPECT_EQ(readFile(path), koi8.chopped(1));

    messages().shown.clear();
    page->editor().SetSelStart(24);
    typeCharacter(QString::fromUtf8("\u20AC"));
    choose("mnuFileSaveEncoding_ISO-8859-2");
    EXPECT_EQ(onlyMessage(), "Can't save " + path + " in ISO-8859-2\r\nThe character U+20AC (\u20AC) on line 1, "
                                                     "column 25 has no place in it. Nothing was written.");
    EXPECT_EQ(readFile(path), koi8.chopped(1));
    choose("mnuFileSaveEncoding_UTF-16 LE with BOM");
    EXPECT_EQ(readFile(path).left(6), QByteArray("\xFF\xFE<\0m\0", 6));
    EXPECT_EQ(shownEncoding(), "UTF-16 LE");
    messages().shown.clear();
    choose("mnuFileReopenEncoding_UTF-16 LE");
    EXPECT_TRUE(messages().shown.isEmpty()) << "read back whole";
    EXPECT_EQ(menuItem("mnuFileReopenEncoding_UTF-16 LE with BOM"), nullptr) << "a mark is read, not chosen";

    // The rest of the converters' encodings, listed once the user looks.
    auto *more = activeDocument()->findChild<QMenu *>("mnuFileReopenEncodingMore");
    ASSERT_NE(more, nullptr);
    emit more->aboutToShow();
    choose("mnuFileReopenEncoding_windows-1251");
    EXPECT_EQ(shownEncoding(), "windows-1251");
}

TEST_F(CarefulFilesTest, ReopenFilesAtStartBringsBackACleanExitsFilesBeforeTheCommandLines)
{
    start();
    choose("mnuOptionsReopenFiles");
    const QString one = writeFile("one.html", "<p>one</p>\n<p>two</p>");
    const QString two = writeFile("two.html", "<p>two</p>");
    open(one)->editor().SetSelStart(12);
    open(two);
    frame().mdiArea()->setActiveSubWindow(openDocuments()[1]);
    // A caret moved counts as a change here: not saved.
    messages().queue({MsgAnswer::No});
    frame().close();
    ASSERT_TRUE(QFile::remove(two));

    start().OpenCommandLineFiles({});
    EXPECT_EQ(captions(), QStringList{one});
    EXPECT_EQ(onlyMessage(), "These files of the last session are no longer there and were not opened again:\r\n" + two);
    EXPECT_EQ(activeDocument()->editor().SelStart(), 12);
    EXPECT_FALSE(activeDocument()->state().Changed) << "the caret put back is no change";
    frame().close();

    const QString three = writeFile("three.html", "<p>three</p>");
    start().OpenCommandLineFiles({three});
    EXPECT_EQ(captions(), (QStringList{one, three}));
    EXPECT_EQ(activeDocument()->Caption(), three);
    // The window in front at exit is in front again.
    frame().mdiArea()->setActiveSubWindow(openDocuments()[0]);
    messages().queue({MsgAnswer::No});
    frame().close();
    start().OpenCommandLineFiles({});
    EXPECT_EQ(activeDocument()->Caption(), one);
    // With no file open, the frame's own Options menu turns it off.
    messages().queue({MsgAnswer::No, MsgAnswer::No});
    closeAll();
    choose("mnuOptionsReopenFiles");
    open(three);
    frame().close();
    start().OpenCommandLineFiles({});
    EXPECT_EQ(captions(), QStringList{"Untitled"});
}

} // namespace
