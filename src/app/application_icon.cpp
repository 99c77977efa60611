#include "app/application_icon.h"

// Outside any namespace, as the resource initialiser requires.
static void registerIconResource()
{
    // The resource lives in a static library: nothing would pull its registration into
    // the program unless it is asked for by name.
    Q_INIT_RESOURCE(application_icon);
}

QIcon applicationIcon()
{
    registerIconResource();
    return QIcon(QStringLiteral(":/icons/tagsmith.svg"));
}
