#pragma once

#include "platform/common_dialog.h"
#include "platform/platform.h"

#include <QString>

class EditorSurface;
class QDialog;
class QWidget;

// What every form needs of the running program: the seams to the machine, the shared
// common dialog, the editor of the active document and the program-wide flags. The
// frame implements it; forms are given a reference when they are created.
class ProgramContext
{
public:
    virtual ~ProgramContext() = default;

    // The editor of the ActiveDocument, or null while no document window is open.
    virtual EditorSurface *ActiveEditor() = 0;
    // The frame window: the owner of dialogs and the parent of the modal questions.
    virtual QWidget *FrameWindow() = 0;
    virtual Platform &platform() = 0;
    virtual CommonDialog &CommonDialog1() = 0;

    // Shows a modeless dialog by its form name (frmTables, frmFind, ...), raising it when
    // it is open already; null for a form that has not been built.
    virtual QDialog *ShowDialog(const QString &formName) = 0;

    SettingsStore &settings() { return *platform().settings; }
    MessageBoxes &messages() { return *platform().messages; }

    // Generated tags are written in lower case while this is set.
    bool LowercaseTags = false;
    // Set while a colouring or case pass walks the text.
    bool TagPassActive = false;
    // The tag colour last chosen since start, as a colour number in decimal; empty at first.
    QString TagColor;
};
