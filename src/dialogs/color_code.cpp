#include "dialogs/color_code.h"

QString ColorCodeFromValue(std::uint32_t value)
{
    const auto byteDigits = [value](int shift) {
        return QStringLiteral("%1").arg((value >> shift) & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
    };
    return byteDigits(0) + byteDigits(8) + byteDigits(16);
}
