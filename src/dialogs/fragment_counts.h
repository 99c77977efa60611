#pragma once

#include <QString>

#include <optional>

// Counts typed into the table and list dialogs, and the size a generated fragment may
// reach. A fragment is bounded so that a mistyped count can neither exhaust memory nor
// hold the program up: whatever the user confirmed, nothing longer than this is built or
// inserted. Generated fragments are lines of a few characters, and the editor spends
// about as long on each line as on a hundred characters of it; this many characters (some
// 90,000 list items) go in within about a second.
inline constexpr qsizetype MaxFragmentLength = 1'000'000;

// A whole number of zero or more written in plain digits; anything else (blank, spaces,
// a sign, a fraction, letters) is no count. Very long numbers read as a value far above
// anything a fragment could hold, never as an overflowed one.
std::optional<qint64> ReadCount(const QString &text);

// The message for a count field that does not hold a count; names the field.
QString CountMessage(const QString &fieldName);
// The message for a fragment that would pass MaxFragmentLength; what is "table", "list".
QString TooLargeMessage(const QString &what);

// piece repeated count times, or nothing when the result would pass MaxFragmentLength.
std::optional<QString> RepeatWithinLimit(const QString &piece, qint64 count);
