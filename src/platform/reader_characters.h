#pragma once

#include <QStringView>

// Characters as the reader sees them: one per grapheme cluster, so that a letter with its
// accents, an emoji with its skin tone and a character beyond the 16-bit range each count
// once, where the editor's positions count UTF-16 units.

// The column (from 1) of the place `offset` units into the line; a place inside a
// character is that character's column.
int ReaderColumn(QStringView line, qsizetype offset);
// How many characters the text holds.
int ReaderCharacters(QStringView text);
// The offset in units of the column (from 1) in the line; a column beyond the line's end is
// its end, one before its start is its start.
qsizetype OffsetOfReaderColumn(QStringView line, int column);
