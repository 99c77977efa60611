#pragma once

#include <QString>

// The colour reference that follows the selection: "#" and the six-digit code, in the
// code's own case whatever the tag case. With no colour chosen it is "#" alone.
inline QString BuildHexFragment(const QString &code)
{
    return QLatin1Char('#') + code;
}
