#include "rtf_invariants.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

// libFuzzer entry point: every input must keep the reader's invariants (see
// rtf_invariants.h); a broken one aborts, and libFuzzer keeps the input that did it.
// Inputs it ever found belong in the suite's FoundByFuzzing cases. A run of a million
// inputs, with ASan and UBSan, from the project folder:
//   build-fuzz/rtf_reader_fuzzer -runs=1000000 -max_len=4096 -timeout=10 -detect_leaks=0 \
//       -dict=fuzz/rtf.dict build-fuzz/corpus fuzz/seeds

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static std::unique_ptr<QGuiApplication> application = std::make_unique<QGuiApplication>(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string broken = brokenRtfInvariant(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!broken.empty()) {
        std::fprintf(stderr, "%s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
