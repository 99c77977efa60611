#include "platform/native_file_name.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr char16_t strayByteBase = 0xDC00;

// Where the name holds a byte that was no UTF-8: a low surrogate U+DC80..U+DCFF of its
// own, as one right after a high surrogate is half of a character.
QList<qsizetype> strayBytes(const QString &name)
{
    QList<qsizetype> found;
    bool afterHigh = false;
    qsizetype at = 0;
    for (const QChar c : name) {
        if (!afterHigh && c.unicode() >= strayByteBase + 0x80 && c.unicode() <= strayByteBase + 0xFF)
            found.append(at);
        afterHigh = c.isHighSurrogate();
        ++at;
    }
    return found;
}

// The length of the UTF-8 sequence that starts at i, or 0 when it is not valid there.
qsizetype validSequenceAt(const QByteArray &bytes, qsizetype i)
{
    const auto lead = uchar(bytes[i]);
    const qsizetype length =
        lead < 0x80 ? 1 : lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
    // A sequence cut short by the name's end, over-long forms, encoded surrogates and values
    // beyond Unicode decode to U+FFFD and so do not encode back to the same bytes.
    const QByteArray sequence = bytes.mid(i, length);
    return QString::fromUtf8(sequence).toUtf8() == sequence ? length : 0;
}

} // namespace

QString FileNameFromNative(const QByteArray &name)
{
    const QString decoded = QFile::decodeName(name);
    if (QFile::encodeName(decoded) == name)
        return decoded;
    QString kept;
    for (qsizetype i = 0; i < name.size();) {
        const qsizetype length = validSequenceAt(name, i);
        if (length > 0) {
            kept += QFile::decodeName(name.mid(i, length));
            i += length;
        } else {
            kept += QChar(char16_t(strayByteBase + uchar(name[i])));
            ++i;
        }
    }
    return kept;
}

QByteArray NativeFileName(const QString &name)
{
    QByteArray bytes;
    qsizetype copied = 0;
    for (const qsizetype at : strayBytes(name)) {
        bytes += QFile::encodeName(name.sliced(copied, at - copied));
        bytes += char(name[at].unicode() - strayByteBase);
        copied = at + 1;
    }
    return bytes + QFile::encodeName(name.sliced(copied));
}

bool IsQtFileName(const QString &name)
{
    return strayBytes(name).isEmpty();
}

QString DisplayFileName(const QString &name)
{
    QString shown = name;
    for (const qsizetype at : strayBytes(name))
        shown[at] = QChar::ReplacementCharacter;
    return shown;
}

bool OpenRegularFile(QFile &file, const QString &name)
{
    if (IsQtFileName(name)) {
        if (!QFileInfo(name).isFile())
            return false;
        file.setFileName(name);
        return file.open(QIODevice::ReadOnly);
    }
#ifdef Q_OS_UNIX
    // Without blocking: opening a named pipe nobody writes to would wait for good.
    const int descriptor = ::open(NativeFileName(name).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0)
        return false;
    struct stat status {};
    if (fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)
        && file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(descriptor);
#endif
    return false;
}
