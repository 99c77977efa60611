#include "platform/file_contents.h"

#include "platform/file_attributes.h"
#include "platform/native_file_name.h"

#include <QFile>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// An unbuffered write cut short by a full disk or a size limit returns what fit; only the
// next attempt fails and tells why.
bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0)
            return false;
        written += step;
    }
    return true;
}

#ifdef Q_OS_UNIX
// The temporary file is the writer's own: it takes the old file's owner and group, which
// works only where the user may hand them over (root, or a group of the user's own).
bool takeOwnerOf(QSaveFile &file, const struct stat &old)
{
    struct stat made {};
    return fstat(file.handle(), &made) == 0
           && ((made.st_uid == old.st_uid && made.st_gid == old.st_gid)
               || fchown(file.handle(), old.st_uid, old.st_gid) == 0);
}

// Makes sure the new content fits before any old byte is overwritten: a disk that is too
// full or a file-size limit fails here, while the old content is still whole.
bool reserveRoom(QFile &file, qint64 size, QString &error)
{
    if (size == 0)
        return true;
    const int result = posix_fallocate(file.handle(), 0, size);
    // A file system that cannot reserve room is written without.
    if (result == 0 || result == EOPNOTSUPP)
        return true;
    error = QString::fromLocal8Bit(std::strerror(result));
    return false;
}
#else
bool reserveRoom(QFile &, qint64, QString &)
{
    return true;
}
#endif

enum class Replaced { Done, Failed, NotPossible };

Replaced replaceWhole(const QString &path, const QByteArray &bytes, QString &error)
{
#ifdef Q_OS_UNIX
    struct stat old {};
    const bool exists = stat(QFile::encodeName(path).constData(), &old) == 0;
    // Another name of the same file would keep the old content.
    if (exists && old.st_nlink > 1)
        return Replaced::NotPossible;
#endif
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Replaced::NotPossible;
#ifdef Q_OS_UNIX
    // Where the old file's owner, ACL or attributes cannot be given to the new one, the
    // old file is written in place and keeps them.
    if (exists && (!takeOwnerOf(file, old) || !CopyFileAttributes(path, file.handle()))) {
        file.cancelWriting();
        return Replaced::NotPossible;
    }
#endif
    if (!writeAll(file, bytes)) {
        error = file.errorString();
        return Replaced::Failed;
    }
    // Written whole, the new file can still fail to take the old one's place: a name at
    // the length limit leaves no room for the longer one it is first linked under.
    return file.commit() ? Replaced::Done : Replaced::NotPossible;
}

bool writeInPlace(const QString &path, const QByteArray &bytes, QString &error)
{
    QFile file(path);
    const bool existed = file.exists();
    // Opened for reading as well, so that opening does not empty the file.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        error = file.errorString();
        return false;
    }
    const qint64 oldSize = file.size();
    if (reserveRoom(file, bytes.size(), error)) {
        if (writeAll(file, bytes) && file.resize(bytes.size()))
            return true;
        error = file.errorString();
    }
    // Whatever the reservation added goes again, and a file made just now goes altogether.
    if (existed)
        file.resize(oldSize);
    else
        file.remove();
    return false;
}

} // namespace

std::optional<QByteArray> ReadFileContents(const QString &path)
{
    QFile file;
    // What opened may no longer be the regular file looked at a moment ago.
    if (!OpenRegularFile(file, path) || file.isSequential())
        return std::nullopt;
    QByteArray bytes = file.read(file.size());
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

bool WriteFileContents(const QString &path, const QByteArray &bytes, QString &error)
{
    const Replaced replaced = replaceWhole(path, bytes, error);
    if (replaced != Replaced::NotPossible)
        return replaced == Replaced::Done;
    return writeInPlace(path, bytes, error);
}
