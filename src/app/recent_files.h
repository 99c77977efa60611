#pragma once

class QString;
class SettingsStore;

// The four most recently used files live in section "Recent Files", keys "RecentFile1"
// (the most recent) to "RecentFile4". The frame's list operations (RecordRecentFile,
// IsRecentFile, RefreshRecentFileMenus, mnuRecentFile_Click) are frmMDI members in
// recent_files.cpp.

// Puts a name at the top of the stored list; the oldest of four falls off.
void PushRecentFile(SettingsStore &settings, const QString &fileName);
