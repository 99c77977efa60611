#include "dialogs/form_controls.h"

#include <QComboBox>
#include <QLineEdit>

QLineEdit *makeTextBox(QWidget *parent, const QString &name, const QString &text)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(name);
    return box;
}

QComboBox *makeComboBox(QWidget *parent, const QString &name, const QStringList &items, const QString &text)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setCurrentIndex(int(items.indexOf(text)));
    return combo;
}
