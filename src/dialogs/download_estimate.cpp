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

// fileSize / bytesPerSecond written with two decimals, halves rounded up. Worked out in
// whole hundredths: in binary floating point 216 / 2880 lies just below 0.075 and would
// round down to 0.07.
QString secondsText(qint64 fileSize, int bytesPerSecond)
{
    const qint64 whole = fileSize / bytesPerSecond;
    const qint64 rest = fileSize % bytesPerSecond;
    const qint64 hundredths = whole * 100 + (rest * 200 + bytesPerSecond) / (2 * bytesPerSecond);
    return QStringLiteral("%1.%2").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

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
            return secondsText(fileSize, divisor);
    return std::nullopt;
}
