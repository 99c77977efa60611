#pragma once

#include "dialogs/dialog_services.h"
#include "document/toolbar_switches.h"
#include "platform/program_context.h"

class DocumentTable;
class PageProblemsPanel;
class frmNotePad;
class QAction;
class QString;
struct SearchState;

// What document windows and the file procedures need of the frame, beyond what every
// form needs. The frame implements it.
class Program : public ProgramContext
{
public:
    // The frame's current document window (it stays current while a modeless dialog
    // has the focus), or null while none is open.
    virtual frmNotePad *ActiveDocument() = 0;
    virtual DocumentTable &Documents() = 0;

    // Puts a freshly created document window into the frame and shows it.
    virtual void AddDocumentWindow(frmNotePad *window) = 0;
    // Called by a document window once it has closed and left the table.
    virtual void DocumentWindowClosed(frmNotePad *window) = 0;
    // Closes the frame: every document is asked first, a Cancel stops it.
    virtual void CloseFrame() = 0;
    virtual void UnloadDialogs() = 0;
    // The program and the shared result strings, for the pickers and element dialogs.
    virtual DialogServices dialogServices() = 0;

    // The toolbars follow the documents: creating or opening one enables every button and
    // shows all three toolbars; closing the last disables and hides them again.
    virtual void EnableDocumentButtons() = 0;
    virtual void DisableDocumentButtons() = 0;
    virtual void ShowAllToolbars() = 0;
    // Whether the toolbar is shown now (also while the frame itself is hidden or minimised).
    virtual bool ToolbarShown(ToolbarId toolbar) = 0;
    // Shows or hides the toolbar as the check mark of the show/hide item just chosen now
    // says (the click has flipped it already). An item of a document's View menu hands its
    // mark to the frame's item of the same name.
    virtual void ToggleToolbar(ToolbarId toolbar, QAction &windowItem) = 0;
    void ToggleStandardButtons(QAction &windowItem) { ToggleToolbar(ToolbarId::Standard, windowItem); }
    void ToggleFormButtons(QAction &windowItem) { ToggleToolbar(ToolbarId::Form, windowItem); }
    void ToggleSpecialButtons(QAction &windowItem) { ToggleToolbar(ToolbarId::Special, windowItem); }
    // The one search state of the program, shared by Find, Find Next and Replace.
    virtual SearchState &Search() = 0;
    // Refills the recent-file items of the frame's and every document's File menu.
    virtual void RefreshRecentFileMenus() = 0;
    // Puts a file opened through the dialog or saved under a new name on the recent-files
    // list, unless it is listed already.
    virtual void RecordRecentFile(const QString &fileName) = 0;
    // The panel under the documents where Tools > Check Page lists what it finds.
    virtual PageProblemsPanel &PageProblems() = 0;
    // Shows the live preview of the active document beside the documents, or lets it go.
    virtual void SetLivePreview(bool on) = 0;
    // Empty when the live preview can run here; otherwise why it cannot.
    virtual QString LivePreviewUnavailable() const = 0;
};
