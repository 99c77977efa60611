#include "app/dialog_registry.h"

#include "app/reading_order.h"

#include <QDialog>

void DialogRegistry::add(const QString &formName, Factory factory)
{
    factories_.insert(formName, std::move(factory));
}

QDialog *DialogRegistry::show(const QString &formName)
{
    QDialog *dialog = find(formName);
    if (!dialog) {
        const auto factory = factories_.constFind(formName);
        if (factory == factories_.constEnd())
            return nullptr;
        dialog = (*factory)();
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        OrderFieldsAsLaidOut(dialog);
        open_.insert(formName, dialog);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

QDialog *DialogRegistry::find(const QString &formName) const
{
    return open_.value(formName);
}

const QStringList &DialogRegistry::closingOrder()
{
    static const QStringList order = {
        QStringLiteral("frmAbout"), QStringLiteral("frmBody"), QStringLiteral("frmCharacterSet"),
        QStringLiteral("frmFind"), QStringLiteral("frmFont"), QStringLiteral("frmFrames"),
        QStringLiteral("frmImage"), QStringLiteral("frmLinks"), QStringLiteral("frmLists"),
        QStringLiteral("frmMetaName"), QStringLiteral("frmReplace"), QStringLiteral("frmRGB"),
        QStringLiteral("frmRules"), QStringLiteral("frmSound"), QStringLiteral("frmTables"),
        QStringLiteral("frmFindInFiles"), QStringLiteral("frmReplaceInFiles"),
    };
    return order;
}

void DialogRegistry::UnloadDialogs()
{
    for (const QString &name : closingOrder())
        if (QDialog *dialog = find(name))
            dialog->close();
}
