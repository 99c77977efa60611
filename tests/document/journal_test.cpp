#include "support/program_fixture.h"

#include "document/document_journal.h"
#include "document/file_on_disk.h"
#include "document/journal_file.h"
#include "document/journal_folder.h"
#include "document/notepad_window.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"

#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QListWidget>
#include <QMdiArea>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using Ending = TextFileFormat::LineEnding;

TEST(JournalFile, KeepsEverythingAndRefusesWhatIsNotAWholeJournal)
{
    const JournalEntry plain{.caption = QStringLiteral("/tmp/a b%\n.htm"),
                             .text = QStringLiteral("\uFEFF<p>caf\u00e9 \U0001F600</p>\n\n"),
                             .lineEndings = {Ending::ParagraphSeparator, Ending::Lf},
                             .format = {TextFileFormat::Encoding::Utf16BE, true, Ending::Cr},
                             .journaled = QDateTime(QDate(2026, 3, 14), QTime(15, 9, 26, 5))};
    const JournalEntry rich{.caption = QStringLiteral("notes.rtf"),
                            .format = {TextFileFormat::Encoding::Windows1252, false, Ending::LineSeparator},
                            .richText = "{\\rtf1 {\\b x\\par}\n\n}",
                            .journaled = plain.journaled};
    for (const JournalEntry &entry : {plain, rich})
        EXPECT_EQ(DecodeJournal(EncodeJournal(entry)), entry) << entry.caption.toStdString();

    const QByteArray bytes = EncodeJournal(plain);
    const std::pair<const char *, QByteArray> broken[] = {
        {"cut short", bytes.chopped(1)},
        {"longer than said", bytes + "x"},
        {"not a journal", "<p>hello</p>"},
        {"empty", QByteArray()},
        {"unknown encoding", QByteArray(bytes).replace("utf-16be", "ebcdic")},
        {"unknown ending for new lines", QByteArray(bytes).replace("line-ending=r\n", "line-ending=x\n")},
        {"unknown line ending", QByteArray(bytes).replace("line-endings=pn", "line-endings=px")},
        {"fewer line endings than breaks", QByteArray(bytes).replace("line-endings=pn", "line-endings=p")},
        {"bad time", QByteArray(bytes).replace("journaled=2026", "journaled=x026")},
        {"unknown byte-order mark", QByteArray(bytes).replace("byte-order-mark=yes", "byte-order-mark=maybe")},
        {"unknown body", QByteArray(bytes).replace("body=text", "body=html")},
        {"text not UTF-8", QByteArray(bytes).replace("caf\xc3\xa9", "caf\xff\xfe")},
        {"no caption", QByteArray(bytes).replace("caption=", "title=")},
        {"rich text with line endings", QByteArray(bytes).replace("body=text", "body=rtf")},
    };
    for (const auto &[name, damaged] : broken)
        EXPECT_FALSE(DecodeJournal(damaged).has_value()) << name;
}

class JournalTest : public ProgramTest
{
protected:
    frmMDI &startQuick()
    {
        start();
        frame().journals().pauseMs = 1;
        return frame();
    }

    // The journal files on disk, of every run.
    QStringList journalFiles() const
    {
        QStringList files;
        QDirIterator it(JournalLocation(), {QStringLiteral("*.journal")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(it.next());
        return files;
    }

    // Typing pauses until the journals are on disk.
    void waitForJournals(qsizetype count)
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return journalFiles().size() == count; }, 5000)) << journalFiles().size();
        frame().journals().WaitForWrites();
    }

    // A run folder left behind, holding these files.
    QString putRun(const QString &name, const QList<std::pair<QString, QByteArray>> &files)
    {
        const QString run = JournalLocation() + QLatin1Char('/') + name;
        QDir().mkpath(run);
        for (const auto &[file, bytes] : files) {
            QFile out(run + QLatin1Char('/') + file);
            EXPECT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(bytes);
        }
        return run;
    }
    static QByteArray journalOf(const QString &caption)
    {
        return EncodeJournal({.caption = caption, .text = "<p>journaled</p>", .journaled = FixedClock().time});
    }
    static unsigned modeOf(const QString &path)
    {
        struct stat info {};
        return stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
    }

    // A journal of the fixed clock's time as the recovery dialog lists it.
    static QString journaled(const QString &caption)
    {
        return caption + " (journaled " + QLocale().toString(FixedClock().time, QLocale::ShortFormat) + ")";
    }

    QDialog *recoveryDialog() { return frame().findChild<QDialog *>(QStringLiteral("frmRecover")); }
    QStringList offered()
    {
        QStringList rows;
        QListWidget *list = recoveryDialog()->findChild<QListWidget *>(QStringLiteral("lstDocuments"));
        for (int i = 0; i < list->count(); ++i)
            rows.append(list->item(i)->text());
        return rows;
    }
    void answer(const char *button)
    {
        QTest::mouseClick(recoveryDialog()->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    frmNotePad *restoredDocument(const QString &caption)
    {
        for (frmNotePad *document : openDocuments())
            if (document->Caption() == caption && document->state().Changed)
                return document;
        return nullptr;
    }
};

TEST_F(JournalTest, TypingIsJournaledUntilSavedOrAnsweredForNotTakenByAnotherProgramAndACleanExitLeavesNothing)
{
    // An older run left the location open to others' eyes; the journals are the user's alone.
    ASSERT_TRUE(QDir().mkpath(JournalLocation()));
    ASSERT_EQ(chmod(QFile::encodeName(JournalLocation()).constData(), 0755), 0);
    startQuick();
    type("<p>kept</p>");
    waitForJournals(1);
    EXPECT_EQ(modeOf(journalFiles().constFirst()), 0600);
    EXPECT_EQ(modeOf(JournalLocation()), 0700);
    EXPECT_EQ(modeOf(QFileInfo(journalFiles().constFirst()).path()), 0700);
    const QByteArray journal = readFile(journalFiles().constFirst());
    EXPECT_EQ(DecodeJournal(journal)->text, "<p>kept</p>");
    EXPECT_EQ(DecodeJournal(journal)->caption, "Untitled");
    // Another program started meanwhile does not take a running program's journals.
    EXPECT_TRUE(JournalFolder(JournalLocation(), clock(), messages()).ClaimLeftRuns().isEmpty());
    EXPECT_EQ(journalFiles().size(), 1);

    choose("mnuFileSave", tempPath("kept.htm"));
    // Saved text has nothing to journal, however the journal is asked.
    DocumentJournal::Of(*activeDocument())->WriteNow();
    frame().journals().WaitForWrites();
    EXPECT_TRUE(journalFiles().isEmpty());
    // Nor has text read again by Reopen with Encoding, the typing before it given up.
    type("y");
    waitForJournals(1);
    messages().queue({MsgAnswer::Ok});
    choose("mnuFileReopenEncoding_UTF-8");
    DocumentJournal::Of(*activeDocument())->WriteNow();
    frame().journals().WaitForWrites();
    EXPECT_TRUE(journalFiles().isEmpty());

    QTest::keyClick(activeEditor(), Qt::Key_End, Qt::ControlModifier);
    type("x");
    choose("mnuFileNew");
    type("<p>thrown away</p>");
    waitForJournals(2);
    messages().queue({MsgAnswer::No});
    choose("mnuFileClose");
    frame().journals().WaitForWrites();
    ASSERT_EQ(journalFiles().size(), 1);
    EXPECT_EQ(DecodeJournal(readFile(journalFiles().constFirst()))->text, "<p>kept</p>x");
    // A file gone leaves its unsaved text journaled.
    ASSERT_TRUE(QFile::remove(tempPath("kept.htm")));
    activeDocument()->disk()->CheckOnActivation();
    frame().journals().WaitForWrites();
    EXPECT_EQ(journalFiles().size(), 1);

    messages().queue({MsgAnswer::No});
    choose("mnuFileExit");
    frame().journals().WaitForWrites();
    EXPECT_TRUE(journalFiles().isEmpty());
    start();
    EXPECT_EQ(recoveryDialog(), nullptr);
    EXPECT_TRUE(QDir(JournalLocation()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

// A journal whose endings do not match its line breaks is refused after a crash, so every
// break counts, however long the page and wherever a break falls in it.
TEST_F(JournalTest, APageWhoseLinesAllEndAlikeIsJournaledWithAnEndingForEveryBreak)
{
    startQuick();
    const QString path =
        writeFile("long.htm", QByteArray(32759, 'a') + "\r\n\r\n\r\n" + QByteArray(40000, 'b') + "\r\n");
    choose("mnuFileOpen", path);
    QTest::keyClick(activeEditor(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(activeEditor(), Qt::Key_Return, Qt::ShiftModifier);
    type("c");
    waitForJournals(1);
    const std::optional<JournalEntry> entry = DecodeJournal(readFile(journalFiles().constFirst()));
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->text, QString(32759, 'a') + "\n\n\n" + QString(40000, 'b') + "\n\nc");
    EXPECT_EQ(entry->lineEndings, LineEndings(5, Ending::CrLf));
}

TEST_F(JournalTest, AJournalThatCannotBeWrittenIsReportedOnceAndTypingGoesOn)
{
    // A file where the folder should be: nothing can be made there.
    writeFile("state", "not a folder");
    startQuick();
    type("a");
    ASSERT_TRUE(QTest::qWaitFor([this] { return messages().shown.size() == 1; }, 5000)) << onlyMessage().toStdString();
    type("b");
    QTest::qWait(20);
    EXPECT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown[0].icon, MsgIcon::Exclamation);
    // The folder that could not be made, and why.
    EXPECT_TRUE(messages().shown[0].text.endsWith("The folder " + QDir::toNativeSeparators(tempPath("state")) +
                                                  " cannot be made: Not a directory."))
        << messages().shown[0].text.toStdString();
    EXPECT_EQ(activeDocument()->editor().Text(), "ab");

    // The folder made, its journal cannot be written: a folder has taken the journal's name.
    ASSERT_TRUE(QFile::remove(tempPath("state")));
    startQuick();
    type("a");
    waitForJournals(1);
    const QString journal = journalFiles().constFirst();
    ASSERT_TRUE(QFile::remove(journal) && QDir().mkdir(journal));
    type("b");
    ASSERT_TRUE(QTest::qWaitFor([this] { return messages().shown.size() == 1; }, 5000)) << onlyMessage().toStdString();
}

TEST_F(JournalTest, RestoreAndDiscardLeaveNothingOfAKilledRunAStartClearsLeftoversAndAnUnreadableJournalIsOfferedAsSuch)
{
    for (const char *button : {"cmdRestore", "cmdDiscard"}) {
        SCOPED_TRACE(button);
        const QString killed = putRun("run-1-1", {{"1.journal", journalOf("page.htm")}, {"2.journal.Ab12Cd", "<p>half"}});
        const QString leftovers = putRun("run-2-2", {{"3.journal.Xy34Zw", "<p>half"}});
        start();
        EXPECT_FALSE(QDir(leftovers).exists());
        ASSERT_NE(recoveryDialog(), nullptr);
        EXPECT_EQ(offered().size(), 1);
        answer(button);
        EXPECT_FALSE(QDir(killed).exists());
    }
    // The fourth is whole, but its rich text cannot be read back.
    const QString run = putRun(
        "run-1-1",
        {{"1.journal", "Tagsmith journal 1\ncaption=x\n\nshort"},
         {"2.journal", journalOf("Untitled:3")},
         {"3.journal", EncodeJournal({.caption = "notes.rtf", .richText = "{\\rtf1 {\\b bold}}", .journaled = FixedClock().time})},
         {"4.journal", EncodeJournal({.caption = "lost.rtf", .richText = QByteArray(16, '\0'), .journaled = FixedClock().time})}});

    start();
    ASSERT_NE(recoveryDialog(), nullptr);
    EXPECT_EQ(offered(), QStringList({run + "/1.journal (unreadable journal)", journaled("Untitled:3"),
                                      journaled("notes.rtf"), journaled("lost.rtf")}));
    answer("cmdRestore");
    // The empty start window makes way, and the restored pages stand as Cascade puts them.
    ASSERT_EQ(openDocuments().size(), 2);
    const auto placed = [&] { return QList{openDocuments()[0]->geometry(), openDocuments()[1]->geometry()}; };
    const QList<QRect> restored = placed();
    EXPECT_NE(restored[0].topLeft(), restored[1].topLeft());
    choose("mnuWindowCascade");
    EXPECT_EQ(placed(), restored);
    ASSERT_NE(restoredDocument("Untitled:3"), nullptr);
    EXPECT_EQ(restoredDocument("Untitled:3")->editor().Text(), "<p>journaled</p>");
    ASSERT_NE(restoredDocument("notes.rtf"), nullptr);
    QTextCursor bold(restoredDocument("notes.rtf")->editor().document());
    bold.movePosition(QTextCursor::NextCharacter);
    EXPECT_EQ(bold.charFormat().fontWeight(), QFont::Bold);
    EXPECT_TRUE(QFile::exists(run + QStringLiteral("/1.journal")));
    EXPECT_FALSE(QFile::exists(run + QStringLiteral("/2.journal")));
    // What could not be restored stays on disk.
    EXPECT_EQ(restoredDocument("lost.rtf"), nullptr);
    EXPECT_TRUE(QFile::remove(run + QStringLiteral("/4.journal")));
    // Nor does it keep the place its window would have had: the next two windows take the
    // start window's place and then the lost one's.
    choose("mnuFileNew");
    choose("mnuFileNew");
    EXPECT_EQ(activeDocument()->Tag(), "4");

    start();
    ASSERT_NE(recoveryDialog(), nullptr);
    EXPECT_EQ(offered(), QStringList({run + "/1.journal (unreadable journal)"}));
    EXPECT_FALSE(recoveryDialog()->findChild<QPushButton *>("cmdRestore")->isEnabled());
    answer("cmdDiscard");
    EXPECT_FALSE(QDir(run).exists());
    EXPECT_EQ(openDocuments().size(), 1);
}

TEST_F(JournalTest, OnlyTheUsersOwnJournalsInFoldersOnlyTheUserCanWriteAreOfferedAndThatIsSaidOnce)
{
    const QString open = putRun("run-2-2", {{"1.journal", journalOf("planted.htm")}});
    ASSERT_EQ(chmod(QFile::encodeName(open).constData(), 0777), 0);
    start();
    EXPECT_EQ(recoveryDialog(), nullptr);
    EXPECT_TRUE(onlyMessage().contains("passed over")) << onlyMessage().toStdString();
    if (geteuid() != 0)
        GTEST_SKIP() << "Handing a journal to another user needs root.";
    putRun("run-1-1", {{"1.journal", journalOf("mine.htm")}});
    const QString foreign = putRun("run-3-3", {{"1.journal", journalOf("foreign.htm")}});
    ASSERT_EQ(chown(QFile::encodeName(foreign + "/1.journal").constData(), 65534, 65534), 0);
    start();
    ASSERT_NE(recoveryDialog(), nullptr);
    EXPECT_EQ(offered(), QStringList{journaled("mine.htm")});
    EXPECT_TRUE(onlyMessage().contains("passed over")) << onlyMessage().toStdString();
    answer("cmdDiscard");
    EXPECT_TRUE(QFile::exists(open + "/1.journal"));
    EXPECT_TRUE(QFile::exists(foreign + "/1.journal"));
}

// Run by the next test in a process of its own, which it kills: two documents are typed
// into, journaled, and the program is left running.
TEST_F(JournalTest, DISABLED_ChildTypesIntoTwoDocumentsAndWaitsToBeKilled)
{
    const QString shared = qEnvironmentVariable("TAGSMITH_TEST_CHILD_FOLDER");
    ASSERT_FALSE(shared.isEmpty());
    qputenv("XDG_STATE_HOME", (shared + QStringLiteral("/state")).toLocal8Bit());
    startQuick();
    type("<p>first one</p>");
    QTest::keyClick(activeEditor(), Qt::Key_Return);
    type("  second line");
    choose("mnuFileOpen", shared + QStringLiteral("/page.htm"));
    QTest::keyClick(activeEditor(), Qt::Key_End, Qt::ControlModifier);
    type("<b>added</b>");
    waitForJournals(2);
    std::puts("journaled");
    std::fflush(stdout);
    for (;;)
        QTest::qWait(1000);
}

TEST_F(JournalTest, AKilledProgramsDocumentsAreOfferedAndRestoredExactly)
{
    // UTF-16 with its mark and mixed line endings, which a restored page saves as they were.
    const auto utf16 = [](QByteArrayView ascii) {
        QByteArray bytes("\xFF\xFE", 2);
        for (char c : ascii)
            bytes.append(c).append('\0');
        return bytes;
    };
    const QString page = writeFile("page.htm", utf16("<p>on disk</p>\r\n<p>two</p>\n"));
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TAGSMITH_TEST_CHILD_FOLDER"), temp_.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), temp_.path());
    // The killed child cannot remove its temporary folders: they go with this test's.
    environment.insert(QStringLiteral("TMPDIR"), temp_.path());
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_also_run_disabled_tests"),
                 QStringLiteral("--gtest_filter=JournalTest.DISABLED_ChildTypesIntoTwoDocumentsAndWaitsToBeKilled")});
    QByteArray said;
    while (!said.contains("journaled") && child.waitForReadyRead(20000))
        said += child.readAllStandardOutput();
    ASSERT_TRUE(said.contains("journaled")) << said.toStdString() << child.readAllStandardError().toStdString();
    child.kill();
    child.waitForFinished();

    start();
    ASSERT_NE(recoveryDialog(), nullptr);
    EXPECT_EQ(offered(), QStringList({journaled("Untitled"), journaled(page)}));
    answer("cmdRestore");

    frmNotePad *untitled = restoredDocument("Untitled");
    frmNotePad *titled = restoredDocument(page);
    ASSERT_NE(titled, nullptr);
    ASSERT_NE(untitled, nullptr);
    EXPECT_EQ(untitled->editor().Text(), "<p>first one</p>\n  second line");
    EXPECT_EQ(titled->editor().Text(), "<p>on disk</p>\n<p>two</p>\n<b>added</b>");
    EXPECT_TRUE(titled->state().Changed);
    frame().journals().WaitForWrites();
    EXPECT_EQ(journalFiles().size(), 2);

    frame().mdiArea()->setActiveSubWindow(titled);
    choose("mnuFileSave");
    EXPECT_EQ(readFile(page), utf16("<p>on disk</p>\r\n<p>two</p>\n<b>added</b>"));
    frame().journals().WaitForWrites();
    EXPECT_EQ(journalFiles().size(), 1);
}

} // namespace
