#include "document/notepad_window.h"

#include "document/program.h"

#include <QAction>

void frmNotePad::mnuView_Click()
{
    RefreshToolbarMarks(program_, [this](const QString &name) { return action(name); });
}

void frmNotePad::mnuOptionsToolbar_Click()
{
    program_.ToggleFormButtons(*action(QStringLiteral("mnuOptionsToolbar")));
}

void frmNotePad::mnuOptionsSpecialButtons_Click()
{
    program_.ToggleSpecialButtons(*action(QStringLiteral("mnuOptionsSpecialButtons")));
}

void frmNotePad::mnuOptionsStandardButtons_Click()
{
    program_.ToggleStandardButtons(*action(QStringLiteral("mnuOptionsStandardButtons")));
}
