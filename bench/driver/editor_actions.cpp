#include "editor_actions.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>

void settle()
{
    QCoreApplication::processEvents();
}

void typeKeys(QWidget *editor, int keys)
{
    editor->setFocus();
    for (int key = 0; key < keys; ++key) {
        const QString text = key % 8 == 0 ? QStringLiteral("<") : key % 8 == 3 ? QStringLiteral(">") : QStringLiteral("b");
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, text);
        QApplication::sendEvent(editor, &press);
        QApplication::sendEvent(editor, &release);
        settle();
    }
}

void paintAndGoToEnd(QAbstractScrollArea *editor)
{
    editor->viewport()->repaint();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
    QApplication::sendEvent(editor, &press);
    settle();
}

void pageThrough(QAbstractScrollArea *editor, int pages)
{
    for (int page = 0; page < pages; ++page) {
        editor->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        settle();
    }
}
