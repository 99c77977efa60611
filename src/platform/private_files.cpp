#include "platform/private_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef Q_OS_UNIX

namespace {

bool statOf(const QString &path, struct stat &info)
{
    // The entry itself: a link could lead anywhere.
    return lstat(QFile::encodeName(path).constData(), &info) == 0;
}

} // namespace

bool MakePrivateFolder(const QString &path, QString &failed, QString &reason)
{
    const QString folder = QDir::cleanPath(path);
    const qsizetype slash = folder.lastIndexOf(QLatin1Char('/'));
    if (slash > 0 && !QFileInfo(folder.left(slash)).isDir() && !MakePrivateFolder(folder.left(slash), failed, reason))
        return false;
    const QByteArray name = QFile::encodeName(folder);
    int result = mkdir(name.constData(), 0700);
    if (result != 0 && errno == EEXIST) {
        // A folder the user has linked elsewhere is still the user's own.
        struct stat info {};
        result = stat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode) ? 0 : -1;
        // Closed to others, and no more open to the user than it was.
        if (result == 0 && info.st_uid == geteuid() && (info.st_mode & 077) != 0)
            result = chmod(name.constData(), info.st_mode & 0700);
        else if (result != 0)
            errno = ENOTDIR;
    }
    if (result == 0)
        return true;
    reason = QString::fromLocal8Bit(std::strerror(errno));
    failed = folder;
    return false;
}

bool IsPrivateFolder(const QString &path)
{
    struct stat info {};
    return statOf(path, info) && S_ISDIR(info.st_mode) && info.st_uid == geteuid() &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

bool IsOwnFile(const QString &path)
{
    struct stat info {};
    return statOf(path, info) && S_ISREG(info.st_mode) && info.st_uid == geteuid() && info.st_nlink == 1;
}

#else

bool MakePrivateFolder(const QString &path, QString &failed, QString &reason)
{
    if (QDir().mkpath(path))
        return true;
    failed = path;
    reason = QStringLiteral("The folder cannot be made.");
    return false;
}

bool IsPrivateFolder(const QString &path)
{
    return QFileInfo(path).isDir();
}

bool IsOwnFile(const QString &path)
{
    return QFileInfo(path).isFile();
}

#endif

bool WritePrivateFile(const QString &path, const QByteArray &bytes, QString &error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
        file.write(bytes) == bytes.size() && file.commit())
        return true;
    error = file.errorString();
    return false;
}
