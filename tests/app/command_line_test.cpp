#include "app/command_line.h"
#include "platform/native_file_name.h"

#include <gtest/gtest.h>

namespace {

CommandLine parse(const QStringList &arguments)
{
    return parseCommandLine(QStringList{QStringLiteral("tagsmith")} + arguments, QStringLiteral("/home/ann/site"));
}

// Options decide the action; names are taken from the start folder in the order given and
// keep every byte, UTF-8 or not.
TEST(CommandLineTest, OptionsDecideTheActionAndNamesComeFromTheStartFolderInOrderWithEveryByte)
{
    using Action = CommandLine::Action;
    const struct { QStringList arguments; Action action; QStringList files; } cases[] = {
        // Help and version win over whatever else is given.
        {{"--version"}, Action::ShowVersion, {}},
        {{"-v"}, Action::ShowVersion, {}},
        {{"index.html", "--help"}, Action::ShowHelp, {}},
        {{"--bogus", "-h"}, Action::ShowHelp, {}},
        {{}, Action::Run, {}},
        {{"index.html", "../notes.txt", "/tmp/a.rtf", "", "./pages/../b.htm", "-"}, Action::Run,
         {"/home/ann/site/index.html", "/home/ann/notes.txt", "/tmp/a.rtf", "/home/ann/site/b.htm", "/home/ann/site/-"}},
        // After the double dash, options are file names.
        {{"--", "--version", "-x.html", "--"}, Action::Run,
         {"/home/ann/site/--version", "/home/ann/site/-x.html", "/home/ann/site/--"}},
        // An unknown option refuses the whole line.
        {{"index.html", "--bogus", "--other"}, Action::Fail, {}},
    };
    for (const auto &c : cases) {
        const CommandLine line = parse(c.arguments);
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(line.action, c.action);
        if (c.action == Action::Run || c.action == Action::Fail)
            EXPECT_EQ(line.files, c.files);
    }
    EXPECT_EQ(usageErrorText(parse({"--bogus", "--other"}).error),
              "tagsmith: unknown option '--bogus'\nTry 'tagsmith --help' for more information.\n");

    for (const QByteArray &name : {QByteArray("caf\xC3\xA9.html"), QByteArray("caf\xE9.html"), QByteArray("\xC0\xAF"),
                                   QByteArray("\xED\xB2\x80"), QByteArray("\xF0\x9F\x98\x80\xFF"),
                                   QByteArray("\xE2\x82"), QByteArray("\xEF\xBF\xBD\xFE"),
                                   // a character whose second half looks like a stray byte's stand-in
                                   QByteArray("\xF0\x9F\x92\x80\xFF")}) {
        QByteArray argument = name;
        char program[] = "tagsmith";
        char *argv[] = {program, argument.data()};
        const QString kept = commandLineArguments(2, argv).at(1);
        EXPECT_EQ(NativeFileName(kept).toHex(' '), name.toHex(' '));
        EXPECT_EQ(IsQtFileName(kept), name == "caf\xC3\xA9.html");
    }
    // Around a stray byte, whole sequences of two, three and four bytes still read as their
    // characters.
    for (const char *character : {"\xC2\xA9", "\xE0\xA4\xA8", "\xF0\x9F\x98\x80"}) {
        const QString expected = QString::fromUtf8(character);
        EXPECT_EQ(FileNameFromNative(QByteArray(character) + "\xFF").left(expected.size()), expected);
    }
}

} // namespace
