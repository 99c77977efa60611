#pragma once

#include "platform/memory_status.h"

#include <optional>

// Fills `figures` from the machine's memory status. Without a least free share it returns
// true; with one, true exactly when more than that share of memory is free.
bool CheckSystemMemory(const MemoryStatus &status, MemoryFigures &figures,
                       std::optional<double> MinFreePercent = std::nullopt);
