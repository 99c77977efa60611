#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QWidget;

// Controls of the element dialogs, created under their control names so that tests and
// anyone debugging find them with findChild.

QLineEdit *makeTextBox(QWidget *parent, const QString &name, const QString &text = {});
// A drop-down list of fixed choices showing text; an empty text shows no choice.
QComboBox *makeComboBox(QWidget *parent, const QString &name, const QStringList &items, const QString &text);
