#include "about/check_system_memory.h"

#include <gtest/gtest.h>

namespace {

class FixedLoad final : public MemoryStatus
{
public:
    explicit FixedLoad(int load) { figures_.MemoryLoad = load; }
    MemoryFigures read() const override { return figures_; }

private:
    MemoryFigures figures_;
};

TEST(CheckSystemMemoryTest, EnoughOnlyWhenMoreThanTheLeastShareIsFree)
{
    MemoryFigures figures;
    EXPECT_TRUE(CheckSystemMemory(FixedLoad(100), figures));
    EXPECT_EQ(figures.MemoryLoad, 100);
    EXPECT_TRUE(CheckSystemMemory(FixedLoad(74), figures, 25));
    EXPECT_FALSE(CheckSystemMemory(FixedLoad(75), figures, 25));
    EXPECT_FALSE(CheckSystemMemory(FixedLoad(100), figures, 0));
}

} // namespace
