#pragma once

#include "app/toolbar_buttons.h"
#include "document/toolbar_switches.h"

#include <QObject>

class frmMDI;
class QAction;
class QToolBar;

// The frame's three command toolbars, docked along its top edge one below the other:
// Toolbar1 (standard), Toolbar2 (form, the taller one) and Toolbar3 (special). A button's
// object name is its key. A button whose command has not been built stays disabled
// whatever the documents do, so no button pretends to work.
class CommandToolbars : public QObject
{
public:
    explicit CommandToolbars(frmMDI &frame);

    QToolBar *Toolbar1 = nullptr;
    QToolBar *Toolbar2 = nullptr;
    QToolBar *Toolbar3 = nullptr;

    QToolBar *toolbar(ToolbarId id) const;

    // Every button usable, every toolbar shown: a document has been created or opened.
    void EnableDocumentButtons();
    // Only New and Open usable, the form and special toolbars hidden: no document is open.
    void DisableDocumentButtons();
    void ShowAll();

private:
    using ClickHandler = void (CommandToolbars::*)(const ToolbarButton &button);

    QToolBar *build(const QString &name, const QList<ToolbarButton> &buttons, int imageSize, ClickHandler click);
    // Positions count from 1, separators included.
    void setPositions(QToolBar *toolbar, const QList<int> &positions, bool enabled);
    void setAll(QToolBar *toolbar, bool enabled);

    void Toolbar1_ButtonClick(const ToolbarButton &button);
    void Toolbar2_ButtonClick(const ToolbarButton &button);
    void Toolbar3_ButtonClick(const ToolbarButton &button);

    frmMDI &frame_;
};
