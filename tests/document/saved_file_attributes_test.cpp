#include "support/program_fixture.h"

#include "platform/growing_read.h"

#include <QProcess>

#include <sys/stat.h>

namespace {

// What a tool of the acl or attr packages says, or nothing when it fails.
std::optional<QByteArray> said(const QString &program, const QStringList &arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    const bool ran = tool.waitForFinished() && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    return ran ? std::optional(tool.readAllStandardOutput()) : std::nullopt;
}

using SavedFileAttributesTest = ProgramTest;

TEST_F(SavedFileAttributesTest, SavingKeepsTheFilesAclAndUserAttributes)
{
    const QString page = writeFile("shared.htm", "<p>x</p>");
    if (!said("setfacl", {"-m", "u:nobody:rw", page}) || !said("setfattr", {"-n", "user.note", "-v", "kept", page}))
        GTEST_SKIP() << "Needs setfacl and setfattr (Debian acl and attr) on a file system with ACLs and user attributes.";
    const std::optional<QByteArray> acl = said("getfacl", {"--omit-header", page});
    ASSERT_TRUE(acl && acl->contains("user:nobody:rw-"));
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(page).constData(), &before), 0);
    start();
    open(page);
    type("y");
    choose("mnuFileSave");
    EXPECT_EQ(readFile(page), "y<p>x</p>");
    // Taken over whole, so the save was the safe one: a new file put in the old one's place.
    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(page).constData(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino);
    EXPECT_EQ(said("getfacl", {"--omit-header", page}), acl);
    EXPECT_EQ(said("getfattr", {"--only-values", "-n", "user.note", page}), QByteArray("kept"));
}

// Another program may add to a file's attributes while they are read: a list that grew is
// read again, and one that keeps growing is not passed off as read.
TEST(ReadGrowing, ReadsAgainWhatGrewAndGivesUpWhatKeepsGrowing)
{
    for (const int growths : {1, 3, 4}) {
        SCOPED_TRACE(growths);
        QByteArray list = "user.a";
        int growthsLeft = growths;
        QByteArray buffer;
        const bool read = ReadGrowing(buffer, [&](char *data, size_t size) -> ssize_t {
            if (data && growthsLeft > 0) {
                --growthsLeft;
                list += "user.b";
                errno = ERANGE;
                return -1;
            }
            if (data)
                std::copy_n(list.cbegin(), std::min(size, size_t(list.size())), data);
            return list.size();
        });
        EXPECT_EQ(read, growths < 4);
        if (read)
            EXPECT_EQ(buffer, list);
    }
    // A size that cannot be asked is no list; a value of no bytes is one.
    QByteArray buffer = "old";
    EXPECT_FALSE(ReadGrowing(buffer, [](char *, size_t) -> ssize_t {
        errno = EACCES;
        return -1;
    }));
    EXPECT_TRUE(ReadGrowing(buffer, [](char *, size_t) -> ssize_t { return 0; }));
    EXPECT_EQ(buffer, "");
}

} // namespace
