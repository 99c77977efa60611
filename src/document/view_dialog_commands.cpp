#include "document/notepad_window.h"
#include "document/program.h"

// An open dialog is brought forward rather than opened twice; none of its fields is
// reset here.

void frmNotePad::mnuViewBody_Click()
{
    program_.ShowDialog(QStringLiteral("frmBody"));
}

void frmNotePad::mnuViewCharacters_Click()
{
    program_.ShowDialog(QStringLiteral("frmCharacterSet"));
}

void frmNotePad::mnuViewFont_Click()
{
    program_.ShowDialog(QStringLiteral("frmFont"));
}

void frmNotePad::mnuViewHex_Click()
{
    program_.ShowDialog(QStringLiteral("frmRGB"));
}

void frmNotePad::mnuViewImage_Click()
{
    program_.ShowDialog(QStringLiteral("frmImage"));
}

void frmNotePad::mnuViewLinks_Click()
{
    program_.ShowDialog(QStringLiteral("frmLinks"));
}

void frmNotePad::mnuViewFrames_Click()
{
    program_.ShowDialog(QStringLiteral("frmFrames"));
}

void frmNotePad::mnuViewLists_Click()
{
    program_.ShowDialog(QStringLiteral("frmLists"));
}

void frmNotePad::mnuViewRules_Click()
{
    program_.ShowDialog(QStringLiteral("frmRules"));
}

void frmNotePad::mnuViewSound_Click()
{
    program_.ShowDialog(QStringLiteral("frmSound"));
}

void frmNotePad::mnuViewTables_Click()
{
    program_.ShowDialog(QStringLiteral("frmTables"));
}
