#pragma once

#include <functional>

class Program;
class SettingsStore;
class frmNotePad;

// A choice that holds for every document window at once and is remembered between runs:
// its settings section (whose key has the same name), the menu item every window carries
// for it, and whether it is on before the user ever chose.
struct EditorSwitch
{
    const char *section;
    const char *item;
    bool byDefault;
};

inline constexpr EditorSwitch LineNumbersSwitch{"LineNumbers", "mnuViewLineNumbers", true};
// The files open at a clean exit come back at the next start (app/session_files.h).
inline constexpr EditorSwitch ReopenFilesSwitch{"ReopenFiles", "mnuOptionsReopenFiles", false};
inline constexpr EditorSwitch LivePreviewSwitch{"LivePreview", "mnuViewLivePreview", false};

bool IsSwitchOn(const SettingsStore &settings, const EditorSwitch &choice);

// Stores the choice, sets the item's mark in every open window and applies it to each.
using SwitchAction = std::function<void(frmNotePad &window, bool on)>;
void SetSwitch(Program &program, const EditorSwitch &choice, bool on, const SwitchAction &apply);
