#pragma once

#include <QString>

#include <ostream>

// Lets a failing comparison show text, also inside lists and tuples, rather than the bytes
// of its code units.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
