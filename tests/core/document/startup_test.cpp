// Start-up decisions, the recent-file list and exit clean-up.
#include "case_name.h"
#include "document/startup.h"
#include "scripted_prompt.h"
#include "settings/settings_persistence.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace
{
using TestSupport::PrintTo;

using Kind = CStartupCommand::Kind;

struct StartupCase
{
    const char* Name;
    std::vector<std::string> Arguments;
    bool BlankOnStartup;
    bool CrashedFileLeft;
    PromptAnswer Answer;
    Kind ExpectedKind;
    const char* ExpectedPath; // "<recovered>" for the crashed file
};

class StartupDecisionTest : public testing::TestWithParam<StartupCase>
{};

TEST_P(StartupDecisionTest, CommandAfterCommandLineSettingAndRecovery)
{
    const StartupCase& c = GetParam();
    CTempDir dir;
    if (c.CrashedFileLeft)
        dir.Touch("GyrolithAutoRecover0.crs");
    CAutoSaveManager autoSave([&] { return dir.Dir(); }, [] { return std::int64_t{0}; });
    ProgramSettings settings;
    settings.DefCreateBlankFileOnStartup = c.BlankOnStartup;
    CScriptedPrompt prompt;
    if (c.CrashedFileLeft)
        prompt.Answer(c.Answer);

    const CStartupCommand command = DecideStartup(c.Arguments, settings, autoSave, prompt);
    EXPECT_EQ(command.kind, c.ExpectedKind);
    const std::string expectedPath = std::string(c.ExpectedPath) == "<recovered>"
                                         ? dir.File("GyrolithAutoRecover0.crs")
                                         : c.ExpectedPath;
    EXPECT_EQ(command.path, expectedPath);
    EXPECT_TRUE(prompt.ScriptUsedUp());
}

using P = PromptAnswer;
using S = StartupCase;
const std::vector<std::string> NoArgs;
const std::vector<std::string> FileA{"/n/a.crs"};

INSTANTIATE_TEST_SUITE_P(
    Cases, StartupDecisionTest,
    testing::Values(
        S{"NoFileBlankOn", NoArgs, true, false, P::No, Kind::FileNew, ""},
        S{"NoFileBlankOff", NoArgs, false, false, P::No, Kind::Nothing, ""},
        S{"FileIgnoresTheSetting", FileA, false, false, P::No, Kind::FileOpen, "/n/a.crs"},
        S{"OptionsAreNotFiles", {"-x", "/n/b.crs"}, true, false, P::No, Kind::FileOpen, "/n/b.crs"},
        S{"RecoveryYesOpensIt", NoArgs, false, true, P::Yes, Kind::FileOpen, "<recovered>"},
        S{"RecoveryYesWinsOverAFile", FileA, true, true, P::Yes, Kind::FileOpen, "<recovered>"},
        S{"RecoveryNoKeepsTheFile", FileA, true, true, P::No, Kind::FileOpen, "/n/a.crs"},
        S{"RecoveryNoKeepsNothing", NoArgs, false, true, P::No, Kind::Nothing, ""}),
    CaseName());

TEST(RecentFileListTest, NewestFirstNoDuplicatesFiveAtMostAndStoredSo)
{
    CRecentFileList list;
    for (int i = 1; i <= 6; ++i)
        list.Add("/f" + std::to_string(i));
    list.Add("/f3");
    const std::vector<std::string> expected{"/f3", "/f6", "/f5", "/f4", "/f2"};
    EXPECT_EQ(list.GetEntries(), expected);
    EXPECT_TRUE(list.Remove(0));
    EXPECT_FALSE(list.Remove(4));
    EXPECT_EQ(list.GetEntries().front(), "/f6");

    // Through the store, slots no longer used are dropped.
    CMemorySettingsStore store;
    store.WriteProfileString(CRecentFileList::Section, "File5", "/stale");
    ASSERT_TRUE(list.Save(store));
    EXPECT_EQ(store.GetProfileString(CRecentFileList::Section, "File1", ""), "/f6");
    CRecentFileList loaded;
    loaded.Load(store);
    EXPECT_EQ(loaded.GetEntries(), list.GetEntries());
}

TEST(ExitCleanupTest, WritesSettingsAndDeletesTheAutoSaveFile)
{
    CTempDir dir;
    CAutoSaveManager autoSave([&] { return dir.Dir(); }, [] { return std::int64_t{0}; });
    const std::string path = autoSave.ChooseFileName();
    std::ofstream(path) << "x";
    autoSave.TakeLock();
    ProgramSettings settings;
    settings.DefGridSize = 250;
    CMemorySettingsStore store;
    CRecentFileList recent;
    recent.Add("/net.crs");
    EXPECT_TRUE(ExitCleanup(store, settings, recent, autoSave));
    EXPECT_EQ(store.GetProfileInt(SettingsSection, "DefGridSize", 0), 250);
    EXPECT_EQ(store.GetProfileString(CRecentFileList::Section, "File1", ""), "/net.crs");
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_FALSE(autoSave.IsLocked());
}

} // namespace
