#pragma once

#include <cstdint>

// The machine's memory figures in bytes, as the About box shows them. The page file is
// physical memory plus swap where the system has no page file of its own.
struct MemoryFigures
{
    int MemoryLoad = 0;  // percent of physical memory in use
    std::uint64_t TotalPhys = 0;
    std::uint64_t AvailPhys = 0;
    std::uint64_t TotalPageFile = 0;
    std::uint64_t AvailPageFile = 0;
    std::uint64_t TotalVirtual = 0;
    std::uint64_t AvailVirtual = 0;
};

class MemoryStatus
{
public:
    virtual ~MemoryStatus() = default;
    virtual MemoryFigures read() const = 0;
};

class SystemMemoryStatus final : public MemoryStatus
{
public:
    MemoryFigures read() const override;
};

// Reads the figures out of the text of /proc/meminfo; kept apart so it can be tested.
MemoryFigures parseMeminfo(const char *text);
