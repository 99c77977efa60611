#include "support/dialog_fixture.h"

#include "document/notepad_window.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

QDialog *DialogTest::openFromMenu(const QString &menuItem, const QString &formName)
{
    // A dialog closed before is deleted later: let that happen before it opens anew.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
    if (index < 0) {
        // What no item says is typed, where the list takes typing.
        ASSERT_NE(list->lineEdit(), nullptr) << item.toStdString() << " is not in " << comboBox.toStdString();
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), item);
        return;
    }
    list->setCurrentIndex(index);
    emit list->activated(index);
}

QString DialogTest::shown(QDialog *dialog, const QString &control)
{
    if (auto *label = dialog ? dialog->findChild<QLabel *>(control) : nullptr)
        return label->text();
    if (auto *box = dialog ? dialog->findChild<QLineEdit *>(control) : nullptr)
        return box->text();
    auto *list = this->control<QComboBox>(dialog, control);
    return list ? list->currentText() : QString();
}

void DialogTest::walk(const char *menuItem, const QString &formName, std::initializer_list<DialogPath> paths)
{
    for (const DialogPath &path : paths) {
        SCOPED_TRACE(QStringLiteral("%1: %2").arg(formName, path.steps.join(QStringLiteral(", "))).toStdString());
        start();
        frame().LowercaseTags = path.lowercase;
        selectText(path.selected);
        QDialog *dialog = openFromMenu(menuItem, formName);
        ASSERT_NE(dialog, nullptr);
        // The page stays open to the user beside the dialog.
        EXPECT_FALSE(dialog->isModal());
        bool staysOpen = false;
        for (const QString &step : path.steps) {
            // The dialog gives the keys back to the editor when it closes.
            moveFocusAwayFromEditor();
            if (step == QLatin1String("?open"))
                staysOpen = true;
            else
                act(dialog, step);
            // A dialog copies what a picker gave at once and leaves nothing for the next.
            EXPECT_TRUE(resultsEmpty()) << step.toStdString();
        }
        EXPECT_EQ(editorText(), path.inserted);
        ASSERT_EQ(messages().shown.size(), path.messages.size()) << onlyMessage().toStdString();
        for (qsizetype i = 0; i < path.messages.size(); ++i)
            EXPECT_TRUE(messages().shown[i].text.contains(path.messages[i])) << messages().shown[i].text.toStdString();
        EXPECT_EQ(isOpen(formName), staysOpen);
        if (!staysOpen)
            EXPECT_TRUE(editorHasFocus());
    }
}

void DialogTest::act(QDialog *dialog, const QString &step)
{
    const qsizetype equals = step.indexOf(QLatin1Char('='));
    const QString name = step.left(equals);
    const QString value = equals < 0 ? QString() : step.mid(equals + 1);
    if (name.startsWith(QLatin1Char('?'))) {
        EXPECT_EQ(shown(dialog, name.mid(1)), value) << name.toStdString();
    } else if (name.startsWith(QLatin1Char('#'))) {
        // The colour a label is filled with, as the dialog draws it.
        const auto *label = control<QLabel>(dialog, name.mid(1));
        const QImage drawn = dialog->grab(QRect(label->mapTo(dialog, QPoint(4, 4)), QSize(1, 1))).toImage();
        EXPECT_EQ(drawn.pixelColor(0, 0).name().mid(1).toUpper(), value) << name.toStdString();
    } else if (name.startsWith(QLatin1Char('+')) || name.startsWith(QLatin1Char('-'))) {
        if (auto *widget = control<QWidget>(dialog, name.mid(1)))
            EXPECT_EQ(widget->isEnabled(), name.startsWith(QLatin1Char('+'))) << name.toStdString();
    } else if (dialog->findChild<QLineEdit *>(name)) {
        fill(dialog, name, value);
    } else if (dialog->findChild<QComboBox *>(name)) {
        pickItem(dialog, name, value);
    } else if (dialog->findChild<QSlider *>(name)) {
        slide(dialog, name, value.toInt());
    } else {
        if (equals >= 0)
            answerNext(value);
        click(dialog, name);
    }
}

void DialogTest::answerNext(const QString &answer)
{
    const QString kind = answer.section(QLatin1Char(':'), 0, 0);
    const QString what = answer.section(QLatin1Char(':'), 1);
    if (answer == QLatin1String("cancel")) {
        dialogs().cancel();
    } else if (kind == QLatin1String("color")) {
        dialogs().answerColor(what.toUInt(nullptr, 16));
    } else if (kind == QLatin1String("font")) {
        dialogs().answerFont(what);
    } else if (kind == QLatin1String("answer")) {
        for (const QString &button : what.split(QLatin1Char(',')))
            messages().queue({button == QLatin1String("Ok") ? MsgAnswer::Ok : MsgAnswer::Cancel});
    } else {
        if (kind == QLatin1String("picture"))
            writePicture(what, 560, 560);
        else if (kind == QLatin1String("bytes"))
            writeFile(what, QByteArray(56000, 'x'));
        dialogs().answerFile(QDir::isAbsolutePath(what) ? what : tempPath(what));
    }
}

bool DialogTest::resultsEmpty()
{
    const DialogResults &r = results();
    return (r.PickedColorCode + r.PickedColorValue + r.PickedFontName + r.PickedImagePath + r.PickedImageName
            + r.PickedPageName + r.PickedProgramPath + r.PickedSoundPath + r.PickedSoundName)
        .isEmpty();
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
    QImage picture(width, height, QImage::Format_RGBA64);
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
