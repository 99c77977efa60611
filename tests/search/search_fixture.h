#pragma once

#include "support/dialog_fixture.h"

#include "document/notepad_window.h"
#include "platform/editor_surface.h"
#include "search/search_dialog.h"
#include "search/search_state.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <string>

// A program with one document holding `text`, and the search dialogs at hand.
class SearchTest : public DialogTest
{
protected:
    SearchState &search() { return frame().Search(); }

    void startWith(const QString &text, int caret)
    {
        start();
        editor().SetText(text);
        editor().SetSelStart(caret);
    }

    QDialog *form(const char *formName) { return frame().dialogs().find(QLatin1String(formName)); }
    SearchDialog *dialog(const char *formName) { return qobject_cast<SearchDialog *>(form(formName)); }

    template <typename Control>
    Control *control(const char *formName, const char *name)
    {
        QDialog *open = form(formName);
        return open ? open->findChild<Control *>(QLatin1String(name)) : nullptr;
    }

    void press(const char *formName, const char *name) { click(form(formName), name); }

    // A click on a check box or option button (on its box, wherever its label ends); given
    // the state wanted, only when the box is not in it yet.
    void tick(const char *formName, const char *name, int wanted = -1)
    {
        auto *button = control<QAbstractButton>(formName, name);
        ASSERT_NE(button, nullptr) << name;
        if (wanted < 0 || button->isChecked() != bool(wanted))
            button->click();
    }

    // Replaces what the user typed in a text box.
    void enter(const char *formName, const char *name, const QString &text) { fill(form(formName), name, text); }

    QString lastMessage() { return messages().shown.isEmpty() ? QString() : messages().shown.last().text; }

    // Where each of so many finds (Find in the dialog, or Find Next on the menu) leaves the
    // selection, as "start+length", marked "!" where it said it found nothing.
    std::string finds(int times, bool findNext = false)
    {
        QStringList seen;
        for (int i = 0; i < times; ++i) {
            messages().shown.clear();
            if (findNext)
                choose("mnuEditFindNext");
            else
                press("frmFind", "cmdFind");
            seen << QStringLiteral("%1%2+%3")
                        .arg(messages().shown.isEmpty() ? "" : "!")
                        .arg(editor().SelStart())
                        .arg(editor().SelLength());
        }
        return seen.join(' ').toStdString();
    }
};
