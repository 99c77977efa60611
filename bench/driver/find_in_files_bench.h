#pragma once

#include "operations.h"

// Find in Files over a generated tree of `pages` pages, each the generated page of about
// `pageBytes` with a rare word in every hundredth: the program's file search (walk, read,
// decode, match) against `grep -rn` for the word and `grep -rnP` for an expression, both
// timed in the same run. Each operation whose name `only` does not exclude is measured
// and handed to `report`; where grep is missing its floor is 0.
QList<OperationFigures> MeasureFindInFiles(int pages, qsizetype pageBytes, int repetitions, const QString &only,
                                           const std::function<void(const OperationFigures &)> &report);
