#pragma once

#include <QString>

// Case conversion one character at a time: letters change, nothing else does, and the
// text keeps its length, so positions found in it before stay valid after. A letter whose
// other case would need a different number of code units (German sharp s, for one) stays
// as it is.
QString LowercaseLetters(QString text);
QString UppercaseLetters(QString text);

