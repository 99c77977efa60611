#pragma once

#include "platform/clock.h"
#include "platform/common_dialog.h"
#include "platform/memory_status.h"
#include "platform/message_boxes.h"
#include "platform/program_starter.h"
#include "platform/settings_store.h"

#include <memory>

// Everything through which the program touches the user's machine. Production fills it
// with Qt and the operating system; tests fill it with scripted stand-ins.
struct Platform
{
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<CommonDialogBackend> dialogs;
    std::unique_ptr<MessageBoxes> messages;
    std::unique_ptr<ProgramStarter> starter;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<MemoryStatus> memory;
};

// The real machine: INI settings, Qt dialogs and message boxes, detached processes.
Platform makeSystemPlatform();
