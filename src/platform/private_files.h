#pragma once

#include <QByteArray>
#include <QString>

// Files kept for the user alone, such as copies of unsaved text: no one else may read
// them, change them or slip their own in among them.

// Makes the folder, and any folder missing on the way to it, open to the user alone
// (0700); a folder of the user's own that is already there is closed to others. On failure
// `failed` names the folder that could not be made or closed and `reason` says why.
bool MakePrivateFolder(const QString &path, QString &failed, QString &reason);

// Whether the folder belongs to the user and no one else may write in it.
bool IsPrivateFolder(const QString &path);
// Whether the file is a regular file of the user's own with no other name, so that no one
// else can have put it there or change what it holds.
bool IsOwnFile(const QString &path);

// Writes the file whole or not at all, readable and writable by the user alone (0600).
bool WritePrivateFile(const QString &path, const QByteArray &bytes, QString &error);
