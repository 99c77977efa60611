#include "app/toolbars.h"

#include "app/frame_window.h"
#include "document/browser_preview.h"
#include "document/edit_commands.h"
#include "document/file_commands.h"
#include "document/new_document.h"
#include "document/print_document.h"
#include "document/special_buttons.h"

void CommandToolbars::Toolbar1_ButtonClick(const ToolbarButton &button)
{
    // A cancelled file dialog ends the button's command without a word.
    frame_.CommonDialog1().CancelError = true;
    if (!button.form.isEmpty()) {
        frame_.ShowDialog(button.form);
    } else if (button.key == QLatin1String("New")) {
        frame_.EnableDocumentButtons();
        NewDocument(frame_);
    } else if (button.key == QLatin1String("Open")) {
        ChooseAndOpenDocument(frame_);
    } else if (button.key == QLatin1String("Print")) {
        PrintActiveDocument(frame_);
    } else if (button.key == QLatin1String("Save")) {
        SaveActiveDocument(frame_);
    } else if (button.key == QLatin1String("Cut")) {
        CutSelection(frame_);
    } else if (button.key == QLatin1String("Copy")) {
        CopySelection(frame_);
    } else if (button.key == QLatin1String("Paste")) {
        PasteClipboard(frame_);
    }
}

void CommandToolbars::Toolbar2_ButtonClick(const ToolbarButton &button)
{
    frame_.CommonDialog1().CancelError = true;
    if (!button.form.isEmpty()) {
        frame_.ShowDialog(button.form);
    } else if (button.key == QLatin1String("View")) {
        // The frame's own autosave mark decides here, not the document's Browser menu.
        ViewInBrowser(frame_, QStringLiteral("Browser1"),
                      frame_.action(QStringLiteral("mnuOptionsAutosave"))->isChecked());
    }
}

void CommandToolbars::Toolbar3_ButtonClick(const ToolbarButton &button)
{
    RunSpecialButton(frame_, button.key);
}
