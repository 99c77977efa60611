#pragma once

#include <functional>

class Program;
class QAction;
class QString;

// The frame's three command toolbars, from the top edge down.
enum class ToolbarId { Standard, Form, Special };  // Toolbar1, Toolbar2, Toolbar3

// A menu item that shows and hides one toolbar. The frame's Options menu and every
// document window's View menu carry one of each, under the same object names.
struct ToolbarSwitch
{
    const char *item;
    ToolbarId toolbar;
};

inline constexpr ToolbarSwitch ToolbarSwitches[] = {
    {"mnuOptionsToolbar", ToolbarId::Form},
    {"mnuOptionsSpecialButtons", ToolbarId::Special},
    {"mnuOptionsStandardButtons", ToolbarId::Standard},
};

// Sets the check mark of each show/hide item of one menu from whether its toolbar is shown
// now; the marks are refreshed whenever such a menu opens.
void RefreshToolbarMarks(Program &program, const std::function<QAction *(const QString &)> &itemNamed);
