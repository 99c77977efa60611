#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class QDialog;

// The program's modeless dialogs, by form name. At most one of each is open; showing an
// open one raises it as the user left it, and a new one opens with the focus in its first
// field. A form that has no factory has not been built and cannot be shown.
class DialogRegistry
{
public:
    using Factory = std::function<QDialog *()>;

    void add(const QString &formName, Factory factory);
    // Shows the form modeless, creating it when it is not open; null when it is unknown.
    QDialog *show(const QString &formName);
    // The open instance, or null.
    QDialog *find(const QString &formName) const;
    // Closes every open dialog, in the program's fixed order.
    void UnloadDialogs();

    static const QStringList &closingOrder();

private:
    QHash<QString, Factory> factories_;
    QHash<QString, QPointer<QDialog>> open_;
};
