// The per-user settings store over QSettings, in the INI form it takes on Linux.
#include "document/qt_settings_store.h"
#include "external_tools.h"

#include <fstream>
#include <gtest/gtest.h>

namespace
{

class QtSettingsStoreTest : public testing::Test
{
protected:
    std::filesystem::path dir = TestSupport::ScratchDir("qt-settings-store");
    QString file = QString::fromStdString((dir / "Gyrolith.conf").string());
};

TEST_F(QtSettingsStoreTest, ValuesReadBackAfterTheFileIsWrittenAndReopened)
{
    {
        CQtSettingsStore store(file);
        EXPECT_TRUE(store.WriteProfileInt("Settings", "DefGridSize", 250));
        EXPECT_TRUE(store.WriteProfileInt("Settings", "Negative", -1500));
        EXPECT_TRUE(store.WriteProfileString("Settings", "DefAuthor", "Anna Ölund & Co"));
        EXPECT_TRUE(store.WriteProfileString("Toolbars\\Settings", "State", "AAAA/+=="));
        // Blanks at both ends, and a section name with blanks, as the program writes them.
        EXPECT_TRUE(store.WriteProfileString("Settings", "DefLaneFlowDelimiter", " | "));
        EXPECT_TRUE(store.WriteProfileString("Recent File List", "File1", "/home/a/one & two.crs"));
        EXPECT_TRUE(store.Sync());
    }
    const CQtSettingsStore store(file);
    EXPECT_EQ(store.GetProfileInt("Settings", "DefGridSize", 0), 250);
    EXPECT_EQ(store.GetProfileInt("Settings", "Negative", 0), -1500);
    EXPECT_EQ(store.GetProfileString("Settings", "DefAuthor", ""), "Anna Ölund & Co");
    EXPECT_EQ(store.GetProfileString("Toolbars\\Settings", "State", ""), "AAAA/+==");
    EXPECT_EQ(store.GetProfileString("Settings", "DefLaneFlowDelimiter", ""), " | ");
    EXPECT_EQ(store.GetProfileString("Recent File List", "File1", ""), "/home/a/one & two.crs");
    EXPECT_EQ(store.GetProfileInt("Settings", "Missing", 7), 7);
}

TEST_F(QtSettingsStoreTest, HandEditedValuesThatAreNoNumbersReadAsTheDefault)
{
    std::ofstream(dir / "Gyrolith.conf") << "[Settings]\n"
                                            "DefGridSize=wide\n"
                                            "DefZoneTextHeight=99999999999\n"
                                            "CurLaneColor=4294967295\n"
                                            "DefArmTextHeight= 45\n";
    const CQtSettingsStore store(file);
    EXPECT_EQ(store.GetProfileInt("Settings", "DefGridSize", 100), 100);
    EXPECT_EQ(store.GetProfileInt("Settings", "DefZoneTextHeight", 40), 40);
    EXPECT_EQ(store.GetProfileInt("Settings", "CurLaneColor", 0), -1)
        << "a colour's 32-bit pattern comes back";
    EXPECT_EQ(store.GetProfileInt("Settings", "DefArmTextHeight", 30), 45);
}

} // namespace
