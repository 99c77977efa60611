#include "support/program_fixture.h"

#include "app/command_line.h"
#include "document/notepad_window.h"
#include "platform/editor_surface.h"
#include "platform/native_file_name.h"
#include "platform/rich_text_box.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QHash>
#include <QMdiArea>
#include <QMimeData>
#include <QUrl>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Every way a user has of handing the program a file to read.
enum class Way { OpenDialog, RecentItem, CommandLine, Drop, InsertFile };

std::string nameOf(Way way)
{
    const char *names[] = {"OpenDialog", "RecentItem", "CommandLine", "Drop", "InsertFile"};
    return names[int(way)];
}

class GivenFilesTest : public ProgramTest
{
protected:
    // Sends a whole drop, as a file manager or another program delivers one; without the
    // release, the drag only passes over the target.
    void drop(QWidget *target, QMimeData *data, Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction,
              bool release = true)
    {
        const QPointF middle(target->width() / 2.0, target->height() / 2.0);
        QDragEnterEvent enter(middle.toPoint(), actions, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDragMoveEvent move(middle.toPoint(), actions, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &move);
        QDropEvent dropped(middle, actions, data, Qt::LeftButton, Qt::NoModifier);
        if (release)
            QCoreApplication::sendEvent(target, &dropped);
        lastDropAction_ = release ? dropped.dropAction() : move.dropAction();
        lastDropAccepted_ = release ? dropped.isAccepted() : move.isAccepted();
        QCoreApplication::sendPostedEvents();
    }

    static std::unique_ptr<QMimeData> filesData(const QStringList &paths)
    {
        auto data = std::make_unique<QMimeData>();
        QList<QUrl> urls;
        for (const QString &path : paths)
            urls.append(QUrl::fromLocalFile(path));
        data->setUrls(urls);
        return data;
    }

    void give(Way way, const QString &path)
    {
        switch (way) {
        case Way::OpenDialog:
            choose("mnuFileOpen", path);
            break;
        case Way::RecentItem:
            // A hand-edited store may list five: the last item opens its file as the first would.
            for (int number = 1; number <= 5; ++number)
                settings().write("Recent Files", QStringLiteral("RecentFile%1").arg(number), path);
            frame().RefreshRecentFileMenus();
            choose("mnuRecentFile5");
            break;
        case Way::CommandLine:
            frame().OpenCommandLineFiles({path});
            break;
        case Way::Drop:
            drop(&frame(), filesData({path}).get());
            break;
        case Way::InsertFile:
            choose("mnuInsertFile", path);
            break;
        }
    }

    Qt::DropAction lastDropAction_ = Qt::IgnoreAction;
    bool lastDropAccepted_ = false;
};

// A missing file, a named pipe nobody writes to and a device that never ends, handed over
// every way there is: each is refused at once, and the document being edited stays changed
// (counted as saved, it would close without a question) with its tags as they were.
TEST_F(GivenFilesTest, AFileThatCannotBeReadLeavesTheDocumentBeingEditedAsItWas)
{
    const QString pipe = tempPath("pipe.html");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    store("ColorTags", "ColorTags", "True");
    store("ColorOfTags", "ColorOfTags", "255");
    for (const QString &path : {tempPath("gone.html"), pipe, QStringLiteral("/dev/zero")}) {
        for (Way way : {Way::OpenDialog, Way::RecentItem, Way::CommandLine, Way::Drop, Way::InsertFile}) {
            SCOPED_TRACE(nameOf(way) + " " + path.toStdString());
            start();
            type("<b>draft</b>");
            give(way, path);
            EXPECT_EQ(onlyMessage(), "Can't open file " + path);
            EXPECT_EQ(captions(), QStringList{"Untitled"});
            EXPECT_EQ(activeDocument()->editor().Text(), "<b>draft</b>");
            EXPECT_TRUE(activeDocument()->state().Changed);
            EXPECT_NE(colorAt(activeDocument(), 1), QColor(Qt::red));
        }
    }
}

// Color Tags on Opening paints the tags alone, and the page still counts as unchanged.
TEST_F(GivenFilesTest, TagsAreColouredOnOpeningOnlyWhenTheUserChoseSo)
{
    store("ColorOfTags", "ColorOfTags", "255");
    for (const QString chosen : {"True", "False"})
        for (Way way : {Way::OpenDialog, Way::RecentItem, Way::Drop}) {
            SCOPED_TRACE(nameOf(way) + " " + chosen.toStdString());
            store("ColorTags", "ColorTags", chosen);
            start();
            give(way, writeFile("tags.htm", "<b>x</b>"));
            ASSERT_EQ(activeDocument()->Caption(), tempPath("tags.htm"));
            EXPECT_EQ(colorAt(activeDocument(), 0) == QColor(Qt::red), chosen == "True");
            EXPECT_NE(colorAt(activeDocument(), 3), QColor(Qt::red));
            EXPECT_FALSE(activeDocument()->state().Changed);
            EXPECT_EQ(editor().SelStart(), 0);
        }
}

// However a file open already is named again (through a link, with a detour in its path),
// its window comes to the front with its unsaved text; no second window could undo it.
TEST_F(GivenFilesTest, AFileOpenAlreadyBringsItsWindowForwardHoweverItIsGiven)
{
    const QString path = writeFile("page.html", "<p>disk</p>");
    ASSERT_TRUE(QFile::link(path, tempPath("link.html")));
    for (const auto &[way, name] : {std::pair{Way::OpenDialog, tempPath("link.html")},
                                    std::pair{Way::RecentItem, temp_.path() + "/./page.html"},
                                    std::pair{Way::CommandLine, tempPath("link.html")},
                                    std::pair{Way::Drop, tempPath("link.html")}}) {
        SCOPED_TRACE(nameOf(way));
        start();
        type("draft ");
        frmNotePad *page = open(path);
        type("edited ");
        frame().mdiArea()->setActiveSubWindow(openDocuments()[0]);
        give(way, name);
        EXPECT_EQ(captions(), (QStringList{"Untitled", path}));
        EXPECT_EQ(activeDocument(), page);
        EXPECT_EQ(page->editor().Text(), "edited <p>disk</p>");
        EXPECT_TRUE(messages().shown.isEmpty());
        // Listed as any file chosen in the Open dialog is.
        if (way == Way::OpenDialog)
            EXPECT_EQ(stored("Recent Files", QStringList{"RecentFile1", "RecentFile2"}),
                      (QStringList{tempPath("link.html"), path}));
    }

    // Insert File still reads it; Save As onto it from another window writes nothing.
    frame().mdiArea()->setActiveSubWindow(openDocuments()[0]);
    give(Way::InsertFile, tempPath("link.html"));
    EXPECT_EQ(activeDocument()->editor().Text(), "draft <p>disk</p>");
    choose("mnuFileSaveAs", tempPath("link.html"));
    EXPECT_EQ(onlyMessage(), "Can't save file " + tempPath("link.html") +
                                 "\r\nIt is open in another window; save it there, or close that window first.");
    EXPECT_EQ(readFile(path), "<p>disk</p>");
}

// A link from a web page is text to insert as well; files open beside the open documents.
TEST_F(GivenFilesTest, TextDroppedInAnEditorIsTextButFilesDroppedThereOrOnTheFrameOpen)
{
    writeFile("page.html", "<i>page</i>");
    writeFile("one.html", "<h1>one</h1>");
    writeFile("two.txt", "two");
    frmMDI &frame = start();
    QWidget *viewport = activeEditor()->viewport();
    QMimeData text;
    text.setText("<hr>");
    drop(viewport, &text);
    EXPECT_EQ(captions(), QStringList{"Untitled"});
    EXPECT_EQ(activeDocument()->editor().Text(), "<hr>");
    QMimeData link;
    link.setUrls({QUrl("https://example.org/index.html")});
    link.setText("https://example.org/index.html");
    drop(viewport, &link);
    EXPECT_EQ(captions(), QStringList{"Untitled"});
    drop(viewport, filesData({tempPath("page.html")}).get());
    EXPECT_EQ(captions(), (QStringList{"Untitled", tempPath("page.html")}));
    EXPECT_EQ(activeDocument()->editor().Text(), "<i>page</i>");

    const std::unique_ptr<QMimeData> data = filesData({tempPath("one.html"), tempPath("two.txt")});
    // A drag that only passes over the window is offered the drop and opens nothing.
    drop(&frame, data.get(), Qt::CopyAction | Qt::MoveAction, false);
    EXPECT_TRUE(lastDropAccepted_);
    EXPECT_EQ(openDocuments().size(), 2);
    drop(&frame, data.get());
    EXPECT_TRUE(lastDropAccepted_);
    // A move would let the file manager take the file away.
    EXPECT_EQ(lastDropAction_, Qt::CopyAction);
    EXPECT_EQ(captions(), (QStringList{"Untitled", tempPath("page.html"), tempPath("one.html"), tempPath("two.txt")}));
    EXPECT_EQ(activeDocument()->editor().Text(), "two");
    EXPECT_EQ(openDocuments()[0]->editor().Text(), "<hr>https://example.org/index.html");
    EXPECT_TRUE(messages().shown.isEmpty());
    // A file drag that can only move is refused.
    drop(&frame, data.get(), Qt::MoveAction);
    EXPECT_FALSE(lastDropAccepted_);
    EXPECT_EQ(openDocuments().size(), 4);
}

// Names Qt cannot make: written and read through their bytes.
void writeNative(const QByteArray &name, const QByteArray &bytes)
{
    const int descriptor = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(descriptor, 0);
    EXPECT_EQ(::write(descriptor, bytes.constData(), size_t(bytes.size())), bytes.size());
    ::close(descriptor);
}

QByteArray readNative(const QByteArray &name)
{
    QFile file;
    return OpenRegularFile(file, FileNameFromNative(name)) ? file.readAll() : QByteArray("(missing)");
}

// Such a name reaches the file through its bytes: what is not there, a folder and a named
// pipe are refused as under any other name.
TEST_F(GivenFilesTest, NamesThatAreNotUtf8OpenFromTheCommandLineAndFromADrop)
{
    const QByteArray folder = QFile::encodeName(temp_.path());
    ASSERT_EQ(::mkdir(folder + "/folder\xE9", 0700), 0);
    ASSERT_EQ(mkfifo(folder + "/pipe\xE9", 0600), 0);
    for (const char *name : {"/gone\xE9", "/folder\xE9", "/pipe\xE9"})
        EXPECT_EQ(readNative(folder + name), "(missing)") << name;
    QByteArray latin = folder + "/caf\xE9.html";
    const QByteArray dropped = folder + "/\xF0\x9F\x98\x80na\xEFve\xC3.txt";
    writeNative(latin, "<p>caf\xE9</p>");
    writeNative(dropped, "two");
    char program[] = "tagsmith";
    char *argv[] = {program, latin.data()};
    const CommandLine line = parseCommandLine(commandLineArguments(2, argv), temp_.path());
    frmMDI &frame = start();
    frame.OpenCommandLineFiles(line.files);
    std::unique_ptr<QMimeData> data(new QMimeData);
    data->setUrls({QUrl::fromEncoded("file://" + dropped.toPercentEncoding("/"))});
    drop(&frame, data.get());

    const QString shownLatin = tempPath(QString::fromUtf8("caf\uFFFD.html"));
    const QString shownDropped = tempPath(QString::fromUtf8("\U0001F600na\uFFFDve\uFFFD.txt"));
    QHash<QString, frmNotePad *> opened;
    for (frmNotePad *document : openDocuments())
        opened.insert(document->Caption(), document);
    ASSERT_EQ(opened.size(), 2);
    ASSERT_TRUE(opened.contains(shownLatin) && opened.contains(shownDropped));
    EXPECT_EQ(opened[shownLatin]->editor().Text(), QString::fromUtf8("<p>caf\u00E9</p>"));
    EXPECT_EQ(opened[shownDropped]->editor().Text(), "two");
    ASSERT_EQ(messages().shown.size(), 2);
    EXPECT_EQ(messages().shown[1].text, "The name of file " + shownDropped +
                                            " is not valid UTF-8, and Tagsmith can only read such a file: saving "
                                            "writes a new file of the name shown, and this one stays as it is.");

    frame.mdiArea()->setActiveSubWindow(opened[shownDropped]);
    type("new ");
    choose("mnuFileSave");
    EXPECT_EQ(readNative(dropped), "two");
    EXPECT_EQ(readFile(shownDropped), "new two");
}

} // namespace
