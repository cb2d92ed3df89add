// The in-memory settings store.
#include "settings/settings_store.h"

#include <gtest/gtest.h>

namespace
{

TEST(MemorySettingsStoreTest, NamesAreExactSectionsSeparateAndWritesReplaceValueAndType)
{
    CMemorySettingsStore store;
    store.WriteProfileInt("Settings", "DefGridSize", 5);
    EXPECT_EQ(store.GetProfileInt("Settings", "DefGridSize", 0), 5);
    EXPECT_EQ(store.GetProfileInt("Settings", "defgridsize", 0), 0);
    EXPECT_EQ(store.GetProfileInt("AutoSave", "DefGridSize", 17), 17);
    EXPECT_EQ(store.GetProfileString("Settings", "X", "d"), "d");

    // A write replaces the value and its type.
    store.WriteProfileInt("S", "K", 5);
    store.WriteProfileString("S", "K", "text");
    EXPECT_EQ(store.GetProfileInt("S", "K", -1), -1);
    EXPECT_EQ(store.GetProfileString("S", "K", ""), "text");
    EXPECT_EQ(store.GetCount(), 2u);
    EXPECT_TRUE(store.Remove("S", "K"));
    EXPECT_FALSE(store.HasValue("S", "K"));
    EXPECT_FALSE(store.Remove("S", "K"));
}

} // namespace
