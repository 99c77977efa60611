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

} // namespace

double medianMilliseconds(int repetitions, const std::function<void()> &prepare, const std::function<void()> &run)
{
    std::vector<double> times;
    for (int i = 0; i <= repetitions; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        run();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        if (i > 0)
            times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    const size_t middle = times.size() / 2;
    return times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
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
