#include "app/command_line.h"
#include "platform/native_file_name.h"

#include <gtest/gtest.h>

namespace {

CommandLine parse(const QStringList &arguments)
{
    return parseCommandLine(QStringList{QStringLiteral("tagsmith")} + arguments, QStringLiteral("/home/ann/site"));
}

TEST(CommandLineTest, HelpAndVersionWinOverWhateverElseIsGiven)
{
    EXPECT_EQ(parse({"--version"}).action, CommandLine::Action::ShowVersion);
    EXPECT_EQ(parse({"-v"}).action, CommandLine::Action::ShowVersion);
    EXPECT_EQ(parse({"index.html", "--help"}).action, CommandLine::Action::ShowHelp);
    EXPECT_EQ(parse({"--bogus", "-h"}).action, CommandLine::Action::ShowHelp);
    EXPECT_EQ(versionText(), "Tagsmith 2.9.2\n");
    EXPECT_TRUE(helpText().startsWith("Usage: tagsmith [OPTION]... [FILE]...\n"));
}

TEST(CommandLineTest, FileNamesAreTakenFromTheStartFolderInTheOrderGiven)
{
    const CommandLine line = parse({"index.html", "../notes.txt", "/tmp/a.rtf", "", "./pages/../b.htm", "-"});
    EXPECT_EQ(line.action, CommandLine::Action::Run);
    EXPECT_EQ(line.files, (QStringList{"/home/ann/site/index.html", "/home/ann/notes.txt", "/tmp/a.rtf",
                                       "/home/ann/site/b.htm", "/home/ann/site/-"}));
    EXPECT_TRUE(parse({}).files.isEmpty());
}

TEST(CommandLineTest, AfterTheDoubleDashOptionsAreFileNames)
{
    const CommandLine line = parse({"--", "--version", "-x.html", "--"});
    EXPECT_EQ(line.action, CommandLine::Action::Run);
    EXPECT_EQ(line.files, (QStringList{"/home/ann/site/--version", "/home/ann/site/-x.html", "/home/ann/site/--"}));
}

TEST(CommandLineTest, AnUnknownOptionRefusesTheWholeLineAndSaysWhich)
{
    const CommandLine line = parse({"index.html", "--bogus", "--other"});
    EXPECT_EQ(line.action, CommandLine::Action::Fail);
    EXPECT_TRUE(line.files.isEmpty());
    EXPECT_EQ(usageErrorText(line.error),
              "tagsmith: unknown option '--bogus'\nTry 'tagsmith --help' for more information.\n");
}

TEST(CommandLineTest, ANameThatIsNotUtf8KeepsEveryByte)
{
    for (const QByteArray &name : {QByteArray("caf\xC3\xA9.html"), QByteArray("caf\xE9.html"), QByteArray("\xC0\xAF"),
                                   QByteArray("\xED\xB2\x80"), QByteArray("\xF0\x9F\x98\x80\xFF"),
                                   QByteArray("\xE2\x82"), QByteArray("\xEF\xBF\xBD\xFE")}) {
        QByteArray argument = name;
        char program[] = "tagsmith";
        char *argv[] = {program, argument.data()};
        const QString kept = commandLineArguments(2, argv).at(1);
        EXPECT_EQ(NativeFileName(kept).toHex(' '), name.toHex(' '));
        EXPECT_EQ(IsQtFileName(kept), name == "caf\xC3\xA9.html");
    }
}

} // namespace
