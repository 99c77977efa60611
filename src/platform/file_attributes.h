#pragma once

#include <QString>

// What a file carries beside its content and mode: its access control list and the user's
// extended attributes. A safe save writes a new file, which would drop them.

// Gives the open file `handle` the ACL and user.* attributes of the file at `path` (a link
// is followed). False when any of them cannot be given, as on a file system without them.
bool CopyFileAttributes(const QString &path, int handle);
