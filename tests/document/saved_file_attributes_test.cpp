#include "support/program_fixture.h"

#include <QProcess>

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
    start();
    open(page);
    type("y");
    choose("mnuFileSave");
    EXPECT_EQ(readFile(page), "y<p>x</p>");
    EXPECT_EQ(said("getfacl", {"--omit-header", page}), acl);
    EXPECT_EQ(said("getfattr", {"--only-values", "-n", "user.note", page}), QByteArray("kept"));
}

} // namespace
