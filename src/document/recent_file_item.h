#pragma once

#include <QAction>
#include <QString>

// A recent-file menu item carries its path as data and shows it as its caption; the
// caption doubles every "&" so that a path holding one shows as it is, not as an access
// key. An item that was never filled holds no path.
inline void SetRecentFile(QAction *item, const QString &fileName)
{
    QString caption = fileName;
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    item->setText(caption);
    item->setData(fileName);
}

inline QString RecentFileOf(const QAction *item)
{
    return item ? item->data().toString() : QString();
}
