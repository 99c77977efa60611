#pragma once

#include "dialogs/dialog_results.h"
#include "platform/program_context.h"

// What a picker or an element dialog is given: the running program and the shared
// result strings. The frame owns both and hands this out; it stays valid as long as the
// frame lives.
struct DialogServices
{
    ProgramContext &program;
    DialogResults &results;
};
