// A running copy that auto-saved is killed outright; the next start must offer its file and
// open it with nothing lost.
#include "document/carousel_doc.h"
#include "document/recent_file_list.h"
#include "document/startup.h"
#include "network_builder.h"
#include "scripted_prompt.h"
#include "temp_dir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

// The same network in the child and in the test.
void BuildNetwork(CCarouselDoc& doc)
{
    TestSupport::CNetworkBuilder(doc.GetNetwork())
        .Arms({2, 1})
        .Connect("1.1>2.1 1.2>2.1")
        .Zone(1, 0)
        .Zone(0, 2);
    doc.BuildRoutes();
    doc.MoveODMatrix(250, 500);
}

TEST(AutoSaveKillTest, KilledRunsFileIsOfferedAndOpensWhole)
{
    CTempDir dir;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(ready[0]);
        const ProgramSettings program;
        NetworkSettings settings;
        CCarouselDoc doc(program, settings);
        doc.OnNewDocument();
        BuildNetwork(doc);
        std::int64_t now = 5000;
        CAutoSaveManager autoSave([&] { return dir.Dir(); }, [&] { return now; });
        autoSave.IdleTick(&doc);
        const char done = autoSave.IsLocked() && doc.IsModified() ? 'y' : 'n';
        if (::write(ready[1], &done, 1) != 1)
            ::_exit(2);
        for (;;)
            ::pause(); // killed here, holding the lock, never cleaning up
    }
    ::close(ready[1]);
    char done = 0;
    ASSERT_EQ(::read(ready[0], &done, 1), 1);
    ::close(ready[0]);
    ASSERT_EQ(::kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_EQ(done, 'y') << "the child did not auto-save";

    const std::string expectedFile = dir.File("GyrolithAutoRecover0.crs");
    CAutoSaveManager autoSave([&] { return dir.Dir(); }, [] { return std::int64_t{0}; });
    CScriptedPrompt prompt{PromptAnswer::Yes};
    ProgramSettings programSettings;
    const CStartupCommand command = DecideStartup({}, programSettings, autoSave, prompt);
    ASSERT_EQ(prompt.questions.size(), 1u);
    EXPECT_EQ(command, (CStartupCommand{CStartupCommand::Kind::FileOpen, expectedFile}));

    NetworkSettings settings;
    CCarouselDoc recovered(programSettings, settings, &prompt);
    ASSERT_TRUE(recovered.OnOpenDocument(command.path));
    CRecentFileList recent;
    recent.Add("/older.crs");
    recent.Add(command.path); // the framework adds what it opened
    // Only the exact name is this run's file: another case is an ordinary open.
    std::string upper = command.path;
    upper.replace(upper.rfind("Gyrolith"), 8, "GYROLITH");
    EXPECT_FALSE(ApplyRecoveredFileRule(recovered, upper, autoSave, recent));
    EXPECT_TRUE(ApplyRecoveredFileRule(recovered, command.path, autoSave, recent));
    EXPECT_EQ(recovered.GetTitle(), "Recovered From AutoSave");
    EXPECT_EQ(recovered.GetPathName(), "Recovered From AutoSave.crs");
    // Its stand-in path names no folder: the DXF proposal follows the title, as Save As does.
    EXPECT_EQ(recovered.ProposedDxfExportName(), "Recovered.dxf");
    EXPECT_TRUE(recovered.IsModified());
    EXPECT_FALSE(recovered.HasSavePath())
        << "Save must ask where, not write into the current folder";
    EXPECT_EQ(recent.GetEntries(), std::vector<std::string>{"/older.crs"});

    NetworkSettings expectedSettings;
    CCarouselDoc expected(programSettings, expectedSettings);
    expected.OnNewDocument();
    BuildNetwork(expected);
    EXPECT_TRUE(recovered.SaveSnapshot() == expected.SaveSnapshot()) << "something was lost";
    EXPECT_EQ(recovered.GetNetwork().GetRoutes().GetRouteCount(), 2u);
    EXPECT_TRUE(prompt.messages.empty());

    // This run now owns the file: taking the lock and a normal exit remove it.
    autoSave.TakeLock();
    EXPECT_TRUE(autoSave.IsLocked());
    autoSave.CleanupAtExit();
    EXPECT_FALSE(std::filesystem::exists(expectedFile));
}

} // namespace
