#include "app/dialog_factories.h"

#include "app/frame_window.h"

void registerDialogs(frmMDI &frame)
{
    // One line per built dialog: frame.dialogs().add("frmName", [&frame] { return new ...; });
    (void)frame;
}
