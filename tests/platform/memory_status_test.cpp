#include "platform/memory_status.h"

#include <gtest/gtest.h>

namespace {

TEST(MemoryStatusTest, ReadsKernelFiguresInBytesOnOldAndNewKernelsAndZerosFromGarbage)
{
    const MemoryFigures figures = parseMeminfo("MemTotal:       16000000 kB\n"
                                               "MemFree:         1000000 kB\n"
                                               "MemAvailable:    4000000 kB\n"
                                               "Buffers:          200000 kB\n"
                                               "SwapTotal:       2000000 kB\n"
                                               "SwapFree:        1500000 kB\n");
    EXPECT_EQ(figures.TotalPhys, 16'384'000'000u);
    EXPECT_EQ(figures.AvailPhys, 4'096'000'000u);
    EXPECT_EQ(figures.TotalPageFile, 18'432'000'000u);
    EXPECT_EQ(figures.AvailPageFile, 5'632'000'000u);
    EXPECT_EQ(figures.MemoryLoad, 75);

    // Older kernels give no available count: free memory and caches stand in for it. A
    // figure without its unit is read all the same.
    const MemoryFigures older = parseMeminfo("MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 50 kB\nCached: 250\n");
    EXPECT_EQ(older.AvailPhys, 400u * 1024);
    EXPECT_EQ(older.MemoryLoad, 60);

    for (const char *text : {"", "garbage\n\n:::", "MemTotal: lots kB\n"}) {
        const MemoryFigures unreadable = parseMeminfo(text);
        EXPECT_EQ(unreadable.TotalPhys, 0u) << text;
        EXPECT_EQ(unreadable.MemoryLoad, 0) << text;
    }
}

} // namespace
