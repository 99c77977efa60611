#pragma once

#include <cstdint>
#include <functional>

// The median time of `run` in milliseconds over the given number of repetitions, after
// one warm-up. `prepare` runs untimed before every call of `run`, so each call starts
// from the same state.
double medianMilliseconds(int repetitions, const std::function<void()> &prepare, const std::function<void()> &run);

// Starts the peak resident size afresh from the current one, where the system allows it.
void resetPeakResident();
// The process's peak and current resident size in bytes; 0 where the system tells neither.
std::uint64_t peakResidentBytes();
std::uint64_t currentResidentBytes();
