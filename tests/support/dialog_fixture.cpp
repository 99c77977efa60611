#include "support/dialog_fixture.h"

#include "document/notepad_window.h"
#include "platform/editor_surface.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QTextEdit>

QDialog *DialogTest::openFromMenu(const QString &menuItem, const QString &formName)
{
    choose(menuItem);
    QDialog *dialog = frame().dialogs().find(formName);
    EXPECT_NE(dialog, nullptr) << formName.toStdString() << " did not open";
    EXPECT_TRUE(dialog && dialog->isVisible());
    return dialog;
}

bool DialogTest::isOpen(const QString &formName)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QDialog *dialog = frame().dialogs().find(formName);
    return dialog && dialog->isVisible();
}

void DialogTest::click(QDialog *dialog, const QString &button)
{
    auto *target = control<QAbstractButton>(dialog, button);
    ASSERT_NE(target, nullptr);
    ASSERT_TRUE(target->isEnabled()) << button.toStdString() << " is disabled";
    QTest::mouseClick(target, Qt::LeftButton);
    QCoreApplication::processEvents();
}

void DialogTest::fill(QDialog *dialog, const QString &textBox, const QString &text)
{
    auto *field = control<QLineEdit>(dialog, textBox);
    ASSERT_NE(field, nullptr);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void DialogTest::pickItem(QDialog *dialog, const QString &comboBox, const QString &item)
{
    auto *list = control<QComboBox>(dialog, comboBox);
    ASSERT_NE(list, nullptr);
    const int index = list->findText(item);
    ASSERT_GE(index, 0) << item.toStdString() << " is not in " << comboBox.toStdString();
    list->setCurrentIndex(index);
    emit list->activated(index);
}

QString DialogTest::caption(QDialog *dialog, const QString &label)
{
    auto *shown = control<QLabel>(dialog, label);
    return shown ? shown->text() : QString();
}

QString DialogTest::fieldText(QDialog *dialog, const QString &control)
{
    if (auto *box = dialog ? dialog->findChild<QLineEdit *>(control) : nullptr)
        return box->text();
    auto *list = this->control<QComboBox>(dialog, control);
    return list ? list->currentText() : QString();
}

void DialogTest::slide(QDialog *dialog, const QString &slider, int value)
{
    auto *bar = control<QSlider>(dialog, slider);
    ASSERT_NE(bar, nullptr);
    QTest::keyClick(bar, Qt::Key_Home);
    while (bar->value() < value && bar->value() < bar->maximum())
        QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(bar->value(), value) << slider.toStdString();
}

void DialogTest::selectText(const QString &text)
{
    EditorSurface &editor = activeDocument()->editor();
    editor.SetText(text);
    editor.SelectAll();
}

QString DialogTest::editorText()
{
    return activeDocument() ? activeDocument()->editor().Text() : QString();
}

QString DialogTest::writePicture(const QString &name, int width, int height, const char *format)
{
    QImage picture(width, height, QImage::Format_Grayscale8);
    picture.fill(Qt::darkCyan);
    const QString path = tempPath(name);
    EXPECT_TRUE(picture.save(path, format)) << name.toStdString();
    return path;
}

bool DialogTest::editorHasFocus()
{
    return activeEditor() && frame().focusWidget() == activeEditor();
}

void DialogTest::moveFocusAwayFromEditor()
{
    activeEditor()->clearFocus();
}
