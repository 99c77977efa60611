#pragma once

#include <cstdint>
#include <functional>

// One side of a measurement: `prepare` runs untimed before every call of `run`, so each
// call starts from the same state.
struct TimedRun
{
    std::function<void()> prepare;
    std::function<void()> run;
};

struct MedianPair
{
    double first = 0;
    double second = 0;
};

// The median times of both runs in milliseconds over the given number of repetitions,
// after one warm-up of each. The two take turns, so that a spell in which the machine or
// its disk is slower weighs on both alike rather than on whichever was timed in it.
MedianPair alternatingMedianMilliseconds(int repetitions, const TimedRun &first, const TimedRun &second);

// Starts the peak resident size afresh from the current one, where the system allows it.
void resetPeakResident();
// The process's peak and current resident size in bytes; 0 where the system tells neither.
std::uint64_t peakResidentBytes();
std::uint64_t currentResidentBytes();
