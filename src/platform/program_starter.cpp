#include "platform/program_starter.h"

#include <QDesktopServices>
#include <QProcess>

bool DetachedProgramStarter::start(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool DetachedProgramStarter::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}
