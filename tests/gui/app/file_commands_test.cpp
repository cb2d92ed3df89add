// New, Open, Save As, closing windows, auto-save and exit as the user meets them.
#include "app_fixture.h"
#include "case_name.h"
#include "document/idle_auto_save.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace
{
using TestSupport::PrintTo;

class FileCommandsTest : public testing::Test, public AppFixture
{
protected:
    // Changes the open network through a command that takes a checkpoint.
    void Change() { app->GetDocument()->ToggleODMatrixShown(); }
};

// What New and Open do with a modified network, by the answer to "Save changes to ...?".
struct ReplaceCase
{
    const char* name;
    bool open;                               // Open rather than New
    std::optional<std::string> chosenFile;   // Open's file dialog; none: cancelled
    std::optional<SaveChangesAnswer> answer; // none: the question must not come
    const char* saveAsFile;                  // Yes on a network without a file; "": cancelled
    bool replaced;
};

class ReplaceModifiedTest : public FileCommandsTest, public testing::WithParamInterface<ReplaceCase>
{};

TEST_P(ReplaceModifiedTest, TheOpenNetworkIsOfferedForSavingFirst)
{
    const ReplaceCase& c = GetParam();
    Start();
    Change();
    const CCarouselDoc* before = app->GetDocument();
    if (c.open)
        files.answers.push_back(c.chosenFile ? std::optional(Example(c.chosenFile->c_str()))
                                             : std::nullopt);
    if (c.answer)
        prompt.saveChanges.push_back(*c.answer);
    if (c.saveAsFile)
        files.answers.push_back(*c.saveAsFile ? std::optional(dir.File(c.saveAsFile))
                                              : std::nullopt);

    const bool done = c.open ? app->FileOpen() : app->FileNew();
    EXPECT_EQ(done, c.replaced);
    EXPECT_EQ(app->GetDocument() != before, c.replaced);
    EXPECT_EQ(prompt.questions.size(), c.answer ? 1u : 0u);
    if (c.answer) {
        EXPECT_EQ(prompt.questions[0], "Save changes to New Gyrolith File?");
    }
    EXPECT_TRUE(files.answers.empty()) << "every scripted dialog came";
    if (c.saveAsFile && *c.saveAsFile) {
        EXPECT_TRUE(std::filesystem::exists(dir.File(c.saveAsFile)));
    }
    ASSERT_NE(app->GetDocument(), nullptr);
    EXPECT_EQ(app->Frames().size(), 1u) << "one network window, the old one closed";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceModifiedTest,
    testing::Values(
        ReplaceCase{"NewCancelled", false, {}, SaveChangesAnswer::Cancel, nullptr, false},
        ReplaceCase{"NewDiscarding", false, {}, SaveChangesAnswer::No, nullptr, true},
        ReplaceCase{"NewSavingAs", false, {}, SaveChangesAnswer::Yes, "kept.crs", true},
        ReplaceCase{"NewSaveAsCancelled", false, {}, SaveChangesAnswer::Yes, "", false},
        ReplaceCase{"OpenAsksForTheFileFirst", true, std::nullopt, std::nullopt, nullptr, false},
        ReplaceCase{"OpenCancelledAtTheQuestion", true, "roundabout.crs", SaveChangesAnswer::Cancel,
                    nullptr, false},
        ReplaceCase{"OpenDiscarding", true, "roundabout.crs", SaveChangesAnswer::No, nullptr,
                    true}),
    CaseName());

TEST_F(FileCommandsTest, ClosingAWindowAsksOnlyWhenItIsTheDocumentsLast)
{
    Start();
    Change();
    app->GetDocument()->OpenView(TrafficFlowsViewKind);
    ASSERT_EQ(app->Frames().size(), 2u);
    CChildFrame* networkWindow = app->Frames()[0];
    CChildFrame* flows = app->Frames()[1];

    EXPECT_TRUE(networkWindow->close());
    QApplication::processEvents();
    EXPECT_TRUE(prompt.questions.empty());
    ASSERT_EQ(app->Frames().size(), 1u);

    prompt.saveChanges = {SaveChangesAnswer::Cancel};
    EXPECT_FALSE(flows->close());
    EXPECT_EQ(prompt.questions.size(), 1u);
    EXPECT_NE(app->GetDocument(), nullptr);

    prompt.saveChanges = {SaveChangesAnswer::No};
    EXPECT_TRUE(flows->close());
    QApplication::processEvents();
    EXPECT_EQ(app->GetDocument(), nullptr) << "the last window took the document with it";
    EXPECT_FALSE(app->GetMainFrame()->GetAction(ECommand::FileSave)->isEnabled());
}

TEST_F(FileCommandsTest, ClosingTheMainWindowCanBeCancelled)
{
    Start();
    Change();
    prompt.saveChanges = {SaveChangesAnswer::Cancel};
    EXPECT_FALSE(app->GetMainFrame()->close());
    EXPECT_TRUE(app->GetMainFrame()->isVisible());
    ASSERT_NE(app->GetDocument(), nullptr);
    prompt.saveChanges = {SaveChangesAnswer::No};
    EXPECT_TRUE(app->GetMainFrame()->close());
    EXPECT_EQ(app->GetDocument(), nullptr);
}

TEST_F(FileCommandsTest, SaveAsProposesTheTitleAndTheNetworkKeepsTheNewPath)
{
    Start();
    files.answers = {dir.File("ring #2.crs")};
    ASSERT_TRUE(app->FileSaveAs());
    EXPECT_EQ(files.asked.back(), "save as New.crs");
    EXPECT_EQ(app->GetDocument()->GetPathName(), dir.File("ring #2.crs"));
    EXPECT_EQ(app->GetRecentFiles().GetEntries().front(), dir.File("ring #2.crs"));

    // A saved network proposes its own folder and its title cut before the blank.
    files.answers = {std::nullopt};
    EXPECT_FALSE(app->FileSaveAs());
    EXPECT_EQ(files.asked.back(), "save as " + dir.File("ring.crs"));
}

TEST_F(FileCommandsTest, DxfExportProposesThePathOrTheSaveAsName)
{
    Start();
    files.answers = {dir.File("new.dxf")};
    ASSERT_TRUE(app->ExportDxf());
    EXPECT_EQ(files.asked.back(), "dxf New.dxf") << "never a bare \".dxf\"";
    EXPECT_TRUE(std::filesystem::exists(dir.File("new.dxf")));

    files.answers = {Example("roundabout.crs")};
    prompt.saveChanges.clear();
    ASSERT_TRUE(app->FileOpen());
    files.answers = {std::nullopt};
    EXPECT_FALSE(app->ExportDxf());
    EXPECT_EQ(files.asked.back(), "dxf " + Example("roundabout.dxf"));
}

// Which entries the list keeps is its own affair; the menu shows them and opens the one chosen.
TEST_F(FileCommandsTest, RecentFilesAreOfferedWithAmpersandsShownAsSuchAndOpen)
{
    Start();
    for (const char* name : {"c & d.crs", "e.crs"}) {
        files.answers = {dir.File(name)};
        ASSERT_TRUE(app->FileSaveAs());
    }
    const auto& actions = app->GetMainFrame()->GetRecentFileActions();
    ASSERT_EQ(actions.size(), 2u);
    EXPECT_EQ(actions[1]->text(), "&2 " + QString::fromStdString(dir.File("c && d.crs")));

    // A modified network is offered for saving first.
    Change();
    prompt.saveChanges = {SaveChangesAnswer::No};
    actions[1]->trigger();
    ASSERT_NE(app->GetDocument(), nullptr);
    EXPECT_EQ(app->GetDocument()->GetPathName(), dir.File("c & d.crs"));
    EXPECT_EQ(app->GetRecentFiles().GetEntries().front(), dir.File("c & d.crs"));
}

TEST_F(FileCommandsTest, ExitWritesSettingsToolbarsAndRecentFilesThenDropsTheAutoSaveFile)
{
    Start();
    files.answers = {dir.File("kept.crs")};
    ASSERT_TRUE(app->FileSaveAs());
    Change();
    now += CAutoSaveManager::AutoSaveInterval + 1;
    app->GetIdleAutoSave().OnIdle();
    const std::string autoSaved = app->GetAutoSave().GetAutoSaveFileName();
    ASSERT_TRUE(std::filesystem::exists(autoSaved));

    program.CurDisplayGrid = true;
    prompt.saveChanges = {SaveChangesAnswer::No};
    ASSERT_TRUE(app->GetMainFrame()->close());
    app->ExitInstance();
    EXPECT_FALSE(std::filesystem::exists(autoSaved));
    EXPECT_EQ(store.GetProfileInt("Settings", "CurDisplayGrid", 0), 1);
    EXPECT_EQ(store.GetProfileString("Recent File List", "File1", ""), dir.File("kept.crs"));
    EXPECT_FALSE(store.GetProfileString("Toolbars\\Settings", "State", "").empty());
}

// The interval itself is the auto-save manager's; with no event coming, a timer must wake the
// loop for the next check.
TEST_F(FileCommandsTest, AutoSaveIsCheckedAgainByATimerWhenNothingElseComes)
{
    Start();
    CIdleAutoSave& idle = app->GetIdleAutoSave();
    idle.OnIdle(); // the first check, with nothing to save
    Change();
    idle.OnIdle();
    EXPECT_TRUE(idle.IsWakeScheduled());
    now += CAutoSaveManager::AutoSaveInterval + 1;
    idle.OnIdle();
    const std::string autoSaved = app->GetAutoSave().GetAutoSaveFileName();
    ASSERT_TRUE(std::filesystem::exists(autoSaved));

    // A change just after the save waits for the next check, which a timer brings.
    std::filesystem::remove(autoSaved);
    Change();
    idle.OnIdle();
    EXPECT_FALSE(std::filesystem::exists(autoSaved)) << "not before ten seconds";
    ASSERT_TRUE(idle.IsWakeScheduled());
    EXPECT_LE(idle.WakeInterval(), 11'000);
    now += CAutoSaveManager::AutoSaveInterval + 1;
    idle.OnIdle();
    EXPECT_TRUE(std::filesystem::exists(autoSaved));
}

TEST_F(FileCommandsTest, AutoSaveWaitsWhileACommandHoldsAPendingCheckpoint)
{
    Start();
    Change();
    ASSERT_TRUE(app->GetDocument()->BeginCheckpoint("Add Arm"));
    now += CAutoSaveManager::AutoSaveInterval + 1;
    app->GetIdleAutoSave().OnIdle();
    EXPECT_FALSE(app->GetAutoSave().IsFileNameChosen());
    app->GetDocument()->CancelCheckpoint();
    app->GetIdleAutoSave().OnIdle();
    EXPECT_TRUE(app->GetAutoSave().IsFileNameChosen());
}

} // namespace
