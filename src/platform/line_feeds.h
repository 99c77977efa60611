#pragma once

#include <QString>

// Text taken out of a Qt text document marks the end of each paragraph with U+2029, a
// break inside a paragraph with U+2028 and each edge of a table's frame with U+FDD0 or
// U+FDD1. Every one of them becomes "\n"; the result is how many there were.
qsizetype TurnBreaksIntoLineFeeds(QString &text);
