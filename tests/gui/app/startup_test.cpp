// Start-up as the desktop program carries it out: the document it opens, its windows, the
// recovery offer and a file that cannot be opened.
#include "app_fixture.h"
#include "view/network_view_child_frame.h"

#include <filesystem>
#include <gtest/gtest.h>

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

TEST_F(StartupTest, BlankNetworkSwitchedOffOpensNoWindow)
{
    store.WriteProfileInt("Settings", "DefCreateBlankFileOnStartup", 0);
    EXPECT_EQ(Start().GetDocument(), nullptr);
    EXPECT_TRUE(app->Frames().empty());
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
    EXPECT_EQ(prompt.questions.size(), 1u);
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

} // namespace
