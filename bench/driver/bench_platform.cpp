#include "bench_platform.h"

namespace {

class CancelledDialogs final : public CommonDialogBackend
{
public:
    bool showOpen(CommonDialog &) override { return false; }
    bool showSave(CommonDialog &) override { return false; }
    bool showColor(CommonDialog &) override { return false; }
    bool showFont(CommonDialog &) override { return false; }
    bool showPrinter(CommonDialog &, QPrinter &) override { return false; }
};

} // namespace

MsgAnswer CountingMessages::show(const QString &text, const QString &, MsgButtons buttons, MsgIcon)
{
    ++shown;
    lastText = text;
    // A notice is acknowledged; a question is answered No, which never loses a document.
    return buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel ? MsgAnswer::Ok : MsgAnswer::No;
}

BenchPlatform makeBenchPlatform()
{
    BenchPlatform bench;
    bench.platform = makeSystemPlatform();
    bench.platform.settings = makeMemorySettingsStore();
    bench.platform.dialogs = std::make_unique<CancelledDialogs>();
    auto messages = std::make_unique<CountingMessages>();
    bench.messages = messages.get();
    bench.platform.messages = std::move(messages);
    return bench;
}
