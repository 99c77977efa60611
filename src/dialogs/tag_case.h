#pragma once

#include "platform/letter_case.h"

#include <QString>

// Generated HTML is written in capitals; with lower-case tags on, a builder passes the
// parts its dialog lowers through here (each dialog says which parts those are).
inline QString ApplyTagCase(const QString &text, bool lowercase)
{
    return lowercase ? LowercaseLetters(text) : text;
}
