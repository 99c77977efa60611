#pragma once

#include "document/editor_switches.h"

class QMdiArea;

inline constexpr EditorSwitch TabbedWindowsSwitch{"TabbedWindows", "mnuWindowTabbedWindows", false};

// Shows the document windows as tabs (closable, movable, each with its window's caption,
// the full path, as tooltip) or as windows inside the frame. Closing a tab closes its
// window, asking about a changed document as closing the window does.
void SetTabbedView(QMdiArea *area, bool tabbed);
