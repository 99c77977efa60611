#include "preview/engine_check.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

// One QApplication for the whole test process: widgets need it, and tests run offscreen.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // No test leaves journals in the user's own state folder.
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    // The live preview's engine refuses its sandbox to root, and ends the process instead.
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    PrepareWebEngine();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
