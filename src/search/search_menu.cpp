#include "search/search_menu.h"

#include "platform/program_context.h"

#include <QMenu>

QMenu *BuildSearchMenu(QWidget *parent, ProgramContext &program)
{
    auto *menu = new QMenu(QStringLiteral("&Search"), parent);
    menu->setObjectName(QStringLiteral("mnuSearch"));
    menu->menuAction()->setObjectName(QStringLiteral("mnuSearch"));
    for (const auto &[name, caption, keys, form] : {
             std::tuple{"mnuSearchFindInFiles", "Find in Files\u2026", "Ctrl+Shift+F", "frmFindInFiles"},
             std::tuple{"mnuSearchReplaceInFiles", "Replace in Files\u2026", "Ctrl+Shift+H", "frmReplaceInFiles"},
         }) {
        QAction *item = menu->addAction(QString::fromUtf8(caption));
        item->setObjectName(QLatin1String(name));
        item->setShortcut(QKeySequence(QLatin1String(keys)));
        const QString formName = QLatin1String(form);
        QObject::connect(item, &QAction::triggered, menu, [&program, formName] { program.ShowDialog(formName); });
    }
    return menu;
}
