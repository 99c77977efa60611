#pragma once

#include "support/program_fixture.h"

#include "dialogs/dialog_results.h"

#include <QDialog>
#include <QStringList>

#include <initializer_list>

// One user path through an element dialog, as a row of a table: the dialog opened over the
// selected text, the steps taken in it, then the editor's text and the messages shown. A step names a control and what the user does with it:
//   "txtName=text"   types into a text box, picks an item of a list, moves a slider to it
//   "cmdName"        clicks a button or an option
//   "cmdName=answer" clicks a button whose picker or question then answers: "color:" and
//                    the colour number in hex, "font:" and the face, "file:" and a name in
//                    the test folder (or a whole path), "picture:" or "bytes:" and a name
//                    written there first (a picture, or 56,000 bytes of no picture),
//                    "cancel", or "answer:" and the message boxes' buttons ("Ok,Cancel")
//   "?name=text"     the label, text box or list shows text
//   "#name=RRGGBB"   the label is filled with that colour
//   "+name", "-name" the control is enabled, disabled
//   "?open"          the dialog stays open; otherwise it must have closed, the editor focused
struct DialogPath
{
    bool lowercase;
    QString selected;
    QStringList steps;
    QString inserted;
    QStringList messages = {};  // a part of each message shown, in order
};

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
    // The text a label, a text box or a list shows.
    QString shown(QDialog *dialog, const QString &control);
    // Moves a slider with the keyboard to value.
    void slide(QDialog *dialog, const QString &slider, int value);

    // Runs each path in a freshly started program, the dialog opened from its menu item.
    void walk(const char *menuItem, const QString &formName, std::initializer_list<DialogPath> paths);
    void act(QDialog *dialog, const QString &step);
    // Queues what the picker or the message boxes a click opens will answer.
    void answerNext(const QString &answer);
    bool resultsEmpty();

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
