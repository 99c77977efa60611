#include "app/application_identity.h"
#include "app/command_line.h"
#include "app/frame_window.h"
#include "platform/large_block_reuse.h"
#include "preview/engine_check.h"

#include <QApplication>
#include <QDir>

#include <csignal>
#include <cstdio>

namespace {

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char *argv[])
{
    // Taken before start-up makes the program's folder the working folder.
    const QString startFolder = QDir::currentPath();

    // Help and version are answered before any window system is reached, so they work
    // without a display. Qt's own options are still among the arguments here; whether the
    // rest makes sense is judged once Qt has taken them out.
    const CommandLine early = parseCommandLine(commandLineArguments(argc, argv), startFolder);
    if (early.action == CommandLine::Action::ShowVersion) {
        print(stdout, versionText());
        return 0;
    }
    if (early.action == CommandLine::Action::ShowHelp) {
        print(stdout, helpText());
        return 0;
    }

    KeepLargeBlocksForReuse();
#ifdef SIGXFSZ
    // A save past the user's file-size limit fails and says so; by default the signal would
    // end the program, and every unsaved window with it.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    PrepareWebEngine();
    QApplication app(argc, argv);
    SetApplicationIdentity();

    // QApplication has taken its own options out of argv.
    const CommandLine line = parseCommandLine(commandLineArguments(argc, argv), startFolder);
    if (line.action == CommandLine::Action::Fail) {
        print(stderr, usageErrorText(line.error));
        return 2;
    }

    frmMDI frame(makeSystemPlatform());
    frame.MDIForm_Load();
    frame.OpenCommandLineFiles(line.files);
    return app.exec();
}
