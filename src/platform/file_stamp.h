#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QString>

// What a document remembers of the file it last read or wrote, to tell later whether
// another program has changed, removed or replaced it since.
struct FileStamp
{
    QString canonicalPath;  // empty: no file is remembered
    qint64 size = -1;
    QDateTime modified;
    QDateTime taken;
    size_t hash = 0;

    bool isValid() const { return !canonicalPath.isEmpty(); }
};

// The file's own path with every symbolic link and relative step resolved; for a file
// that is not there, the absolute path as written.
QString CanonicalFileName(const QString &path);

// Stamps a file with the bytes just read from it or written to it.
FileStamp StampFile(const QString &path, QByteArrayView bytes);

enum class DiskChange { None, Changed, Gone };

// Compares the file with its stamp. Size and time tell when they differ; when they agree
// but the time lies within a moment of the stamp's taking, another write in the same
// instant could hide behind them, so the bytes are compared too. A file whose bytes are
// the same after all (touched, or written back unchanged) is stamped anew and counts as
// unchanged. A path that now leads to another file (a swapped link) counts as changed.
DiskChange CompareWithDisk(const QString &path, FileStamp &stamp);
