#include "app/windows_in_view.h"

#include <QMdiArea>
#include <QMdiSubWindow>

void KeepWindowsInView(QMdiArea &area)
{
    const QSize room = area.viewport()->size();
    for (QMdiSubWindow *window : area.subWindowList()) {
        if (window->isMaximized() || window->isMinimized() || window->isHidden())
            continue;
        QRect place = window->geometry();
        place.setSize(place.size().boundedTo(room).expandedTo(window->minimumSize()));
        place.moveLeft(qBound(0, place.left(), qMax(0, room.width() - place.width())));
        place.moveTop(qBound(0, place.top(), qMax(0, room.height() - place.height())));
        if (place != window->geometry())
            window->setGeometry(place);
    }
}
