#include "support/program_fixture.h"

#include "document/line_length_limit.h"
#include "document/notepad_window.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using OpenSaveTest = ProgramTest;

QByteArray windows1252Controls()
{
    QByteArray bytes("<p>");
    for (int b = 0x80; b <= 0x9F; ++b)
        bytes.append(char(b));
    return bytes + "</p>\r\n";
}

TEST_F(OpenSaveTest, OpenThenSaveGivesBackTheIdenticalBytes)
{
    const std::pair<const char *, QByteArray> files[] = {
        {"Utf8", "<p>caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80</p>\n"},
        {"Utf8WithMark", "\xEF\xBB\xBF<p>\xC3\xA9</p>\r\n"},
        {"Windows1252", windows1252Controls()},
        {"CrLf", "<html>\r\n<body>\r\n</body>\r\n</html>\r\n"},
        {"Lf", "<html>\n<body>\n</body>\n</html>\n"},
        {"Cr", "<html>\r<body>\r</body>\r</html>\r"},
        {"NoFinalLineBreak", "<p>a</p>\r\n<p>b</p>"},
        {"Empty", QByteArray()},
        {"MixedCrLfLfCr", "<p>\r\na\nb\n\rc\r\n\n</p>"},
        {"MixedFromAnEmptyFirstLine", "\r\na\nb\n"},
        {"Utf8Separators", "<p>a\xE2\x80\xA8" "b\xE2\x80\xA9\xE2\x80\xA9" "c\r\n</p>\xE2\x80\xA8"},
        // U+2027, U+202A, U+FDCF and U+FDD2: beside the separators, yet ordinary characters.
        {"NextToSeparators", "<p>\xE2\x80\xA7\xE2\x80\xAA\xEF\xB7\x8F\xEF\xB7\x92</p>\n"},
        {"TheCharacterAStrayByteIsShownAs", "<p>\xEF\x9E\xA3</p>\n"},
        {"Utf16LE", QByteArray("\xFF\xFE<\0p\0>\0\xE9\0\x3D\xD8\x00\xDE\r\0\n\0", 18)},
        {"Utf16BE", QByteArray("\xFE\xFF\0<\x20\xAC\0\n\0\r\0\n\x20\x28", 14)},
        {"Utf16MarkAlone", QByteArray("\xFF\xFE", 2)},
        {"Utf32LE", QByteArray("\xFF\xFE\0\0<\0\0\0\0\xF6\x01\0\r\0\0\0", 16)},
        {"Utf32BE", QByteArray("\0\0\xFE\xFF\0\0\0<\0\0\x20\x29\0\0\0\n", 16)},
        {"Utf16MarkOddLength", QByteArray("\xFF\xFE<\0p", 5)},
        {"Utf16MarkLoneSurrogate", QByteArray("\xFE\xFF\xD8\x00\0<", 6)},
        {"Utf32MarkBeyondUnicode", QByteArray("\0\0\xFE\xFF\0\x11\0\0", 8)},
    };
    start();
    for (const auto &[name, bytes] : files) {
        SCOPED_TRACE(name);
        const QString path = writeFile(QString::fromLatin1(name) + ".htm", bytes);
        open(path);
        choose("mnuFileSave");
        EXPECT_TRUE(messages().shown.isEmpty());
        EXPECT_EQ(readFile(path).toHex(' '), bytes.toHex(' '));
    }
    // Saving a document that has a file asks for no name.
    EXPECT_EQ(dialogs().requests.size(), qsizetype(std::size(files)));
}

TEST_F(OpenSaveTest, AnEditedFileKeepsItsEncodingAndBecomesUtf8OnlyWhenTheUserAgrees)
{
    start();
    const QString wide = writeFile("wide.htm", QByteArray("\xFF\xFE<\0p\0>\0\r\0\n\0", 12));
    open(wide);
    EXPECT_EQ(editor().Text(), "<p>\n");
    editor().SetSelStart(3);
    typeCharacter(QString::fromUtf8("\u00E9"));
    choose("mnuFileSave");
    EXPECT_EQ(readFile(wide).toHex(' '), QByteArray("\xFF\xFE<\0p\0>\0\xE9\0\r\0\n\0", 14).toHex(' '));

    // An eight-bit file holds what Windows-1252 holds; anything else asks first.
    const QString path = writeFile("old.htm", "caf\xE9\r\n");
    open(path);
    activeDocument()->editor().SetSelStart(4);
    typeCharacter(QString::fromUtf8("\u20AC"));
    choose("mnuFileSave");
    EXPECT_EQ(readFile(path), "caf\xE9\x80\r\n");

    typeCharacter(QString::fromUtf8("\u4E2D"));
    choose("mnuFileSave");
    EXPECT_TRUE(onlyMessage().contains("which cannot hold the character U+4E2D (\u4E2D) on line 1, column 6."))
        << onlyMessage().toStdString();
    EXPECT_EQ(readFile(path), "caf\xE9\x80\r\n");
    // Declined while closing, the question keeps the window and its text.
    messages().queue({MsgAnswer::Yes, MsgAnswer::Cancel});
    choose("mnuFileClose");
    EXPECT_TRUE(captions().contains(path));
    messages().queue({MsgAnswer::Ok});
    choose("mnuFileSave");
    EXPECT_EQ(readFile(path), "caf\xC3\xA9\xE2\x82\xAC\xE4\xB8\xAD\r\n");

    // A character the editor cannot hold is told of on opening, before a save changes it.
    messages().shown.clear();
    const QString frames = writeFile("frames.htm", "<p>\r\n\xEF\xB7\x91\xEF\xB7\x90</p>\r\n");
    open(frames);
    EXPECT_EQ(onlyMessage(), "Can't keep file " + frames + " exactly as it is\r\n"
                             "The editor cannot hold the character U+FDD1 on line 2: "
                             "it shows and saves U+FFFD in its place.");
    EXPECT_EQ(activeDocument()->editor().Text(), QString::fromUtf8("<p>\n\uFFFD\uFFFD</p>\n"));
    choose("mnuFileSave");
    EXPECT_EQ(readFile(frames), "<p>\r\n\xEF\xBF\xBD\xEF\xBF\xBD</p>\r\n");
    messages().shown.clear();
    open(writeFile("one.htm", "\xEF\xB7\x91one \xEF\xB7\x90"));
    EXPECT_TRUE(onlyMessage().contains("the character U+FDD1 on line 1")) << onlyMessage().toStdString();
    messages().shown.clear();
    open(writeFile("two.htm", "\xEF\xB7\x90two\n\xEF\xB7\x91"));
    EXPECT_TRUE(onlyMessage().contains("the character U+FDD0 on line 1")) << onlyMessage().toStdString();
}

TEST_F(OpenSaveTest, EditedLinesKeepTheirOwnEndingAndNewLinesTakeTheCommonestOne)
{
    start();
    const QString path = writeFile("mixed.htm", "a\nb\r\nc\r\nd\xE2\x80\xA8" "e");
    open(path);
    activeDocument()->editor().SetSelStart(1);
    type("1");
    QTest::keyClick(activeEditor(), Qt::Key_Return);
    type("new");
    activeDocument()->editor().SetSelStart(12);
    type("4");
    choose("mnuFileSave");
    EXPECT_EQ(readFile(path), "a1\nnew\r\nb\r\nc\r\nd4\xE2\x80\xA8" "e");

    // Two lines joined keep the ending of the second.
    activeDocument()->editor().SetSelection(2, 4);
    QTest::keyClick(activeEditor(), Qt::Key_Delete);
    choose("mnuFileSave");
    EXPECT_EQ(readFile(path), "a1\r\nb\r\nc\r\nd4\xE2\x80\xA8" "e");

    // A line broken with Shift+Enter inside a line takes the new lines' ending, and the
    // line keeps its own.
    activeDocument()->editor().SetSelStart(8);
    QTest::keyClick(activeEditor(), Qt::Key_Return, Qt::ShiftModifier);
    choose("mnuFileSave");
    EXPECT_EQ(readFile(path), "a1\r\nb\r\nc\r\nd\r\n4\xE2\x80\xA8" "e");
}

TEST_F(OpenSaveTest, RtfInLowerCaseIsRichTextBothWaysAndInUpperCasePlainText)
{
    start();
    const QString upper = writeFile("letter.RTF", "{\\rtf1\\ansi {\\b bold}}\r\n");
    EXPECT_EQ(open(upper)->editor().Text(), "{\\rtf1\\ansi {\\b bold}}\n");
    type("x");
    choose("mnuFileSave");
    EXPECT_EQ(readFile(upper), "x{\\rtf1\\ansi {\\b bold}}\r\n");

    const QString path = writeFile("letter.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 plain {\\b bold}\\par}");
    frmNotePad *opened = open(path);
    EXPECT_EQ(opened->editor().Text(), "plain bold");
    EXPECT_FALSE(opened->state().Changed);
    QTextCursor cursor(opened->RichTextBox1->document());
    cursor.setPosition(8);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
    type("new ");
    choose("mnuFileSave");
    EXPECT_TRUE(messages().shown.isEmpty());
    EXPECT_TRUE(readFile(path).startsWith("{\\rtf1"));
    EXPECT_FALSE(activeDocument()->state().Changed);
    EXPECT_EQ(open(path)->editor().Text(), "new plain bold");

    choose("mnuFileNew");
    type("<p>text</p>");
    choose("mnuFileSaveAs", tempPath("page.rtf"));
    EXPECT_TRUE(readFile(tempPath("page.rtf")).startsWith("{\\rtf1"));
}

TEST_F(OpenSaveTest, APageWithALineTooLongToLayOutIsRefusedBeforeAnyWindowIsHeldUp)
{
    start();
    type("<p>mine</p>");
    const QByteArray line = "<p>" + QByteArray("word ").repeated(LongestLineShown / 5) + "</p>";
    const QString why = QStringLiteral("Line %1 holds 1,000,007 characters; Tagsmith opens pages whose lines hold at most "
                                       "1,000,000.");
    // A paragraph separator (U+2029) ends a line as a line feed does.
    const QByteArray separator = "\xE2\x80\xA9";
    const QByteArray half = QByteArray("word ").repeated(LongestLineShown / 10);
    for (const auto &[name, bytes, number] : {std::tuple{"long.htm", "<html>\n" + line + "\n</html>", 2},
                                              std::tuple{"separated.htm", "<b>" + separator + "\n" + line, 3},
                                              std::tuple{"long.rtf", "{\\rtf1\\ansi " + line + "\\par}", 1}}) {
        messages().shown.clear();
        open(writeFile(name, bytes));
        EXPECT_EQ(onlyMessage(), "Can't open file " + tempPath(name) + "\r\n" + why.arg(number)) << name;
        EXPECT_EQ(openDocuments().size(), 1) << name;
    }
    messages().shown.clear();
    choose("mnuInsertFile", tempPath("long.htm"));
    EXPECT_EQ(onlyMessage(), "Can't open file " + tempPath("long.htm") + "\r\n" + why.arg(2));
    EXPECT_EQ(activeDocument()->editor().Text(), "<p>mine</p>");
    // Lines that together pass the limit, each ended by a separator, are no long line.
    open(writeFile("halves.htm", "<html>\n" + half + separator + half + "</p>" + separator + half + "\n"));
    EXPECT_EQ(openDocuments().size(), 2);
    EXPECT_EQ(activeDocument()->slot(), 2) << "the place of the refused window is free again";
}

// Lowers the file-size limit while it lives, as "ulimit -f" does; the signal the limit
// raises is ignored, so a write past it fails with "File too large".
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &lowered), 0);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, handler_);
    }

private:
    rlimit saved_{};
    void (*handler_)(int);
};

// Root may write anywhere: while this lives, and when it is asked to, permissions count for
// the test as they do for an ordinary user.
class AsOrdinaryUser
{
public:
    explicit AsOrdinaryUser(bool when = true) : root_(when && geteuid() == 0)
    {
        if (root_)
            EXPECT_EQ(seteuid(nobody), 0);
    }
    ~AsOrdinaryUser()
    {
        if (root_)
            EXPECT_EQ(seteuid(0), 0);
    }
    static constexpr uid_t nobody = 65534;

private:
    const bool root_;
};

constexpr QFile::Permissions everyoneMayWrite = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                                QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
constexpr QFile::Permissions enterable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                         QFile::ReadOther | QFile::ExeOther;

// The file stays writable to everyone in a folder no one but root may write to, a folder
// the ordinary user can still reach.
void lockFolderAround(const QString &file)
{
    const QString folder = QFileInfo(file).path();
    const QString parent = QFileInfo(folder).path();
    QFile::setPermissions(file, everyoneMayWrite);
    QFile::setPermissions(folder, enterable);
    QFile::setPermissions(parent, QFileInfo(parent).permissions() | QFile::ExeGroup | QFile::ExeOther);
}

// The longest name a folder holds: the file itself can be made, but no temporary file
// with a longer name beside it, at any privilege.
QString longestName(const QString &suffix)
{
    return QString(255 - suffix.size(), QLatin1Char('n')) + suffix;
}

QByteArray richTextOfSize(int size)
{
    return "{\\rtf1\\ansi " + QByteArray(size, 'r') + "}";
}

TEST_F(OpenSaveTest, ASaveCutShortKeepsTheOldFileWholeSaysWhyAndLeavesTheDocumentChanged)
{
    // Why the new content cannot come in as a new file, so that it is written in place.
    enum class InPlace { No, LockedFolder, HardLinked };
    const struct
    {
        const char *name;
        QString fileName;
        QByteArray old;
        InPlace inPlace = InPlace::No;
    } files[] = {
        {"Plain", "page.htm", QByteArray(40000, 'p')},
        {"Rich", "page.rtf", richTextOfSize(40000)},
        {"PlainInPlace", "page.htm", QByteArray(40000, 'p'), InPlace::LockedFolder},
        {"RichInPlace", "page.rtf", richTextOfSize(40000), InPlace::LockedFolder},
        {"PlainHardLinked", "page.htm", QByteArray(40000, 'p'), InPlace::HardLinked},
    };
    for (const auto &file : files) {
        SCOPED_TRACE(file.name);
        const QDir folder(tempPath(file.name));
        folder.mkpath(".");
        const QString path = writeFile(QLatin1String(file.name) + '/' + file.fileName, file.old);
        if (file.inPlace == InPlace::HardLinked)
            ASSERT_EQ(link(QFile::encodeName(path), QFile::encodeName(folder.filePath("other.htm"))), 0);
        if (file.inPlace == InPlace::LockedFolder)
            lockFolderAround(path);
        start();
        open(path);
        type("new ");
        const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden);
        {
            const FileSizeLimit limit(16 * 1024);
            const AsOrdinaryUser user(file.inPlace == InPlace::LockedFolder);
            choose("mnuFileSave");
        }
        EXPECT_EQ(onlyMessage(), "Can't save file " + path + "\r\nFile too large");
        EXPECT_TRUE(readFile(path) == file.old);
        EXPECT_EQ(activeDocument()->Caption(), path);
        EXPECT_TRUE(activeDocument()->state().Changed);
        EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden), entries) << "a file left behind";
        // So that the temporary folder can go.
        QFile::setPermissions(folder.path(), enterable | QFile::WriteOwner);
    }
}

// Files the user may write: an ordinary one, and those a save beside them cannot replace, or
// must not.
enum class Writable { Ordinary, InReadOnlyFolder, LongestName, SymbolicLink, HardLink, OtherOwner };

ino_t inodeOf(const QString &path)
{
    struct stat status {};
    EXPECT_EQ(stat(QFile::encodeName(path).constData(), &status), 0);
    return status.st_ino;
}

class SaveWherever : public OpenSaveTest, public ::testing::WithParamInterface<Writable>
{
protected:
    // Makes the file, holding "old"; every name it has, the one the user opens first.
    QStringList makeFile()
    {
        switch (GetParam()) {
        case Writable::Ordinary:
            return {writeFile("page.htm", "old")};
        case Writable::InReadOnlyFolder:
            QDir(temp_.path()).mkdir("locked");
            lockFolderAround(writeFile("locked/page.htm", "old"));
            return {tempPath("locked/page.htm")};
        case Writable::LongestName:
            return {writeFile(longestName(".htm"), "old")};
        case Writable::SymbolicLink:
            QDir(temp_.path()).mkdir("real");
            writeFile("real/page.htm", "old");
            QFile::link("real/page.htm", tempPath("link.htm"));
            return {tempPath("link.htm"), tempPath("real/page.htm")};
        case Writable::HardLink:
            writeFile("page.htm", "old");
            link(QFile::encodeName(tempPath("page.htm")), QFile::encodeName(tempPath("other.htm")));
            return {tempPath("page.htm"), tempPath("other.htm")};
        case Writable::OtherOwner:
            writeFile("page.htm", "old");
            QFile::setPermissions(tempPath("page.htm"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
            EXPECT_EQ(chown(QFile::encodeName(tempPath("page.htm")), AsOrdinaryUser::nobody, AsOrdinaryUser::nobody), 0);
            return {tempPath("page.htm")};
        }
        return {};
    }
};

TEST_P(SaveWherever, TheUserMayWriteTheFileAndKeepsItsModeOwnerAndLinks)
{
    if (GetParam() == Writable::OtherOwner && geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another user";
    start();
    const QStringList names = makeFile();
    const QString path = names[0];
    const bool symbolicLink = QFileInfo(path).isSymLink();
    const QString target = QFileInfo(path).canonicalFilePath();
    const QFile::Permissions mode = QFileInfo(target).permissions();
    const uint owner = QFileInfo(target).ownerId();
    const uint group = QFileInfo(target).groupId();
    const QDir folder = QFileInfo(target).dir();
    const ino_t inode = inodeOf(target);
    const auto save = [this] {
        const AsOrdinaryUser user(GetParam() == Writable::InReadOnlyFolder);
        choose("mnuFileSave");
    };
    open(path);
    type("new ");
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    save();

    EXPECT_TRUE(messages().shown.isEmpty()) << messages().shown.value(0).text.toStdString();
    EXPECT_FALSE(activeDocument()->state().Changed);
    for (const QString &name : names)
        EXPECT_EQ(readFile(name), "new old") << name.toStdString();
    EXPECT_EQ(QFileInfo(path).isSymLink(), symbolicLink);
    EXPECT_EQ(QFileInfo(path).canonicalFilePath(), target);
    EXPECT_EQ(QFileInfo(target).permissions(), mode);
    EXPECT_EQ(QFileInfo(target).ownerId(), owner);
    EXPECT_EQ(QFileInfo(target).groupId(), group);
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden | QDir::System), entries) << "a file left behind";
    // Wherever a new file can take the old one's place, it does: a crash halfway through
    // the save leaves the old content whole.
    const bool replaceable = GetParam() == Writable::Ordinary || GetParam() == Writable::SymbolicLink ||
                             GetParam() == Writable::OtherOwner;
    EXPECT_EQ(inodeOf(target) != inode, replaceable);

    choose("mnuEditSelectAll");
    QTest::keyClick(activeEditor(), Qt::Key_Delete);
    save();
    for (const QString &name : names)
        EXPECT_EQ(readFile(name), "") << name.toStdString();
    // So that the temporary folder can go.
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

INSTANTIATE_TEST_SUITE_P(Files, SaveWherever,
                         ::testing::Values(Writable::Ordinary, Writable::InReadOnlyFolder, Writable::LongestName, Writable::SymbolicLink,
                                           Writable::HardLink, Writable::OtherOwner));

// Another program rewrote the page in a folder the user may not write to and left it
// read-only: the save the user still asks for fails, says why, and keeps the text.
TEST_F(OpenSaveTest, SaveAnywayOverAFileAnotherProgramMadeReadOnlyKeepsTheText)
{
    start();
    QDir(temp_.path()).mkdir("locked");
    const QString path = writeFile("locked/page.htm", "old");
    lockFolderAround(path);
    open(path);
    type("mine ");
    writeFile("locked/page.htm", "theirs");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadOther);
    messages().picks.enqueue("Save Anyway");
    {
        const AsOrdinaryUser user;
        choose("mnuFileSave");
    }
    ASSERT_EQ(messages().shown.size(), 2);
    EXPECT_EQ(messages().shown[1].text, "Can't save file " + path + "\r\nPermission denied");
    EXPECT_EQ(readFile(path), "theirs");
    EXPECT_TRUE(activeDocument()->state().Changed);
    EXPECT_EQ(activeDocument()->editor().Text(), "mine old");
}

} // namespace
