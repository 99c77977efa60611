#pragma once

#include <QColor>

#include <cstdint>

// The platform colour number keeps red in the lowest byte, green in the middle, blue in
// the third; settings and the shared dialog store colours this way.
inline std::uint32_t toColorNumber(const QColor &color)
{
    return std::uint32_t(color.red()) | (std::uint32_t(color.green()) << 8) | (std::uint32_t(color.blue()) << 16);
}

inline QColor fromColorNumber(std::uint32_t value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}
