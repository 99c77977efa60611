#pragma once

#include "document/editor_switches.h"

class Program;
class frmNotePad;

inline constexpr EditorSwitch LiveTagColouringSwitch{"ColorTagsWhileTyping", "mnuOptionsColorTagsWhileTyping", true};

// Starts or stops colouring the window's page as the user types.
void ColorTagsWhileTyping(Program &program, frmNotePad &window, bool on);

// After a new tag colour was chosen: the windows coloured while typing take it up.
void RecolorLiveTags(Program &program);
