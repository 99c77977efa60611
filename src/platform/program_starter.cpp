#include "platform/program_starter.h"

#include <QProcess>

bool DetachedProgramStarter::start(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}
