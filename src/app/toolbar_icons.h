#pragma once

class QIcon;
struct ToolbarButton;

// The button's image: the desktop icon theme's where the theme has one, the image the
// program ships otherwise, so the toolbars look complete on a bare machine too.
QIcon ToolbarImage(const ToolbarButton &button);
