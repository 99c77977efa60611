#include "app/dialog_factories.h"

#include "about/about_box.h"
#include "app/frame_search_documents.h"
#include "app/frame_window.h"
#include "dialogs/body_dialog.h"
#include "dialogs/character_set_dialog.h"
#include "dialogs/font_dialog.h"
#include "dialogs/frames_dialog.h"
#include "dialogs/hex_dialog.h"
#include "dialogs/image_dialog.h"
#include "dialogs/links_dialog.h"
#include "dialogs/lists_dialog.h"
#include "dialogs/meta_name_dialog.h"
#include "dialogs/rules_dialog.h"
#include "dialogs/sound_dialog.h"
#include "dialogs/tables_dialog.h"
#include "search/find_dialog.h"
#include "search/find_in_files_dialog.h"
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
    addElementDialog<frmFrames>(frame, QStringLiteral("frmFrames"));
    addElementDialog<frmImage>(frame, QStringLiteral("frmImage"));
    addElementDialog<frmLinks>(frame, QStringLiteral("frmLinks"));
    addElementDialog<frmLists>(frame, QStringLiteral("frmLists"));
    addElementDialog<frmMetaName>(frame, QStringLiteral("frmMetaName"));
    addElementDialog<frmRGB>(frame, QStringLiteral("frmRGB"));
    addElementDialog<frmRules>(frame, QStringLiteral("frmRules"));
    addElementDialog<frmSound>(frame, QStringLiteral("frmSound"));
    addElementDialog<frmTables>(frame, QStringLiteral("frmTables"));
    frame.dialogs().add(QStringLiteral("frmFind"), [&frame] { return new frmFind(frame, frame.Search()); });
    frame.dialogs().add(QStringLiteral("frmReplace"), [&frame] { return new frmReplace(frame, frame.Search()); });
    for (const bool replace : {false, true})
        frame.dialogs().add(replace ? QStringLiteral("frmReplaceInFiles") : QStringLiteral("frmFindInFiles"),
                            [&frame, replace] {
                                return new frmFindInFiles(frame, frame.FileSearch(), replace,
                                                          frame.SearchedDocuments().ActiveFolder());
                            });
}
