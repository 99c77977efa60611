#include "app/toolbar_icons.h"

#include "app/toolbar_buttons.h"

#include <QIcon>

// The images are compiled into the core library, which is static: the linker keeps them
// only when something asks for them by name.
static void loadShippedImages()
{
    Q_INIT_RESOURCE(toolbar);
}

QIcon ToolbarImage(const ToolbarButton &button)
{
    static const bool loaded = (loadShippedImages(), true);
    Q_UNUSED(loaded);
    const QIcon shipped(QStringLiteral(":/toolbar/%1.png").arg(button.image));
    if (button.themeIcon.isEmpty())
        return shipped;
    return QIcon::fromTheme(button.themeIcon, shipped);
}
