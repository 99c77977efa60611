#include "support/program_fixture.h"

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

} // namespace
