#pragma once

#include <QByteArray>

#include <cerrno>
#include <sys/types.h>

// Reads a list or value whose size is asked first, as the extended-attribute calls give
// it: `read(nullptr, 0)` answers the size, `read(data, size)` fills it in. One that grows
// between the two is asked again, a few times; one that keeps growing is given up, since
// what was read of it is not the whole.
template <class Read>
bool ReadGrowing(QByteArray &buffer, Read read)
{
    for (int attempt = 0; attempt < 4; ++attempt) {
        const ssize_t size = read(nullptr, 0);
        if (size < 0)
            return false;
        buffer.resize(size);
        const ssize_t got = read(buffer.data(), buffer.size());
        if (got >= 0) {
            buffer.resize(got);
            return true;
        }
        if (errno != ERANGE)
            return false;
    }
    return false;
}
