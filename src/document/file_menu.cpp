// The document window's commands that move text between the document and files.

#include "document/file_commands.h"
#include "document/insert_file.h"
#include "document/notepad_window.h"
#include "document/print_document.h"
#include "document/program.h"
#include "document/recent_file_item.h"

void frmNotePad::mnuFileOpen_Click()
{
    ChooseAndOpenDocument(program_);
}

void frmNotePad::mnuFileSave_Click()
{
    SaveActiveDocument(program_);
}

void frmNotePad::mnuFileSaveAs_Click()
{
    SaveActiveDocumentAs(program_);
}

void frmNotePad::mnuFilePrint_Click()
{
    PrintActiveDocument(program_);
}

void frmNotePad::mnuInsertFile_Click()
{
    InsertFileAtSelection(program_);
}

void frmNotePad::mnuRecentFile_Click(int index)
{
    // Reopening a listed file leaves the list's order as it is: the name is not recorded.
    const frmNotePad *opened =
        OpenDocumentFile(program_, RecentFileOf(action(QStringLiteral("mnuRecentFile%1").arg(index))));
    program_.RefreshRecentFileMenus();
    ColorTagsOnOpening(program_, opened);
}
