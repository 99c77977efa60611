#include "about/check_system_memory.h"

bool CheckSystemMemory(const MemoryStatus &status, MemoryFigures &figures, std::optional<double> MinFreePercent)
{
    figures = status.read();
    if (!MinFreePercent)
        return true;
    return double(100 - figures.MemoryLoad) > *MinFreePercent;
}
