#include "dialogs/download_estimate.h"

#include <array>
#include <utility>

namespace {

// Line speed in bits per second over ten bits per byte.
const std::array<std::pair<const char *, int>, 5> kBytesPerSecond = {{
    {"9.6", 960},
    {"14.4", 1440},
    {"28.8", 2880},
    {"33.6", 3360},
    {"56", 5600},
}};

} // namespace

const QStringList &ModemSpeeds()
{
    static const QStringList speeds = [] {
        QStringList list;
        for (const auto &[name, divisor] : kBytesPerSecond)
            list.append(QLatin1String(name));
        return list;
    }();
    return speeds;
}

std::optional<QString> DownloadTimeText(const QString &speed, qint64 fileSize)
{
    for (const auto &[name, divisor] : kBytesPerSecond)
        if (speed == QLatin1String(name))
            return QString::number(double(fileSize) / divisor, 'f', 2);
    return std::nullopt;
}
