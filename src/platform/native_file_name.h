#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// File names reach the program as bytes. Qt decodes them as the file system does
// (QFile::decodeName, UTF-8 here) and cannot reach a file whose name is not valid UTF-8,
// such as an old Latin-1 "caf\xE9.html". In such a name each stray byte is kept as a lone
// surrogate, U+DC80 to U+DCFF, so that the name goes through the program whole and still
// reaches its file.
QString FileNameFromNative(const QByteArray &name);
QByteArray NativeFileName(const QString &name);

// False when the name holds a stray byte, which only OpenRegularFile can reach.
bool IsQtFileName(const QString &name);
// The name as the user sees it: each stray byte as U+FFFD.
QString DisplayFileName(const QString &name);

// Opens the named file for reading when it is a regular file (anything else could block or
// never end), through the name's bytes when Qt cannot name it.
bool OpenRegularFile(QFile &file, const QString &name);
