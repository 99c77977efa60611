#include "platform/memory_status.h"

#include <QByteArray>
#include <QFile>
#include <QList>

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

MemoryFigures parseMeminfo(const char *text)
{
    std::uint64_t total = 0, available = 0, free = 0, buffers = 0, cached = 0, swapTotal = 0, swapFree = 0;
    bool hasAvailable = false;
    for (const QByteArray &line : QByteArray(text).split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 2)
            continue;
        bool ok = false;
        const std::uint64_t kib = fields[1].toULongLong(&ok);
        if (!ok)
            continue;
        const std::uint64_t bytes = kib * 1024;
        if (fields[0] == "MemTotal:")
            total = bytes;
        else if (fields[0] == "MemAvailable:") {
            available = bytes;
            hasAvailable = true;
        }
        else if (fields[0] == "MemFree:")
            free = bytes;
        else if (fields[0] == "Buffers:")
            buffers = bytes;
        else if (fields[0] == "Cached:")
            cached = bytes;
        else if (fields[0] == "SwapTotal:")
            swapTotal = bytes;
        else if (fields[0] == "SwapFree:")
            swapFree = bytes;
    }
    // Kernels before 3.14 have no MemAvailable; free memory plus the caches the kernel
    // gives back on demand is the figure it later came to stand for.
    if (!hasAvailable)
        available = free + buffers + cached;
    available = std::min(available, total);
    swapFree = std::min(swapFree, swapTotal);

    MemoryFigures figures;
    figures.TotalPhys = total;
    figures.AvailPhys = available;
    figures.TotalPageFile = total + swapTotal;
    figures.AvailPageFile = available + swapFree;
    figures.TotalVirtual = figures.TotalPageFile;
    figures.AvailVirtual = figures.AvailPageFile;
    figures.MemoryLoad = total ? int(((total - available) * 100) / total) : 0;
    return figures;
}

MemoryFigures SystemMemoryStatus::read() const
{
#ifdef Q_OS_WIN
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    MemoryFigures figures;
    if (GlobalMemoryStatusEx(&status)) {
        figures.MemoryLoad = int(status.dwMemoryLoad);
        figures.TotalPhys = status.ullTotalPhys;
        figures.AvailPhys = status.ullAvailPhys;
        figures.TotalPageFile = status.ullTotalPageFile;
        figures.AvailPageFile = status.ullAvailPageFile;
        figures.TotalVirtual = status.ullTotalVirtual;
        figures.AvailVirtual = status.ullAvailVirtual;
    }
    return figures;
#else
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseMeminfo(file.readAll().constData());
#endif
}
