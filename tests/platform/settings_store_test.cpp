#include "platform/settings_store.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void exerciseStore(SettingsStore &store)
{
    EXPECT_EQ(store.read("Autosave", "Autosave"), "");
    EXPECT_EQ(store.read("Browser1", "BrowserName", "fallback"), "fallback");
    store.write("Recent Files", "RecentFile1", "/tmp/a, b.htm");
    store.write("Recent Files", "RecentFile2", "/tmp/c.htm");
    store.write("Recent Files", "RecentFile1", "/tmp/d.htm");
    EXPECT_EQ(store.read("Recent Files", "RecentFile1"), "/tmp/d.htm");
    EXPECT_EQ(store.readAll("Recent Files"),
              (SettingsStore::Entries{{"RecentFile1", "/tmp/d.htm"}, {"RecentFile2", "/tmp/c.htm"}}));
    EXPECT_TRUE(store.readAll("Nothing here").isEmpty());
    store.write("Font", "FontName", "a,b");
    EXPECT_EQ(store.read("Font", "FontName"), "a,b");
}

// Both stores read, write and list in first stored order; the ini file keeps its text values.
TEST(SettingsStore, BothStoresReadWriteAndListAndTheIniFileKeepsTheValues)
{
    exerciseStore(*makeMemorySettingsStore());
    QTemporaryDir folder;
    const QString file = folder.filePath("tagsmith.ini");
    exerciseStore(*makeIniSettingsStore(file));
    auto again = makeIniSettingsStore(file);
    EXPECT_EQ(again->read("Recent Files", "RecentFile2"), "/tmp/c.htm");
    EXPECT_EQ(again->read("Font", "FontName"), "a,b");
}

} // namespace
