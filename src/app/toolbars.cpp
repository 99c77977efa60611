#include "app/toolbars.h"

#include "app/frame_window.h"
#include "app/toolbar_icons.h"

#include <QAction>
#include <QToolBar>

namespace {

// Toolbar2 stands taller than the other two, as its buttons carry larger images.
constexpr int StandardImageSize = 20;
constexpr int FormImageSize = 32;

}  // namespace

CommandToolbars::CommandToolbars(frmMDI &frame) : QObject(&frame), frame_(frame)
{
    Toolbar1 = build(QStringLiteral("Toolbar1"), StandardButtons(), StandardImageSize,
                     &CommandToolbars::Toolbar1_ButtonClick);
    frame.addToolBarBreak();
    Toolbar2 = build(QStringLiteral("Toolbar2"), FormButtons(), FormImageSize, &CommandToolbars::Toolbar2_ButtonClick);
    frame.addToolBarBreak();
    Toolbar3 = build(QStringLiteral("Toolbar3"), SpecialButtons(), StandardImageSize,
                     &CommandToolbars::Toolbar3_ButtonClick);
}

QToolBar *CommandToolbars::build(const QString &name, const QList<ToolbarButton> &buttons, int imageSize,
                                 ClickHandler click)
{
    auto *toolbar = new QToolBar(&frame_);
    toolbar->setObjectName(name);
    toolbar->setWindowTitle(name);
    toolbar->setIconSize(QSize(imageSize, imageSize));
    // The toolbars stay docked in their order; only the menus show and hide them.
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    for (const ToolbarButton &button : buttons) {
        if (button.key.isEmpty()) {
            toolbar->addSeparator();
            continue;
        }
        QAction *action = toolbar->addAction(ToolbarImage(button), QString());
        action->setObjectName(button.key);
        action->setToolTip(button.tooltip);
        connect(action, &QAction::triggered, this, [this, click, &button] { (this->*click)(button); });
    }
    frame_.addToolBar(Qt::TopToolBarArea, toolbar);
    return toolbar;
}

QToolBar *CommandToolbars::toolbar(ToolbarId id) const
{
    switch (id) {
    case ToolbarId::Standard:
        return Toolbar1;
    case ToolbarId::Form:
        return Toolbar2;
    case ToolbarId::Special:
        break;
    }
    return Toolbar3;
}

void CommandToolbars::setPositions(QToolBar *toolbar, const QList<int> &positions, bool enabled)
{
    const QList<QAction *> actions = toolbar->actions();
    for (int position : positions) {
        QAction *action = actions.value(position - 1);
        if (action)
            action->setEnabled(enabled);
    }
}

void CommandToolbars::setAll(QToolBar *toolbar, bool enabled)
{
    QList<int> positions;
    for (int position = 1; position <= toolbar->actions().size(); ++position)
        positions.append(position);
    setPositions(toolbar, positions, enabled);
}

void CommandToolbars::EnableDocumentButtons()
{
    setAll(Toolbar1, true);
    setAll(Toolbar2, true);
    setAll(Toolbar3, true);
    ShowAll();
}

void CommandToolbars::DisableDocumentButtons()
{
    setPositions(Toolbar1, {1, 4, 5, 6, 7, 8, 9, 10}, false);
    setPositions(Toolbar1, {2, 3}, true);
    setAll(Toolbar2, false);
    setAll(Toolbar3, false);
    Toolbar1->show();
    Toolbar2->hide();
    Toolbar3->hide();
}

void CommandToolbars::ShowAll()
{
    Toolbar1->show();
    Toolbar2->show();
    Toolbar3->show();
}
