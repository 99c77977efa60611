#include "platform/file_stamp.h"

#include "platform/file_contents.h"

#include <QDir>
#include <QFileInfo>
#include <QHashFunctions>

namespace {

// Two writes within this long of each other may leave the same time behind them.
constexpr qint64 coarseClockMilliseconds = 2000;

size_t hashOf(QByteArrayView bytes)
{
    return qHash(bytes, size_t(0x7a67736d));
}

} // namespace

QString CanonicalFileName(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

FileStamp StampFile(const QString &path, QByteArrayView bytes)
{
    const QFileInfo info(path);
    return {CanonicalFileName(path), info.size(), info.lastModified().toUTC(),
            QDateTime::currentDateTimeUtc(), hashOf(bytes)};
}

DiskChange CompareWithDisk(const QString &path, FileStamp &stamp)
{
    const QFileInfo info(path);
    if (!info.exists())
        return DiskChange::Gone;
    if (CanonicalFileName(path) != stamp.canonicalPath)
        return DiskChange::Changed;
    const QDateTime modified = info.lastModified().toUTC();
    const bool racy = modified.msecsTo(stamp.taken) < coarseClockMilliseconds;
    if (info.size() == stamp.size && modified == stamp.modified && !racy)
        return DiskChange::None;
    const std::optional<QByteArray> bytes = ReadFileContents(path);
    // A file the user may no longer read cannot be compared: it counts as changed, so that
    // nothing is written over it unasked.
    if (!bytes)
        return DiskChange::Changed;
    if (bytes->size() != stamp.size || hashOf(*bytes) != stamp.hash)
        return DiskChange::Changed;
    stamp = StampFile(path, *bytes);
    return DiskChange::None;
}
