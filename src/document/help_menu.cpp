#include "document/notepad_window.h"

#include "document/program.h"

void frmNotePad::mnuHelpAbout_Click()
{
    program_.ShowDialog(QStringLiteral("frmAbout"));
}
