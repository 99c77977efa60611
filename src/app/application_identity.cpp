#include "app/application_identity.h"

#include <QGuiApplication>

void SetApplicationIdentity()
{
    QGuiApplication::setApplicationName(QStringLiteral("tagsmith"));
    QGuiApplication::setDesktopFileName(QStringLiteral("tagsmith"));
}
