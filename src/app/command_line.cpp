#include "app/command_line.h"

#include "platform/native_file_name.h"
#include "version.h"

#include <QDir>

QStringList commandLineArguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(FileNameFromNative(argv[i]));
    return arguments;
}

CommandLine parseCommandLine(const QStringList &arguments, const QString &startFolder)
{
    CommandLine line;
    const QDir start(startFolder);
    bool optionsEnded = false;
    for (const QString &argument : arguments.mid(1)) {
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == QLatin1String("-h") || argument == QLatin1String("--help"))) {
            line.action = CommandLine::Action::ShowHelp;
            return line;
        } else if (!optionsEnded && (argument == QLatin1String("-v") || argument == QLatin1String("--version"))) {
            line.action = CommandLine::Action::ShowVersion;
            return line;
        } else if (!optionsEnded && argument.size() > 1 && argument.startsWith(QLatin1Char('-'))) {
            // Keep looking: a help or version request later on still wins.
            if (line.error.isEmpty())
                line.error = QStringLiteral("unknown option '%1'").arg(argument);
        } else if (!argument.isEmpty()) {
            line.files.append(QDir::cleanPath(start.absoluteFilePath(argument)));
        }
    }
    if (!line.error.isEmpty()) {
        line.action = CommandLine::Action::Fail;
        line.files.clear();
    }
    return line;
}

QString versionText()
{
    return QStringLiteral("Tagsmith %1.%2.%3\n")
        .arg(tagsmith::version::Major)
        .arg(tagsmith::version::Minor)
        .arg(tagsmith::version::Revision);
}

QString helpText()
{
    return QStringLiteral("Usage: tagsmith [OPTION]... [FILE]...\n"
                          "Tagsmith, an editor for writing HTML by hand. Opens each FILE in a\n"
                          "document window of its own.\n"
                          "\n"
                          "  -h, --help     show this help and exit\n"
                          "  -v, --version  show the version and exit\n"
                          "  --             take every argument after it as a file name\n"
                          "\n"
                          "Qt's own options, such as -style or -platform, are accepted as well.\n");
}

QString usageErrorText(const QString &error)
{
    return QStringLiteral("tagsmith: %1\nTry 'tagsmith --help' for more information.\n").arg(error);
}
