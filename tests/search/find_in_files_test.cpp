#include "search/search_fixture.h"

#include "document/notepad_window.h"
#include "platform/rich_text_box.h"
#include "search/file_search_panel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTreeWidget>

namespace {

class FindInFilesTest : public SearchTest
{
protected:
    FileSearchPanel &panel() { return frame().FileSearch(); }

    QString put(const QString &name, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(tempPath(name)).absolutePath());
        return writeFile(name, bytes);
    }

    // The menu item, the texts typed, the expression box ticked if asked (left as it is
    // otherwise), Find, and the search waited for unless asked not to.
    void search(const char *item, const char *formName, const QString &pattern, bool expression,
                const QString &with = QString(), bool wait = true)
    {
        choose(QLatin1String(item));
        enter(formName, "Text1", pattern);
        if (!with.isNull())
            enter(formName, "Text2", with);
        enter(formName, "txtFolder", tempPath("tree"));
        if (expression)
            tick(formName, "chkRegularExpression", true);
        QTest::mouseClick(control<QPushButton>(formName, "cmdFind"), Qt::LeftButton);
        if (wait)
            ASSERT_TRUE(QTest::qWaitFor([this] { return !panel().isRunning(); }, 20000));
    }

    // Each row of the dock as "file (count)" and its matches as "line:column text".
    QStringList rows()
    {
        QStringList seen;
        QTreeWidget *tree = panel().results();
        for (int index = 0; index < tree->topLevelItemCount(); ++index) {
            QTreeWidgetItem *file = tree->topLevelItem(index);
            seen << QDir(tempPath("tree")).relativeFilePath(file->text(0)) + " (" + file->text(1) + ")";
            for (int child = 0; child < file->childCount(); ++child)
                seen << "  " + file->child(child)->text(0) + " " + file->child(child)->text(1);
        }
        return seen;
    }

    QString status() { return panel().findChild<QLabel *>("lblFindStatus")->text(); }

    void activate(int file, int match)
    {
        QTreeWidget *tree = panel().results();
        tree->setCurrentItem(tree->topLevelItem(file)->child(match));
        QTest::keyClick(tree, Qt::Key_Return);
    }
};

TEST_F(FindInFilesTest, FindsInEachEncodingAndInUnsavedTextSkipsWhatItCannotSearchAndLeadsToEachMatch)
{
    start();
    put("tree/a.html", "one needle\r\nNeedle two\r\n");
    put("tree/sub/b.htm", QByteArray("\xFF\xFEx\0 \0n\0e\0e\0d\0l\0e\0", 18));
    put("tree/sub/c.txt", "\ncaf\xE9 needle\r");
    put("tree/d.bin", "needle");
    put("tree/e.js", QByteArray("needle\0", 7));
    put("tree/sub/open.html", "needle on disk");
    QFile::link(tempPath("tree"), tempPath("tree/sub/loop"));
    QFile::link(tempPath("tree/none"), tempPath("tree/broken.html"));
    open(tempPath("tree/sub/open.html"));
    activeEditor()->selectAll();
    type("typed needle, not saved");

    choose("mnuSearchFindInFiles");
    EXPECT_EQ(control<QLineEdit>("frmFindInFiles", "txtFolder")->text(), tempPath("tree/sub"));
    search("mnuSearchFindInFiles", "frmFindInFiles", "needle", false);
    EXPECT_EQ(rows(), QStringList({"a.html (2 matches)", "  1:5 one needle", "  2:1 Needle two", "sub/b.htm (1 match)",
                                   "  1:3 x needle", "sub/c.txt (1 match)", "  2:6 caf\u00E9 needle",
                                   "sub/open.html (1 match)", "  1:7 typed needle, not saved"}));
    EXPECT_EQ(status(), "5 matches in 4 files (4 files searched, 1 binary skipped, 1 unreadable)");
    EXPECT_FALSE(panel().findChild<QPushButton *>("cmdGo")->isEnabled()) << "a search has nothing to carry out";
    EXPECT_EQ(stored("FindInFilesFolder", "FindInFilesFolder"), tempPath("tree"));

    // Return on a match opens its file, or goes to its window, with the match selected.
    activate(0, 1);
    EXPECT_EQ(activeDocument()->Caption(), tempPath("tree/a.html"));
    EXPECT_EQ(activeDocument()->editor().SelStart(), 11);
    EXPECT_EQ(activeDocument()->editor().SelText(), "Needle");
    activate(3, 0);
    EXPECT_EQ(activeDocument()->Caption(), tempPath("tree/sub/open.html"));
    EXPECT_EQ(activeDocument()->editor().SelText(), "needle");
    EXPECT_EQ(openDocuments().size(), 3) << "the first, untitled window stays";

    // Whole words with case, and an expression across a line break.
    choose("mnuSearchFindInFiles");
    control<QCheckBox>("frmFindInFiles", "chkCase")->click();
    search("mnuSearchFindInFiles", "frmFindInFiles", "needle\\s+N", true);
    EXPECT_EQ(rows(), QStringList({"a.html (1 match)", "  1:5 one needle"}));
    // A match that begins with a line break is listed on the line the break ends.
    search("mnuSearchFindInFiles", "frmFindInFiles", "\\nNeedle", true);
    EXPECT_EQ(rows(), QStringList({"a.html (1 match)", "  1:11 one needle"}));
    search("mnuSearchFindInFiles", "frmFindInFiles", "needle(", true);
    EXPECT_EQ(messages().shown.last().text,
              "Can't use the regular expression \"needle(\": missing closing parenthesis at offset 7");
}

TEST_F(FindInFilesTest, ReplaceInFilesKeepsEachFilesBytesButTheMatchesAndLeavesAFileChangedMeanwhile)
{
    start();
    const QString mixed = put("tree/mixed.html", "\xEF\xBB\xBFk=1\r\nk=2\nend\rlast\r\n");
    QFile::setPermissions(mixed, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    const QFileDevice::Permissions mode = QFile::permissions(mixed);
    const QString cr = put("tree/cr.txt", "caf\xE9 k=3\rk=4\r");
    const QString wide = put("tree/wide.htm", QByteArray("\xFE\xFF\0k\0=\0005\0\n", 10));
    const QString meanwhile = put("tree/meanwhile.html", "k=6");
    const QString later = put("tree/later.html", "k=0");
    const QString opened = put("tree/open.html", "k=7");
    // A window open for the search and closed before Go, its file gone since.
    const QString closed = put("tree/closed.html", "k=8");
    frmNotePad *closedWindow = open(closed);
    const QString edited = put("tree/edited.html", "k=9");
    frmNotePad *editedWindow = open(edited);
    open(opened);

    search("mnuSearchReplaceInFiles", "frmReplaceInFiles", "k=(\\d)\\n?", true, "$1=k ");
    EXPECT_EQ(rows().filter("(").join(", "),
              "closed.html (1 match), cr.txt (2 matches), edited.html (1 match), later.html (1 match), meanwhile.html (1 match), "
              "mixed.html (2 matches), open.html (1 match), wide.htm (1 match)");
    EXPECT_EQ(status(), "10 matches in 8 files (8 files searched)");
    put("tree/meanwhile.html", "k=6 changed");
    // A file opened only after the search is the open window's now.
    open(later);
    open(opened);
    editedWindow->editor().SetText("k=9 typed");
    closedWindow->close();
    QFile::remove(closed);
    messages().shown.clear();
    QTest::mouseClick(panel().findChild<QPushButton *>("cmdGo"), Qt::LeftButton);

    EXPECT_EQ(readFile(mixed), "\xEF\xBB\xBF" "1=k 2=k end\rlast\r\n");
    EXPECT_EQ(QFile::permissions(mixed), mode);
    EXPECT_EQ(readFile(cr), "caf\xE9 3=k 4=k ");
    EXPECT_EQ(readFile(wide), QByteArray("\xFE\xFF\0005\0=\0k\0 ", 10));
    EXPECT_EQ(readFile(meanwhile), "k=6 changed");
    EXPECT_EQ(readFile(opened), "k=7");
    EXPECT_EQ(activeDocument()->editor().Text(), "7=k ");
    activeEditor()->undo();
    EXPECT_EQ(activeDocument()->editor().Text(), "k=7");
    EXPECT_EQ(onlyMessage(), "6 replacements made: 3 files written, 1 open documents changed (not saved)\r\n"
                             "Left alone, changed since the search:\r\n" + closed + "\r\n" + edited + "\r\n" + later + "\r\n" + meanwhile);
    EXPECT_EQ(readFile(later), "k=0");
    EXPECT_FALSE(panel().findChild<QPushButton *>("cmdGo")->isEnabled());
}

// The list holds the first 20,000 matches, up to 1,000 of each file; the status says so
// only when more were found. A file of exactly 50 MB is still searched.
TEST_F(FindInFilesTest, TheListStopsAtTwentyThousandMatchesAndSaysSoOnlyWhenMoreWereFound)
{
    start();
    for (int file = 0; file < 20; ++file)
        put(QStringLiteral("tree/%1.txt").arg(file), QByteArray("k|x\n").repeated(1000));
    search("mnuSearchFindInFiles", "frmFindInFiles", "k|x", false);
    EXPECT_EQ(status(), "20000 matches in 20 files (20 files searched)");
    put("tree/one.txt", "k|x");
    search("mnuSearchFindInFiles", "frmFindInFiles", "k|x", false);
    EXPECT_EQ(status(), "20001 matches in 21 files (21 files searched); the first 20000 are listed");
    QFile file(put("tree/big.txt", {}));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.resize(50LL * 1024 * 1024));
    file.close();
    search("mnuSearchFindInFiles", "frmFindInFiles", "k|x", false);
    EXPECT_EQ(status(), "20001 matches in 21 files (21 files searched, 1 binary skipped); the first 20000 are listed");
}

TEST_F(FindInFilesTest, StopOrClosingTheFrameMidSearchEndsTheThread)
{
    start();
    for (int index = 0; index < 300; ++index)
        put(QStringLiteral("tree/%1/p%2.html").arg(index % 10).arg(index), QByteArray(4000, 'x') + "needle");
    search("mnuSearchFindInFiles", "frmFindInFiles", "needle", false, QString(), false);
    EXPECT_TRUE(panel().isRunning());
    QTest::mouseClick(panel().findChild<QPushButton *>("cmdStop"), Qt::LeftButton);
    EXPECT_FALSE(panel().isRunning());
    QCoreApplication::processEvents();
    EXPECT_TRUE(status().startsWith("Stopped: ")) << status().toStdString();

    search("mnuSearchFindInFiles", "frmFindInFiles", "needle", false, QString(), false);
    EXPECT_TRUE(panel().isRunning());
    frame().close();
    EXPECT_FALSE(panel().isRunning());
    // What the thread sent before it stopped arrives harmlessly.
    QCoreApplication::processEvents();
    EXPECT_LE(panel().files().size(), 300);
}

}  // namespace
