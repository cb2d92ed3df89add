// Start-up as the desktop program carries it out: the document it opens, its windows, the
// recovery offer and a file that cannot be opened.
#include "app_fixture.h"
#include "view/network_view_child_frame.h"

#include <QMdiArea>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

namespace
{

class StartupTest : public testing::Test, public AppFixture
{
protected:
    // A network file left by a crashed run (a copy of the roundabout).
    std::string LeaveCrashedFile(const std::string& name)
    {
        const std::string path = dir.File(name);
        std::filesystem::copy_file(Example("roundabout.crs"), path);
        return path;
    }
};

TEST_F(StartupTest, WithoutAFileABlankNetworkOpensInAMaximisedNetworkWindow)
{
    CCarouselApp& started = Start();
    ASSERT_NE(started.GetDocument(), nullptr);
    EXPECT_FALSE(started.GetDocument()->IsModified());
    const auto frames = started.Frames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0]->GetViewKind(), NetworkViewKind);
    EXPECT_TRUE(frames[0]->isMaximized());
    EXPECT_EQ(started.GetMainFrame()->GetPaneText(StatusPaneArms), "0 Arms");
    EXPECT_EQ(started.GetMainFrame()->GetPaneText(StatusPaneZones), "0 Zones");
    EXPECT_TRUE(prompt.questions.empty());
}

TEST_F(StartupTest, BlankNetworkSwitchedOffOpensNothingButAFileStillOpens)
{
    store.WriteProfileInt("Settings", "DefCreateBlankFileOnStartup", 0);
    EXPECT_EQ(Start().GetDocument(), nullptr);
    EXPECT_TRUE(app->Frames().empty());
    app.reset();

    ASSERT_NE(Start({Example("roundabout.crs")}).GetDocument(), nullptr);
    EXPECT_EQ(app->GetMainFrame()->GetPaneText(StatusPaneArms), "12 Arms");
    ASSERT_FALSE(app->GetRecentFiles().GetEntries().empty());
    EXPECT_EQ(app->GetRecentFiles().GetEntries()[0], Example("roundabout.crs"));
}

TEST_F(StartupTest, AMissingFileSaysWhyAndTheProgramStaysWithoutADocument)
{
    const std::string missing = dir.File("gone.crs");
    CRecentFileList recent;
    recent.Add(Example("crossroads.crs"));
    recent.Add(missing);
    recent.Save(store);

    CCarouselApp& started = Start({missing});
    EXPECT_EQ(started.GetDocument(), nullptr);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], "Cannot open " + missing + ": No such file or directory");
    EXPECT_EQ(started.GetRecentFiles().GetEntries(),
              std::vector<std::string>{Example("crossroads.crs")})
        << "a file that is gone leaves the recent files";
    EXPECT_TRUE(started.GetMainFrame()->isVisible());
    EXPECT_TRUE(started.GetMainFrame()->GetAction(ECommand::FileOpen)->isEnabled());
    EXPECT_FALSE(started.GetMainFrame()->GetAction(ECommand::FileSave)->isEnabled());
}

TEST_F(StartupTest, RecoveryYesOpensTheCrashedFileAsARecoveredModifiedNetwork)
{
    const std::string crashed = LeaveCrashedFile("GyrolithAutoRecover0.crs");
    prompt.yesNo = {PromptAnswer::Yes};

    CCarouselApp& started = Start();
    ASSERT_EQ(prompt.questions.size(), 1u);
    EXPECT_EQ(prompt.questions[0].rfind("An AutoRecovered file has been found.  This has most "
                                        "likely occurred because  your last session crashed",
                                        0),
              0u)
        << prompt.questions[0];
    ASSERT_NE(started.GetDocument(), nullptr);
    EXPECT_EQ(started.GetDocument()->GetTitle(), "Recovered From AutoSave");
    EXPECT_TRUE(started.GetDocument()->IsModified());
    EXPECT_EQ(started.GetMainFrame()->GetPaneText(StatusPaneArms), "12 Arms");
    EXPECT_TRUE(started.GetRecentFiles().GetEntries().empty())
        << "the auto-save file is no recent file";
    EXPECT_EQ(started.GetAutoSave().GetAutoSaveFileName(), crashed);
    EXPECT_TRUE(started.GetAutoSave().IsLocked());

    // Saving asks where: the recovered network has no file of its own.
    files.answers = {std::nullopt};
    EXPECT_FALSE(started.FileSave());
    EXPECT_EQ(files.asked, std::vector<std::string>{"save as Recovered.crs"});
}

TEST_F(StartupTest, RecoveryNoStartsBlankAndTheOldFileIsThisRunsUntilExit)
{
    const std::string crashed = LeaveCrashedFile("GyrolithAutoRecover0.crs");
    prompt.yesNo = {PromptAnswer::No};

    CCarouselApp& started = Start();
    ASSERT_NE(started.GetDocument(), nullptr);
    EXPECT_EQ(started.GetDocument()->GetTitle(), CCarouselDoc::NewDocumentTitle);
    EXPECT_EQ(started.GetAutoSave().GetAutoSaveFileName(), crashed);
    EXPECT_TRUE(std::filesystem::exists(crashed)) << "kept until overwritten or a normal exit";

    started.GetMainFrame()->close(); // an unmodified network asks nothing
    started.ExitInstance();
    EXPECT_FALSE(std::filesystem::exists(crashed));
}

TEST_F(StartupTest, AFileHeldByAnotherRunningCopyIsNotOffered)
{
    const std::string held = LeaveCrashedFile("GyrolithAutoRecover0.crs");
    const std::string crashed = LeaveCrashedFile("GyrolithAutoRecover1.crs");
    // The other copy holds its file as the program does: open, with an exclusive lock.
    const int other = ::open(held.c_str(), O_RDONLY);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    prompt.yesNo = {PromptAnswer::No};

    CCarouselApp& started = Start();
    ::close(other);
    EXPECT_EQ(prompt.questions.size(), 1u) << "one offer, for the crashed run's file";
    EXPECT_EQ(started.GetAutoSave().GetAutoSaveFileName(), crashed);
}

} // namespace
