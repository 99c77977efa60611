#include "app/dialog_factories.h"

#include "about/about_box.h"
#include "app/frame_window.h"

void registerDialogs(frmMDI &frame)
{
    frame.dialogs().add(QStringLiteral("frmAbout"), [&frame] { return new frmAbout(frame, &frame); });
}
