#include "find_in_files_bench.h"

#include "generated_page.h"
#include "measurement.h"

#include "search/file_search.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

constexpr char rareWord[] = "needle";
constexpr int pagesPerFolder = 100;

// The tree, in folders of a hundred pages; the total of its bytes.
qint64 writeTree(const QString &root, int pages, qsizetype pageBytes)
{
    const QByteArray page = GeneratePage(pageBytes);
    qint64 total = 0;
    for (int index = 0; index < pages; ++index) {
        const QString folder = QStringLiteral("%1/part%2").arg(root).arg(index / pagesPerFolder);
        QDir().mkpath(folder);
        QFile file(QStringLiteral("%1/page%2.html").arg(folder).arg(index));
        QByteArray bytes = page;
        if (index % 100 == 0)
            bytes += QByteArrayLiteral("<p>") + rareWord + QByteArray::number(index) + QByteArrayLiteral("</p>\n");
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return -1;
        total += bytes.size();
    }
    return total;
}

int searchTree(const QString &root, const QString &pattern, bool expression)
{
    FileSearchRequest request;
    request.pattern = pattern;
    request.options = {expression, true, false};
    request.folder = root;
    request.fileTypes = {QStringLiteral("*.html")};
    const std::atomic<bool> stop = false;
    int files = 0;
    SearchFiles(request, stop, [&files](const FileHits &) { ++files; }, [](int, int) {});
    return files;
}

void runGrep(const QString &grep, const QStringList &arguments)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(grep, arguments);
    process.waitForFinished(-1);
}

} // namespace

QList<OperationFigures> MeasureFindInFiles(int pages, qsizetype pageBytes, int repetitions, const QString &only,
                                           const std::function<void(const OperationFigures &)> &report)
{
    QList<OperationFigures> figures;
    QTemporaryDir temp;
    const QString root = temp.filePath(QStringLiteral("tree"));
    const qint64 bytes = writeTree(root, pages, pageBytes);
    if (bytes < 0)
        return figures;
    const QString grep = QStandardPaths::findExecutable(QStringLiteral("grep"));
    const QString expression = QLatin1String(rareWord) + QStringLiteral("\\d+\\b");
    for (const auto &[name, pattern, isExpression, grepOption] : {
             std::tuple{QStringLiteral("find_in_files"), QString::fromLatin1(rareWord), false, QStringLiteral("-rn")},
             std::tuple{QStringLiteral("find_in_files_regex"), expression, true, QStringLiteral("-rnP")},
         }) {
        if (!only.isEmpty() && only != name)
            continue;
        const auto none = [] {};
        const MedianPair times = medianMilliseconds(
            repetitions, {none, [&] { searchTree(root, pattern, isExpression); }},
            {none, [&] {
                 if (!grep.isEmpty())
                     runGrep(grep, {grepOption, QStringLiteral("--include=*.html"), pattern, root});
             }},
            Turns::Alternating);
        const OperationFigures line{name, qsizetype(bytes), pages, times.first, grep.isEmpty() ? 0 : times.second};
        figures.append(line);
        report(line);
    }
    return figures;
}
