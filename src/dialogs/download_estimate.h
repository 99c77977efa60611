#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The modem speeds a user can estimate a download for, in list order.
const QStringList &ModemSpeeds();
inline QString DefaultModemSpeed() { return QStringLiteral("28.8"); }

// The seconds a file of fileSize bytes takes at the named speed, as "0.00"; nothing for
// a speed that is not in the list (the shown estimate then stays as it was).
std::optional<QString> DownloadTimeText(const QString &speed, qint64 fileSize);
