#pragma once

#include <QString>

#include <cstdint>

// The six-digit code of a colour number (red in the lowest byte): upper-case hex digits
// in the order red, green, blue, leading zeros kept, no "#".
QString ColorCodeFromValue(std::uint32_t value);
