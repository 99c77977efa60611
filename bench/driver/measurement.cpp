#include "measurement.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <vector>

namespace {

std::uint64_t statusField(const char *name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(name) + ':';
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toULongLong() * 1024;
    return 0;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const size_t middle = times.size() / 2;
    return times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
}

double timedMilliseconds(const TimedRun &side)
{
    side.prepare();
    QElapsedTimer timer;
    timer.start();
    side.run();
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

MedianPair medianMilliseconds(int repetitions, const TimedRun &first, const TimedRun &second, Turns turns)
{
    std::vector<double> firstTimes;
    std::vector<double> secondTimes;
    const auto time = [](const TimedRun &side, std::vector<double> &times) {
        if (times.empty())
            timedMilliseconds(side);
        times.push_back(timedMilliseconds(side));
    };
    if (turns == Turns::Alternating) {
        for (int i = 0; i < repetitions; ++i) {
            time(first, firstTimes);
            time(second, secondTimes);
        }
    } else {
        for (int i = 0; i < repetitions; ++i)
            time(first, firstTimes);
        for (int i = 0; i < repetitions; ++i)
            time(second, secondTimes);
    }
    return {median(firstTimes), median(secondTimes)};
}

void resetPeakResident()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

std::uint64_t peakResidentBytes()
{
    return statusField("VmHWM");
}

std::uint64_t currentResidentBytes()
{
    return statusField("VmRSS");
}
