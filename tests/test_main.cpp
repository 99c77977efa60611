#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// One QApplication for the whole test process: widgets need it, and tests run offscreen.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // No test leaves journals in the user's own state folder.
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
