#pragma once

#include "support/program_fixture.h"

#include "dialogs/dialog_results.h"

#include <QDialog>
#include <QPointer>

// A program with element dialogs opened and driven as a user does: from the View menu,
// by clicking the buttons, typing into the fields and picking list items.
class DialogTest : public ProgramTest
{
protected:
    // Chooses the View menu item; the dialog it shows, or null (and a failure).
    QDialog *openFromMenu(const QString &menuItem, const QString &formName);
    bool isOpen(const QString &formName);

    // The named control of the open dialog; fails the test when there is none.
    template <class Widget>
    Widget *control(QDialog *dialog, const QString &name)
    {
        auto *widget = dialog ? dialog->findChild<Widget *>(name) : nullptr;
        EXPECT_NE(widget, nullptr) << "no control " << name.toStdString();
        return widget;
    }

    using ProgramTest::click;  // the toolbar buttons
    void click(QDialog *dialog, const QString &button);
    // Replaces a text box's text by typing.
    void fill(QDialog *dialog, const QString &textBox, const QString &text);
    // Picks an item of a list as the user does with the mouse.
    void pickItem(QDialog *dialog, const QString &comboBox, const QString &item);
    QString caption(QDialog *dialog, const QString &label);
    // The text a text box or a list shows.
    QString fieldText(QDialog *dialog, const QString &control);
    // Moves a slider with the keyboard to value.
    void slide(QDialog *dialog, const QString &slider, int value);

    // The active document holds text, all of it selected.
    void selectText(const QString &text);
    QString editorText();
    // The active editor is the frame's focus widget, so it has the keys once the frame is active.
    bool editorHasFocus();
    void moveFocusAwayFromEditor();

    DialogResults &results() { return frame().dialogServices().results; }
    // A grey picture file of the given size in pixels (grey keeps a camera-sized one cheap).
    QString writePicture(const QString &name, int width, int height, const char *format = "PNG");
};
