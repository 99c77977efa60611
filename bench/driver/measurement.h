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

enum class Turns {
    // All of one side's repetitions, then all of the other's. Qt goes on laying a page out
    // from a timer after an edit: this way each side pays for what it leaves, and the
    // first side's leftovers fall into the other's warm-up.
    OneSideThenTheOther,
    // The sides take turns, so that a spell in which the machine or its disk is slower
    // weighs on both alike; for work that leaves nothing behind, such as a file's write.
    Alternating,
};

// The median times of both runs in milliseconds over the given number of repetitions,
// after one warm-up of each.
MedianPair medianMilliseconds(int repetitions, const TimedRun &first, const TimedRun &second, Turns turns);

// Starts the peak resident size afresh from the current one, where the system allows it.
void resetPeakResident();
// The process's peak and current resident size in bytes; 0 where the system tells neither.
std::uint64_t peakResidentBytes();
std::uint64_t currentResidentBytes();
