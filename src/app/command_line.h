#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do on its command line.
struct CommandLine
{
    enum class Action { Run, ShowVersion, ShowHelp, Fail };

    Action action = Action::Run;
    // The files to open, as absolute paths, in the order given.
    QStringList files;
    // Why the command line was refused, for Action::Fail.
    QString error;
};

// The arguments as the system passed them, decoded as file names are, so that a name
// that is not valid UTF-8 still reaches its file.
QStringList commandLineArguments(int argc, char *argv[]);

// Reads the arguments (the program's own name first, as the system passes them). Help
// and version win over everything else given with them; an unknown option fails the
// whole command line. Every other argument names a file, and a relative name is taken
// from startFolder. After "--" every argument is a file name.
CommandLine parseCommandLine(const QStringList &arguments, const QString &startFolder);

QString versionText();
QString helpText();
// The complaint about a refused command line, with the way to the help.
QString usageErrorText(const QString &error);
