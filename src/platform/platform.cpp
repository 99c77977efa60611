#include "platform/platform.h"

#include "platform/qt_common_dialog.h"

Platform makeSystemPlatform()
{
    Platform platform;
    platform.settings = makeIniSettingsStore();
    platform.dialogs = std::make_unique<QtCommonDialogBackend>();
    platform.messages = std::make_unique<QtMessageBoxes>();
    platform.starter = std::make_unique<DetachedProgramStarter>();
    platform.clock = std::make_unique<SystemClock>();
    platform.memory = std::make_unique<SystemMemoryStatus>();
    return platform;
}
