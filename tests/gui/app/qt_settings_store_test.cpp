// The per-user settings store over QSettings, in the INI form it takes on Linux.
#include "document/qt_settings_store.h"
#include "document/recent_file_list.h"
#include "settings/settings_persistence.h"
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
        EXPECT_TRUE(store.Sync());
    }
    const CQtSettingsStore store(file);
    EXPECT_EQ(store.GetProfileInt("Settings", "DefGridSize", 0), 250);
    EXPECT_EQ(store.GetProfileInt("Settings", "Negative", 0), -1500);
    EXPECT_EQ(store.GetProfileString("Settings", "DefAuthor", ""), "Anna Ölund & Co");
    EXPECT_EQ(store.GetProfileString("Toolbars\\Settings", "State", ""), "AAAA/+==");
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

TEST_F(QtSettingsStoreTest, ProgramSettingsAndRecentFilesSurviveARun)
{
    ProgramSettings written;
    written.CurRouteColor = 0x00FF80FF;
    written.DefLaneFlowDelimiter = " | ";
    written.DefIsMouseWheelZoomBackwards = false;
    CRecentFileList recent;
    recent.Add("/home/a/one & two.crs");
    {
        CQtSettingsStore store(file);
        EXPECT_TRUE(SaveSettings(store, written));
        EXPECT_TRUE(recent.Save(store));
        EXPECT_TRUE(store.Sync());
    }
    const CQtSettingsStore store(file);
    ProgramSettings read;
    NetworkSettings network;
    LoadSettings(store, read, network, "/tmp/");
    EXPECT_EQ(read.CurRouteColor, 0x00FF80FFu);
    EXPECT_EQ(read.DefLaneFlowDelimiter, " | ");
    EXPECT_FALSE(read.DefIsMouseWheelZoomBackwards);
    EXPECT_EQ(network.LaneFlowDelimiter, " | ");
    CRecentFileList again;
    again.Load(store);
    EXPECT_EQ(again.GetEntries(), recent.GetEntries());
}

} // namespace
