// The printing commands in the desktop program: the File menu's states and print layout mode
// reached from the network view's background menu.
#include "../app/app_fixture.h"
#include "printing/print_layout_controller.h"
#include "view/network_view.h"
#include "view/network_view_child_frame.h"

#include <QMenu>
#include <gtest/gtest.h>

namespace
{

class PrintCommandsApp : public testing::Test, public AppFixture
{
protected:
    QAction* Action(ECommand command) { return app->GetMainFrame()->GetAction(command); }
};

TEST_F(PrintCommandsApp, PrintAndPreviewFollowThePagesOfTheNetwork)
{
    Start({Example("roundabout.crs")});
    app->UpdateCommandUI();
    EXPECT_TRUE(Action(ECommand::Print)->isEnabled());
    EXPECT_TRUE(Action(ECommand::PrintPreview)->isEnabled());

    prompt.saveChanges.push_back(SaveChangesAnswer::No);
    ASSERT_TRUE(app->FileNew());
    app->UpdateCommandUI();
    EXPECT_FALSE(Action(ECommand::Print)->isEnabled());
    EXPECT_FALSE(Action(ECommand::PrintPreview)->isEnabled());
    EXPECT_TRUE(Action(ECommand::DraftPrintEntireNetwork)->isEnabled());
}

TEST_F(PrintCommandsApp, PrintLayoutModeIsAWindowCommandOfTheNetworkView)
{
    Start({Example("roundabout.crs")});
    CNetworkViewChildFrame* frame = app->ActiveNetworkFrame();
    ASSERT_NE(frame, nullptr);
    CNetworkView& view = *frame->GetNetworkView();
    ASSERT_NE(frame->GetPrintLayout(), nullptr);
    const auto background = view.NewContextMenu(EPopupMenu::Background);
    QAction* mode = nullptr;
    for (QAction* action : background->actions())
        if (action->text() == "Print Layout Mode")
            mode = action;
    ASSERT_NE(mode, nullptr);
    ASSERT_TRUE(mode->isEnabled());
    mode->trigger();
    EXPECT_TRUE(view.IsCommandChecked(EViewCommand::PrintLayoutMode));
    EXPECT_TRUE(frame->GetPrintLayout()->IsActive());
    // The first page is current, its zone selected; the network is not edited meanwhile, but
    // the grid still switches.
    CCarouselDoc& doc = *app->GetDocument();
    EXPECT_EQ(doc.GetCurrentPrintPage(), doc.GetPrintPages().GetPage(1));
    EXPECT_EQ(view.GetViewState().GetSelectionKind(), ESelectionKind::PrintZone);
    EXPECT_EQ(view.GetViewState().GetSelectedId(), doc.GetPrintPages().GetPage(1)->GetId());
    EXPECT_FALSE(view.IsCommandEnabled(EViewCommand::AddArm));
    EXPECT_TRUE(view.IsCommandEnabled(EViewCommand::DisplayGrid));

    ASSERT_TRUE(view.RunCommand(EViewCommand::PrintLayoutMode));
    EXPECT_FALSE(frame->GetPrintLayout()->IsActive());
    EXPECT_NE(view.GetViewState().GetSelectionKind(), ESelectionKind::PrintZone);
    EXPECT_TRUE(view.IsCommandEnabled(EViewCommand::AddArm));
}

} // namespace
