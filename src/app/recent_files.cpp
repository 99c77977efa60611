#include "app/recent_files.h"

#include "app/frame_window.h"
#include "document/file_commands.h"
#include "document/notepad_window.h"
#include "document/recent_file_item.h"
#include "platform/editor_surface.h"
#include "platform/settings_store.h"

#include <QMenu>

namespace {

const QString section = QStringLiteral("Recent Files");

QString recentKey(int number)
{
    return QStringLiteral("RecentFile%1").arg(number);
}

// Item 0 is the separator before the list; items 1 to 5 carry the entries.
QAction *recentItem(const QList<QMenu *> &menus, int index)
{
    const QString name = QStringLiteral("mnuRecentFile%1").arg(index);
    for (const QMenu *menu : menus)
        for (QAction *item : menu->actions())
            if (item->objectName() == name)
                return item;
    return nullptr;
}

void showRecentFiles(const QList<QMenu *> &menus, const SettingsStore::Entries &entries)
{
    for (qsizetype k = 1; k <= entries.size(); ++k) {
        QAction *item = recentItem(menus, int(k));
        // More entries than items can only come from a hand-edited store: the rest is not shown.
        if (!item)
            break;
        recentItem(menus, 0)->setVisible(true);
        SetRecentFile(item, entries[k - 1].second);
        item->setVisible(true);
    }
}

} // namespace

void PushRecentFile(SettingsStore &settings, const QString &fileName)
{
    for (int number = 3; number >= 1; --number) {
        const QString value = settings.read(section, recentKey(number));
        // An empty entry is not copied down, so it cannot blank out the one below it.
        if (!value.isEmpty())
            settings.write(section, recentKey(number + 1), value);
    }
    settings.write(section, recentKey(1), fileName);
}

bool frmMDI::IsRecentFile(const QString &fileName) const
{
    // The frame's items mirror the stored list: every change is followed by a refresh.
    for (int index = 1; index <= 4; ++index)
        if (RecentFileOf(recentItem(frameMenus_, index)) == fileName)
            return true;
    return false;
}

void frmMDI::RecordRecentFile(const QString &fileName)
{
    // A listed name keeps its place: the order tells when a file first entered the list.
    if (!IsRecentFile(fileName))
        PushRecentFile(settings(), fileName);
    RefreshRecentFileMenus();
}

void frmMDI::RefreshRecentFileMenus()
{
    if (settings().read(section, recentKey(1)).isEmpty())
        return;
    const SettingsStore::Entries entries = settings().readAll(section);
    showRecentFiles(frameMenus_, entries);
    for (int slot = 1; slot <= documents_.count(); ++slot)
        if (!documents_.state(slot).Deleted && documents_.window(slot))
            showRecentFiles(documents_.window(slot)->menus(), entries);
}

void frmMDI::mnuRecentFile_Click(int index)
{
    OpenRecentFile(RecentFileOf(recentItem(frameMenus_, index)));
}

void frmMDI::OpenRecentFile(const QString &fileName)
{
    const frmNotePad *opened = OpenDocumentFile(*this, fileName);
    RefreshRecentFileMenus();
    if (opened && !opened->editor().Text().isEmpty())
        ColorTagsOnOpening(*this, opened);
}
