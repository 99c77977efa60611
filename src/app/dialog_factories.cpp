#include "app/dialog_factories.h"

#include "about/about_box.h"
#include "app/frame_window.h"
#include "dialogs/body_dialog.h"
#include "dialogs/character_set_dialog.h"
#include "dialogs/font_dialog.h"
#include "dialogs/hex_dialog.h"
#include "dialogs/image_dialog.h"
#include "dialogs/links_dialog.h"
#include "search/find_dialog.h"
#include "search/replace_dialog.h"

namespace {

template <class Dialog>
void addElementDialog(frmMDI &frame, const QString &formName)
{
    frame.dialogs().add(formName, [&frame] { return new Dialog(frame.dialogServices()); });
}

} // namespace

void registerDialogs(frmMDI &frame)
{
    frame.dialogs().add(QStringLiteral("frmAbout"), [&frame] { return new frmAbout(frame, &frame); });
    addElementDialog<frmBody>(frame, QStringLiteral("frmBody"));
    addElementDialog<frmCharacterSet>(frame, QStringLiteral("frmCharacterSet"));
    addElementDialog<frmFont>(frame, QStringLiteral("frmFont"));
    addElementDialog<frmImage>(frame, QStringLiteral("frmImage"));
    addElementDialog<frmLinks>(frame, QStringLiteral("frmLinks"));
    addElementDialog<frmRGB>(frame, QStringLiteral("frmRGB"));
    frame.dialogs().add(QStringLiteral("frmFind"), [&frame] { return new frmFind(frame, frame.Search()); });
    frame.dialogs().add(QStringLiteral("frmReplace"), [&frame] { return new frmReplace(frame, frame.Search()); });
}
