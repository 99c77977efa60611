#include "platform/file_attributes.h"

#include <QByteArray>
#include <QFile>

#ifdef Q_OS_LINUX
#include "platform/growing_read.h"

#include <cerrno>
#include <sys/xattr.h>

namespace {

// The attributes that belong to the file's user and its access: not the system's own
// labels, which only the system may set.
bool kept(const QByteArray &name)
{
    return name.startsWith("user.") || name == "system.posix_acl_access";
}

} // namespace

bool CopyFileAttributes(const QString &path, int handle)
{
    const QByteArray file = QFile::encodeName(path);
    QByteArray names;
    if (!ReadGrowing(names, [&](char *list, size_t size) { return listxattr(file.constData(), list, size); }))
        return errno == ENOTSUP;
    for (const QByteArray &name : names.split('\0')) {
        if (!kept(name))
            continue;
        QByteArray value;
        if (!ReadGrowing(value, [&](char *data, size_t size) {
                return getxattr(file.constData(), name.constData(), data, size);
            }))
            return false;
        if (fsetxattr(handle, name.constData(), value.constData(), size_t(value.size()), 0) != 0)
            return false;
    }
    return true;
}

#else

bool CopyFileAttributes(const QString &, int)
{
    return true;
}

#endif
