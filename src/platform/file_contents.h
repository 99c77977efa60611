#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Files the user names are read and written whole, through these two.

// Reads a regular file. Anything else (a folder, a named pipe, a device) could block or
// never end, and is refused. No more is read than the file held when it was opened, so a
// file that keeps growing cannot keep the read going. Nothing when the file cannot be read.
std::optional<QByteArray> ReadFileContents(const QString &path);

// Replaces a file's content, or makes the file. The new content goes to a temporary file
// beside the old one that takes its place only once complete, with the old one's
// permissions, owner, ACL and user attributes, so a failed write leaves the old file as it
// was. Where that cannot be done (a folder the user may not write to, a name at the length
// limit, a file owned by someone the user cannot give it to, attributes the new file cannot
// take, a file with more than one name) the file is written
// in place, once the room for the new content is reserved, so a full disk or a file-size
// limit still leaves the old file whole. A symbolic link stays a link: the file it points
// to gets the content. On failure error holds the system's reason.
bool WriteFileContents(const QString &path, const QByteArray &bytes, QString &error);
