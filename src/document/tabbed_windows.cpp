#include "document/tabbed_windows.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>

namespace {

// Keeps each tab's tooltip the caption of its window, as windows come, go, are renamed
// by a save and are moved about.
class TabToolTips : public QObject
{
public:
    explicit TabToolTips(QMdiArea *area) : QObject(area), area_(area)
    {
        setObjectName(QStringLiteral("TabToolTips"));
        connect(area, &QMdiArea::subWindowActivated, this, &TabToolTips::refresh);
    }

    void follow(QTabBar *bar)
    {
        connect(bar, &QTabBar::tabMoved, this, &TabToolTips::refresh);
        refresh();
    }

    void refresh()
    {
        auto *bar = area_->findChild<QTabBar *>();
        if (!bar)
            return;
        const QList<QMdiSubWindow *> windows = area_->subWindowList();
        for (int index = 0; index < bar->count() && index < windows.size(); ++index) {
            bar->setTabToolTip(index, windows[index]->windowTitle());
            connect(windows[index], &QWidget::windowTitleChanged, this, &TabToolTips::refresh,
                    Qt::UniqueConnection);
        }
    }

private:
    QMdiArea *area_;
};

} // namespace

void SetTabbedView(QMdiArea *area, bool tabbed)
{
    if (tabbed == (area->viewMode() == QMdiArea::TabbedView))
        return;
    if (!tabbed) {
        area->setViewMode(QMdiArea::SubWindowView);
        return;
    }
    area->setViewMode(QMdiArea::TabbedView);
    area->setTabsClosable(true);
    area->setTabsMovable(true);
    auto *tips = area->findChild<TabToolTips *>(QStringLiteral("TabToolTips"), Qt::FindDirectChildrenOnly);
    if (!tips)
        tips = new TabToolTips(area);
    if (auto *bar = area->findChild<QTabBar *>()) {
        // A long path keeps its file name in sight.
        bar->setElideMode(Qt::ElideLeft);
        tips->follow(bar);
    }
}
