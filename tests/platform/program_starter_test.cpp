#include "platform/program_starter.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(ProgramStarterTest, ArgumentReachesTheProgramWholeWithNoShellBetweenAndAMissingOneIsNotStarted)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the stand-in program is a shell script";
#endif
    QTemporaryDir temp;
    const QString folder = temp.filePath("my programs $HOME");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString report = temp.filePath("report.txt");
    const QString program = folder + "/show args";
    QFile script(program);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '%1.part'\nmv '%1.part' '%1'\n")
                     .arg(report).toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);

    const QString argument = temp.filePath("a page; touch pwned & 'x'.htm");
    DetachedProgramStarter starter;
    ASSERT_TRUE(starter.start(program, {argument}));

    QDeadlineTimer deadline(20000);
    while (!QFile::exists(report) && !deadline.hasExpired())
        QTest::qWait(20);
    QFile result(report);
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(result.readAll()), "1|" + argument);
    // A missing program is reported as not started.
    EXPECT_FALSE(starter.start(temp.filePath("no such browser"), {"page.htm"}));
}

} // namespace
