#pragma once

class ProgramContext;
class QMenu;
class QWidget;

// The Search menu, after the classic menus of the frame's bar and of each document's:
// Find in Files (Ctrl+Shift+F) and Replace in Files (Ctrl+Shift+H) show their dialogs.
QMenu *BuildSearchMenu(QWidget *parent, ProgramContext &program);
