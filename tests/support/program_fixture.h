#pragma once

#include "app/frame_window.h"
#include "support/qt_printing.h"
#include "support/scripted_platform.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

class EditorSurface;
class QAction;
class RichTextBox;

// A whole program on scripted seams, driven as a user drives it. Settings live in an INI
// file in a temporary folder, so a second start() sees what the first run stored.
class ProgramTest : public ::testing::Test
{
protected:
    ProgramTest();
    ~ProgramTest() override;

    // Builds the frame and runs its start-up; the previous frame, if any, is dropped
    // without its shutdown running.
    frmMDI &start();
    frmMDI &frame() { return *frame_; }

    // The seams of the running program.
    ScriptedDialogs &dialogs() { return *dialogs_; }
    ScriptedMessages &messages() { return *messages_; }
    RecordingStarter &starter() { return *starter_; }
    FixedClock &clock() { return *clock_; }
    FixedMemory &memory() { return *memory_; }
    SettingsStore &settings() { return frame_->settings(); }

    // Settings as they are on disk, readable with or without a running program.
    QString stored(const QString &section, const QString &key) const;
    QStringList stored(const QString &section, const QStringList &keys) const;
    void store(const QString &section, const QString &key, const QString &value);

    // The item of the menu bar the user sees now (the frame's or the active document's).
    QAction *menuItem(const QString &name) const;
    // Triggers a visible, enabled menu item; fails the test when it is not there.
    void choose(const QString &name);
    // Chooses the menu item with the common dialog it shows answered by this file; an
    // empty name cancels the dialog.
    void choose(const QString &name, const QString &answerFile);
    // The toolbar button with this key, and a mouse click on it as the user gives one;
    // clicking fails the test when the button is hidden or disabled.
    QAction *button(const QString &key) const;
    void click(const QString &key);

    frmNotePad *activeDocument() { return frame_->ActiveDocument(); }
    RichTextBox *activeEditor();
    EditorSurface &editor();
    QList<frmNotePad *> openDocuments() const;
    QStringList captions() const;
    void closeAll();
    // File > Open with the name typed into the dialog; the active document after it.
    frmNotePad *open(const QString &path);
    // The text of the one message shown, or what was shown instead.
    QString onlyMessage() const;
    // The one program started, with the file it was given.
    void expectStarted(const QString &program, const QString &file) const;
    // The colour the editor shows the character at position in.
    static QColor colorAt(frmNotePad *document, int position);
    // Types into the active editor as keystrokes.
    void type(const QString &text);
    // Types a character that has no key of its own, as an input method delivers it.
    void typeCharacter(const QString &character);

    QString tempPath(const QString &name) const { return temp_.filePath(name); }
    QString writeFile(const QString &name, const QByteArray &bytes) const;
    // A file the program picker accepts as a program, in a folder made for it when needed.
    QString writeProgram(const QString &name) const;
    QByteArray readFile(const QString &path) const;

    QTemporaryDir temp_;
    QString settingsFile_;

private:
    std::unique_ptr<frmMDI> frame_;
    ScriptedDialogs *dialogs_ = nullptr;
    ScriptedMessages *messages_ = nullptr;
    RecordingStarter *starter_ = nullptr;
    FixedClock *clock_ = nullptr;
    FixedMemory *memory_ = nullptr;
};
