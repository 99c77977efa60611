#include "document/notepad_window.h"
#include "document/program.h"

// The Insert menu's List, Site Information and Sound show their element dialogs, as the
// View menu does.

void frmNotePad::mnuInsertList_Click()
{
    program_.ShowDialog(QStringLiteral("frmLists"));
}

void frmNotePad::mnuInsertSiteInformation_Click()
{
    program_.ShowDialog(QStringLiteral("frmMetaName"));
}

void frmNotePad::mnuInsertSound_Click()
{
    program_.ShowDialog(QStringLiteral("frmSound"));
}
