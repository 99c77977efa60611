#include "app/frame_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tagsmith"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tagsmith"));

    frmMDI frame(makeSystemPlatform());
    frame.MDIForm_Load();
    return app.exec();
}
