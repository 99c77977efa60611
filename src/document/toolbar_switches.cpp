#include "document/toolbar_switches.h"

#include "document/program.h"

#include <QAction>
#include <QString>

void RefreshToolbarMarks(Program &program, const std::function<QAction *(const QString &)> &itemNamed)
{
    for (const ToolbarSwitch &item : ToolbarSwitches)
        itemNamed(QLatin1String(item.item))->setChecked(program.ToolbarShown(item.toolbar));
}
