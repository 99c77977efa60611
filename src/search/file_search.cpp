#include "search/file_search.h"

#include "platform/file_contents.h"
#include "platform/text_file_codec.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

// How much of a long line a hit shows around its match.
constexpr qsizetype ShownBefore = 80;
constexpr qsizetype ShownAfter = 160;

QList<QRegularExpression> wildcards(const QStringList &fileTypes)
{
    QList<QRegularExpression> expressions;
    for (const QString &type : fileTypes)
        if (!type.trimmed().isEmpty())
            expressions.append(QRegularExpression(QRegularExpression::wildcardToRegularExpression(type.trimmed()),
                                                  QRegularExpression::CaseInsensitiveOption));
    return expressions;
}

bool fits(const QList<QRegularExpression> &types, const QString &name)
{
    return types.isEmpty()
           || std::any_of(types.cbegin(), types.cend(), [&name](const QRegularExpression &type) {
                  return type.match(name).hasMatch();
              });
}

// The files to search, each real folder walked once: a link back up the tree is a folder
// seen already.
QStringList filesToSearch(const FileSearchRequest &request, const std::atomic<bool> &stop, FileSearchCounts &counts)
{
    const QList<QRegularExpression> types = wildcards(request.fileTypes);
    QStringList files;
    QStringList pending{request.folder};
    QSet<QString> walked;
    while (!pending.isEmpty() && !stop) {
        const QString folder = pending.takeLast();
        const QFileInfo info(folder);
        const QString real = info.canonicalFilePath();
        if (real.isEmpty() || !info.isDir() || !info.isReadable() || !info.isExecutable()) {
            ++counts.unreadable;
            continue;
        }
        if (walked.contains(real))
            continue;
        walked.insert(real);
        const QFileInfoList entries = QDir(folder).entryInfoList(
            QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name | QDir::DirsLast);
        QStringList subfolders;
        for (const QFileInfo &entry : entries) {
            if (entry.isDir()) {
                if (request.subfolders)
                    subfolders.prepend(entry.filePath());
            } else if (fits(types, entry.fileName())) {
                // A link to nothing, a pipe or a device holds nothing that can be read.
                if (entry.isFile())
                    files.append(entry.filePath());
                else
                    ++counts.unreadable;
            }
        }
        pending.append(subfolders);
    }
    return files;
}

bool looksBinary(const QByteArray &bytes)
{
    // UTF-16 and UTF-32 text holds NULs, and says so with its mark.
    for (const char *mark : {"\xFF\xFE", "\xFE\xFF", "\x00\x00\xFE\xFF"})
        if (bytes.startsWith(QByteArrayView(mark, mark[0] == 0 ? 4 : 2)))
            return false;
    return QByteArrayView(bytes).first(qMin<qsizetype>(bytes.size(), 8192)).contains('\0');
}

} // namespace

QByteArray FileFingerprint(const QByteArray &bytes)
{
    return QByteArray::number(bytes.size()) + ':' + QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

FileHits SearchText(const TextMatcher &matcher, const QString &text)
{
    FileHits found;
    int line = 1;
    qsizetype lineStart = 0;
    const auto endOfLine = [&text](qsizetype from) {
        const qsizetype end = text.indexOf(u'\n', from);
        return end < 0 ? text.size() : end;
    };
    qsizetype lineEnd = endOfLine(0);
    for (const TextMatch &match : matcher.all(text, 0, text.size())) {
        ++found.count;
        if (found.hits.size() == ListedHitsPerFile)
            continue;
        while (match.start > lineEnd) {
            ++line;
            lineStart = lineEnd + 1;
            lineEnd = endOfLine(lineStart);
        }
        const qsizetype from = qMax(lineStart, match.start - ShownBefore);
        const qsizetype to = qMin(lineEnd, match.start + match.length + ShownAfter);
        found.hits.append({match.start, match.length, line, int(match.start - lineStart) + 1,
                           text.sliced(from, qMax(to, match.start) - from), match.start - from});
    }
    return found;
}

FileSearchCounts SearchFiles(const FileSearchRequest &request, const std::atomic<bool> &stop,
                             const std::function<void(const FileHits &)> &found,
                             const std::function<void(int done, int total)> &progress)
{
    FileSearchCounts counts;
    const TextMatcher matcher(request.pattern, request.options);
    const QStringList files = filesToSearch(request, stop, counts);
    const auto total = int(files.size());
    for (int done = 0; done < total && !stop; ++done) {
        if (done % 32 == 0)
            progress(done, total);
        const QString &path = files[done];
        FileHits result;
        result.path = path;
        const QString real = QFileInfo(path).canonicalFilePath();
        QString text;
        std::optional<QByteArray> bytes;
        if (const auto open = request.openTexts.constFind(real); open != request.openTexts.cend()) {
            result.openDocument = true;
            text = *open;
        } else {
            if (QFileInfo(path).size() > LargestSearchedFile) {
                ++counts.large;
                continue;
            }
            bytes = ReadFileContents(path);
            if (!bytes) {
                ++counts.unreadable;
                continue;
            }
            if (looksBinary(*bytes)) {
                ++counts.binary;
                continue;
            }
            text = decodeTextFile(*bytes).text;
        }
        const FileHits hits = SearchText(matcher, text);
        result.count = hits.count;
        result.hits = hits.hits;
        if (result.count > 0 && bytes)
            result.fingerprint = FileFingerprint(*bytes);
        ++counts.searched;
        if (result.count > 0)
            found(result);
    }
    progress(total, total);
    return counts;
}
