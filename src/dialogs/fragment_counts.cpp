#include "dialogs/fragment_counts.h"

#include <QLocale>

#include <algorithm>

namespace {

// Far beyond any count that fits the limit, and small enough that length arithmetic
// with it cannot overflow.
constexpr qint64 CountCeiling = qint64(1) << 40;

}

std::optional<qint64> ReadCount(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (const QChar character : text) {
        if (character < QLatin1Char('0') || character > QLatin1Char('9'))
            return std::nullopt;
        value = std::min(value * 10 + (character.unicode() - '0'), CountCeiling);
    }
    return value;
}

QString CountMessage(const QString &fieldName)
{
    return fieldName + QStringLiteral(" must be a whole number of 0 or more.");
}

QString TooLargeMessage(const QString &what)
{
    return QStringLiteral("This %1 would be too large to insert: it would hold more than %2 characters.")
        .arg(what, QLocale(QLocale::English).toString(qint64(MaxFragmentLength)));
}

std::optional<QString> RepeatWithinLimit(const QString &piece, qint64 count)
{
    if (count < 0 || (!piece.isEmpty() && count > MaxFragmentLength / piece.size()))
        return std::nullopt;
    return piece.repeated(count);
}
