#pragma once

#include "platform/platform.h"

// The program's seams for an unattended run: settings kept in memory, so the user's own
// file is neither read nor changed; every message box answered at once and counted; the
// file dialog always cancelled.
class CountingMessages final : public MessageBoxes
{
public:
    MsgAnswer show(const QString &text, const QString &title, MsgButtons buttons, MsgIcon icon) override;
    int choose(const QString &text, const QString &, const QStringList &choices, MsgIcon) override
    {
        ++shown;
        lastText = text;
        return int(choices.size()) - 1;
    }
    int shown = 0;
    QString lastText;
};

// The platform, and the message counter inside it (owned by the platform).
struct BenchPlatform
{
    Platform platform;
    CountingMessages *messages = nullptr;
};

BenchPlatform makeBenchPlatform();
