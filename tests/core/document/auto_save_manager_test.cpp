// Auto-save: the file name, idle timing, the lock between running copies and recovery.
#include "document/auto_save_manager.h"
#include "scripted_prompt.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <sys/stat.h>

namespace
{

class CFakeDocument : public CAutoSaveDocument
{
public:
    bool IsModified() const override { return modified; }
    void SetModifiedFlag(bool value) override { modified = value; }
    void SaveToPath(const std::filesystem::path& path) override
    {
        if (failSave)
            throw std::runtime_error("disk full");
        ++saves;
        // Saving the ordinary way clears the flag; the manager must set it again.
        modified = false;
        std::ofstream(path) << "saved " << saves;
    }

    bool modified = true;
    bool failSave = false;
    int saves = 0;
};

struct AutoSaveFixture : testing::Test
{
    CTempDir dir;
    std::int64_t now = 1'000'000;
    CFakeDocument document; // modified
    CStartupCommand command;

    std::unique_ptr<CAutoSaveManager> MakeManager(std::string directory = {})
    {
        if (directory.empty())
            directory = dir.Dir();
        return std::make_unique<CAutoSaveManager>([directory] { return directory; },
                                                  [this] { return now; });
    }
};

using AutoSaveFileNameTest = AutoSaveFixture;

TEST_F(AutoSaveFileNameTest, FirstFreeNumberIsChosenAndThenStands)
{
    dir.Touch("GyrolithAutoRecover0.crs");
    dir.Touch("GyrolithAutoRecover1.crs");
    dir.Touch("GyrolithAutoRecover3.crs");
    auto manager = MakeManager();
    EXPECT_FALSE(manager->IsFileNameChosen());
    EXPECT_EQ(manager->ChooseFileName(), dir.File("GyrolithAutoRecover2.crs"));
    std::filesystem::remove(dir.File("GyrolithAutoRecover0.crs"));
    EXPECT_EQ(manager->ChooseFileName(), dir.File("GyrolithAutoRecover2.crs"));

    // Missing directories are made and the separator added.
    const std::string nested = (dir.Path() / "a" / "b").string();
    EXPECT_EQ(MakeManager(nested)->ChooseFileName(), nested + "/GyrolithAutoRecover0.crs");
    EXPECT_TRUE(std::filesystem::is_directory(nested));
}

TEST_F(AutoSaveFileNameTest, AllThousandNamesTakenLeavesItEmptyAndIdleSavesNothing)
{
    for (int i = 0; i < CAutoSaveManager::MaxFileNumber; ++i)
        dir.Touch("GyrolithAutoRecover" + std::to_string(i) + ".crs");
    auto manager = MakeManager();
    EXPECT_EQ(manager->ChooseFileName(), "");
    manager->IdleTick(&document);
    EXPECT_EQ(document.saves, 0);
    EXPECT_FALSE(manager->IsLocked());
}

using AutoSaveIdleTest = AutoSaveFixture;

TEST_F(AutoSaveIdleTest, SavedOnlyWhenModifiedAtMostOncePerTenSecondsAndStaysModified)
{
    auto manager = MakeManager();
    manager->IdleTick(nullptr);
    EXPECT_EQ(manager->GetNextCheckTime(), 0);
    document.modified = false;
    manager->IdleTick(&document);
    EXPECT_EQ(manager->GetNextCheckTime(), now + 10) << "an unmodified document still waits";
    for (int i = 0; i < 5; ++i, now += 11)
        manager->IdleTick(&document);
    EXPECT_EQ(document.saves, 0);
    EXPECT_FALSE(manager->IsFileNameChosen());
    EXPECT_FALSE(std::filesystem::exists(dir.File("GyrolithAutoRecover0.crs")));

    document.modified = true;
    now += 11;
    manager->IdleTick(&document);
    EXPECT_EQ(document.saves, 1);
    EXPECT_TRUE(document.modified);
    EXPECT_EQ(manager->GetNextCheckTime(), now + 10);

    const std::int64_t first = now;
    for (now = first + 1; now <= first + 10; ++now)
        manager->IdleTick(&document);
    EXPECT_EQ(document.saves, 1) << "a tick at exactly the next-check time must not save";
    now = first + 11;
    manager->IdleTick(&document);
    EXPECT_EQ(document.saves, 2);
    EXPECT_TRUE(document.modified);
    EXPECT_EQ(manager->GetAutoSaveFileName(), dir.File("GyrolithAutoRecover0.crs"));
}

TEST_F(AutoSaveIdleTest, FailedSaveIsSilentAndTriedAgainAfterTheInterval)
{
    auto manager = MakeManager();
    document.failSave = true;
    EXPECT_NO_THROW(manager->IdleTick(&document));
    EXPECT_TRUE(document.modified);
    EXPECT_EQ(manager->GetNextCheckTime(), now + 10);
    document.failSave = false;
    now += 5;
    manager->IdleTick(&document);
    EXPECT_EQ(document.saves, 0);
    now += 6;
    manager->IdleTick(&document);
    EXPECT_EQ(document.saves, 1);
}

using AutoSaveLockTest = AutoSaveFixture;

TEST_F(AutoSaveLockTest, FileHeldByARunningCopyIsNeverOffered)
{
    auto running = MakeManager();
    running->IdleTick(&document);
    ASSERT_TRUE(running->IsLocked());
    // The next save replaces the file; the lock must be on the new one, not the old inode.
    now += 11;
    running->IdleTick(&document);

    auto starting = MakeManager();
    CScriptedPrompt prompt;
    EXPECT_FALSE(starting->CheckAtStartup(command, prompt));
    EXPECT_TRUE(prompt.questions.empty());
    EXPECT_EQ(command.kind, CStartupCommand::Kind::FileNew);
    // And the newcomer picks a name of its own.
    EXPECT_EQ(starting->ChooseFileName(), dir.File("GyrolithAutoRecover1.crs"));

    // Once the running copy lets go (it crashed), the file is offered.
    running->ReleaseLock();
    CScriptedPrompt later{PromptAnswer::No};
    MakeManager()->CheckAtStartup(command, later);
    EXPECT_EQ(later.questions.size(), 1u);
}

TEST_F(AutoSaveLockTest, HeldFileIsSkippedAndTheCrashedOneOfferedAndAdopted)
{
    auto running = MakeManager();
    running->IdleTick(&document); // GyrolithAutoRecover0.crs, locked
    dir.Touch("GyrolithAutoRecover1.crs", "left by a crash");

    auto starting = MakeManager();
    CScriptedPrompt prompt{PromptAnswer::Yes};
    EXPECT_TRUE(starting->CheckAtStartup(command, prompt));
    EXPECT_EQ(prompt.questions.size(), 1u);
    EXPECT_EQ(command, (CStartupCommand{CStartupCommand::Kind::FileOpen,
                                        dir.File("GyrolithAutoRecover1.crs")}));
    EXPECT_EQ(starting->GetAutoSaveFileName(), dir.File("GyrolithAutoRecover1.crs"));
}

using AutoRecoveryTest = AutoSaveFixture;

TEST_F(AutoRecoveryTest, OfferedMessageCarriesTheFilesTimeWhenItIsKnown)
{
    dir.Touch("GyrolithAutoRecover7.crs");
    struct stat status
    {};
    ASSERT_EQ(::stat(dir.File("GyrolithAutoRecover7.crs").c_str(), &status), 0);
    const std::int64_t seconds = status.st_mtime;
    auto manager = MakeManager();
    CScriptedPrompt prompt{PromptAnswer::No};
    manager->CheckAtStartup(command, prompt);
    ASSERT_EQ(prompt.questions.size(), 1u);
    EXPECT_EQ(prompt.questions[0], CAutoSaveManager::RecoveryMessage(seconds));
    EXPECT_EQ(CAutoSaveManager::RecoveryMessage(std::nullopt),
              "An AutoRecovered file has been found.  This has most likely occurred because  your "
              "last session crashed or closed improperly.\n\nWould you like to open the "
              "AutoRecovered file so that you can resave it ?");
    const std::string withTime = CAutoSaveManager::RecoveryMessage(0);
    EXPECT_NE(withTime.find("improperly.\n\nThe AutoRecovered file was last saved on " +
                            FormatLongDateTime(0) + "\n\nWould you like"),
              std::string::npos)
        << withTime;
}

TEST_F(AutoRecoveryTest, OnlyStemAndExtensionMatch)
{
    dir.Touch("OtherAutoRecover0.crs");
    dir.Touch("GyrolithAutoRecover0.txt");
    dir.Touch(".GyrolithAutoRecover0.crs.ab12.tmp"); // an interrupted save's temporary file
    dir.Touch("GyrolithAutoRecoverX.crs");
    auto manager = MakeManager();
    CScriptedPrompt prompt{PromptAnswer::Yes};
    EXPECT_TRUE(manager->CheckAtStartup(command, prompt));
    EXPECT_EQ(command.path, dir.File("GyrolithAutoRecoverX.crs"));
}

TEST_F(AutoRecoveryTest, NoKeepsTheCommandAndTheFileUntilTheFirstAutoSaveOverwritesIt)
{
    dir.Touch("GyrolithAutoRecover4.crs", "old network");
    auto manager = MakeManager();
    CScriptedPrompt prompt{PromptAnswer::No};
    command = {CStartupCommand::Kind::FileOpen, "/some/network.crs"};
    EXPECT_FALSE(manager->CheckAtStartup(command, prompt));
    EXPECT_EQ(command.path, "/some/network.crs");
    EXPECT_TRUE(std::filesystem::exists(dir.File("GyrolithAutoRecover4.crs")));
    EXPECT_EQ(manager->ChooseFileName(), dir.File("GyrolithAutoRecover4.crs"));

    manager->IdleTick(&document);
    std::ifstream file(dir.File("GyrolithAutoRecover4.crs"));
    std::string text;
    std::getline(file, text);
    EXPECT_EQ(text, "saved 1");
}

} // namespace
