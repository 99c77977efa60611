#include "find_in_files_bench.h"
#include "generated_page.h"
#include "operations.h"

#include "platform/large_block_reuse.h"
#include "preview/engine_check.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

#include <unistd.h>

// tagsmith_bench [--small | --size BYTES] [--tree-pages N] [--repetitions N] [--only OPERATION] [page.html]
//
// Times the program's own operations on a page against the bare Qt work each is built
// on, and prints one line per operation, then the peak memory with the page open as a
// multiple of the file's size. Without a page it makes one of about 2 MB; --small makes
// a page of about 20 KB, enough to see that every operation runs, and --size one of
// about the size given. insert_large puts a generated fragment of about 5 MB into the
// page and the typing operations type 200 keys each, printing the time of one key as
// well (20 KB and 20 keys with --small). Find in Files searches a generated tree of
// --tree-pages pages of about 40 KB each (500 by default, 20 with --small). The live
// preview is timed on the first 200 KB of the page: preview_refresh from a key to the page
// shown again, less the preview's pause for typing to end, and type_top_preview typing
// with the preview open against closed.
namespace {

constexpr qsizetype maxGeneratedBytes = 256'000'000;
constexpr int maxRepetitions = 1000;
constexpr int maxTreePages = 100'000;
constexpr qsizetype treePageBytes = 40'000;

struct Options
{
    QString page;
    qsizetype generatedBytes = 2'000'000;
    Workload workload;
    int repetitions = 5;
    int treePages = 500;
};

bool parse(const QStringList &arguments, Options &options)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--small")) {
            options.generatedBytes = 20'000;
            options.workload = {20'000, 20};
            options.treePages = 20;
        } else if (argument == QLatin1String("--size") && i + 1 < arguments.size()) {
            bool ok = false;
            options.generatedBytes = arguments[++i].toLongLong(&ok);
            // A page the editor could never hold is refused before any memory is taken.
            if (!ok || options.generatedBytes < 1 || options.generatedBytes > maxGeneratedBytes)
                return false;
        } else if (argument == QLatin1String("--only") && i + 1 < arguments.size()) {
            options.workload.only = arguments[++i];
        } else if (argument == QLatin1String("--tree-pages") && i + 1 < arguments.size()) {
            bool ok = false;
            options.treePages = arguments[++i].toInt(&ok);
            if (!ok || options.treePages < 1 || options.treePages > maxTreePages)
                return false;
        } else if (argument == QLatin1String("--repetitions") && i + 1 < arguments.size()) {
            bool ok = false;
            options.repetitions = arguments[++i].toInt(&ok);
            if (!ok || options.repetitions < 1 || options.repetitions > maxRepetitions)
                return false;
        } else if (!argument.startsWith(QLatin1Char('-')) && options.page.isEmpty()) {
            options.page = argument;
        } else {
            return false;
        }
    }
    return true;
}

void printLine(const OperationFigures &f)
{
    std::printf("%s chars=%lld tags=%lld product_ms=%.2f floor_ms=%.2f ratio=%.2f", qPrintable(f.name),
                static_cast<long long>(f.chars), static_cast<long long>(f.tags), f.productMs, f.floorMs,
                f.floorMs > 0 ? f.productMs / f.floorMs : 0.0);
    if (f.keys > 0)
        std::printf(" keys=%d product_ms_per_key=%.2f floor_ms_per_key=%.2f", f.keys, f.productMs / f.keys,
                    f.floorMs / f.keys);
    std::printf("\n");
    std::fflush(stdout);
}

void printMemory(const MemoryFigure &m)
{
    const double size = double(qMax<qsizetype>(m.fileBytes, 1));
    std::printf("memory file_bytes=%lld peak_rss_bytes=%llu peak_multiple=%.1f growth_multiple=%.1f\n",
                static_cast<long long>(m.fileBytes), static_cast<unsigned long long>(m.peakResidentWithPage),
                double(m.peakResidentWithPage) / size,
                double(m.peakResidentWithPage - qMin(m.peakResidentWithPage, m.residentBeforeOpen)) / size);
}

} // namespace

int main(int argc, char **argv)
{
    // As the program starts; both sides are timed in this one process, so the floor's
    // memory is kept for reuse alike.
    KeepLargeBlocksForReuse();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The live preview's engine refuses its sandbox to root, and ends the process instead.
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    PrepareWebEngine();
    QApplication app(argc, argv);
    Options options;
    if (!parse(QApplication::arguments(), options)) {
        std::fprintf(stderr,
                     "usage: tagsmith_bench [--small | --size BYTES] [--tree-pages N] [--repetitions N] [--only OPERATION] "
                     "[page.html]\n"
                     "BYTES from 1 to %lld, N from 1 to %d (pages to %d)\n",
                     static_cast<long long>(maxGeneratedBytes), maxRepetitions, maxTreePages);
        return 2;
    }
    QTemporaryDir temp;
    // Journals of the pages the driver edits stay out of the user's own state folder.
    qputenv("XDG_STATE_HOME", temp.filePath(QStringLiteral("state")).toLocal8Bit());
    if (options.page.isEmpty()) {
        options.page = temp.filePath(QStringLiteral("generated.htm"));
        QFile file(options.page);
        if (!file.open(QIODevice::WriteOnly) || file.write(GeneratePage(options.generatedBytes)) < 0) {
            std::fprintf(stderr, "cannot write the generated page to %s\n", qPrintable(options.page));
            return 1;
        }
    } else if (!QFile::exists(options.page)) {
        std::fprintf(stderr, "no such file: %s\n", qPrintable(options.page));
        return 1;
    }

    const QString &only = options.workload.only;
    const bool treeOnly = only.startsWith(QLatin1String("find_in_files"));
    BenchResults results;
    if (!treeOnly) {
        results = RunOperations(options.page, options.repetitions, options.workload, &printLine);
        printMemory(results.memory);
    }
    if (only.isEmpty() || treeOnly)
        MeasureFindInFiles(options.treePages, treePageBytes, options.repetitions, only, &printLine);
    for (const QString &mismatch : results.mismatches)
        std::fprintf(stderr, "%s\n", qPrintable(mismatch));
    return results.mismatches.isEmpty() ? 0 : 1;
}
