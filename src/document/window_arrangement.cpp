#include "document/notepad_window.h"

#include <QMdiArea>
#include <QStyle>

#include <algorithm>

namespace {

QList<QMdiSubWindow *> openWindows(QMdiArea *area)
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : area->subWindowList())
        if (!window->isMinimized())
            windows.append(window);
    return windows;
}

} // namespace

void frmNotePad::mnuWindowCascade_Click()
{
    // Every title bar stays in sight and each window is as large as the cascade leaves
    // room for; the window being worked in ends at the front. Qt's own cascade would
    // shrink the windows to their size hints.
    QMdiArea *area = mdiArea();
    if (!area)
        return;
    QList<QMdiSubWindow *> windows = openWindows(area);
    if (windows.isEmpty())
        return;
    if (QMdiSubWindow *active = area->activeSubWindow(); windows.removeOne(active))
        windows.append(active);
    const QSize room = area->viewport()->size();
    const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + 4;
    // The cascade starts again at the top left rather than letting windows shrink below
    // two thirds of the frame.
    const int places = std::max(1, room.height() / 3 / step + 1);
    const int offsets = std::min(int(windows.size()), places) - 1;
    const QSize size(room.width() - offsets * step, room.height() - offsets * step);
    for (int index = 0; index < windows.size(); ++index) {
        QMdiSubWindow *window = windows[index];
        const int offset = (index % places) * step;
        window->showNormal();
        window->setGeometry(QRect(QPoint(offset, offset), size));
        window->raise();
    }
    area->setActiveSubWindow(windows.last());
}

void frmNotePad::mnuWindowTile_Click()
{
    // One above the other, each as wide as the frame.
    QMdiArea *area = mdiArea();
    if (!area)
        return;
    const QList<QMdiSubWindow *> windows = openWindows(area);
    if (windows.isEmpty())
        return;
    const int height = area->viewport()->height() / int(windows.size());
    int top = 0;
    for (QMdiSubWindow *window : windows) {
        window->showNormal();
        window->setGeometry(0, top, area->viewport()->width(), height);
        top += height;
    }
}

void frmNotePad::mnuWindowArrange_Click()
{
    // Minimised windows line up along the bottom edge of the frame.
    QMdiArea *area = mdiArea();
    if (!area)
        return;
    int left = 0;
    for (QMdiSubWindow *window : area->subWindowList()) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        window->move(left, area->viewport()->height() - size.height());
        left += size.width();
    }
}
