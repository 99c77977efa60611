#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

#include <functional>

// One measured operation: the program's own and the bare Qt work it is built on, timed
// in the same run.
struct OperationFigures
{
    QString name;
    qsizetype chars = 0;
    qsizetype tags = 0;
    double productMs = 0;
    double floorMs = 0;
    // Keys typed in one run, for the typing operations; 0 elsewhere.
    int keys = 0;
};

struct MemoryFigure
{
    qsizetype fileBytes = 0;
    std::uint64_t residentBeforeOpen = 0;
    std::uint64_t peakResidentWithPage = 0;
};

struct BenchResults
{
    QList<OperationFigures> operations;
    MemoryFigure memory;
    // Where the program and its floor disagreed about the result; empty when they agree.
    QStringList mismatches;
};

// How much the edits put in: the size of the generated fragment insert_large inserts and
// the keys each typing operation types; and the one operation to measure, where only one
// is wanted, as under a profiler.
struct Workload
{
    qsizetype insertBytes = 5'000'000;
    int typedKeys = 200;
    QString only;
};

// Opens the HTML file in a whole program on unattended seams and measures every
// operation; each line is handed to `report` as soon as it is measured.
BenchResults RunOperations(const QString &htmlFile, int repetitions, const Workload &workload,
                           const std::function<void(const OperationFigures &)> &report);
