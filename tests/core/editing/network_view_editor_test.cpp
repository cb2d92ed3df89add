// The network view's editing driven as a user would: presses, moves, releases, keys, commands
// and scripted dialogs, checked on the model and the undo history.
#include "../document/scripted_prompt.h"
#include "../view/support/recording_surface.h"
#include "document/carousel_doc.h"
#include "editing/network_view_editor.h"
#include "model/flow_group.h"
#include "network_builder.h"
#include "scripted_dialogs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace
{

using testing::ElementsAre;
using EMode = CNetworkViewEditor::EMode;

// Forwards the document's updates to the editor, as the window does.
struct CEditorView : CDocumentView
{
    void OnUpdate(int hint) override { editor->OnUpdate(hint); }
    int GetViewKind() const override { return NetworkViewKind; }
    CNetworkViewEditor* editor = nullptr;
};

// An editor on a new document, drawn in a window that forwards the document's updates.
class EditorFixture : public testing::Test
{
protected:
    EditorFixture()
    {
        view.editor = &editor;
        doc.AddView(&view);
    }
    ~EditorFixture() override { doc.RemoveView(&view); }

    void Click(CPoint p, bool ctrl = false)
    {
        editor.LeftButtonDown(p, ctrl);
        editor.LeftButtonUp(p);
    }
    void Drag(CPoint from, CPoint to)
    {
        editor.LeftButtonDown(from, false);
        editor.MouseMove(to);
        editor.LeftButtonUp(to);
    }

    ProgramSettings program;
    NetworkSettings settings;
    CScriptedPrompt prompt;
    CCarouselDoc doc{program, settings, &prompt};
    // A new document first: it replaces the network.
    CNetwork& network = (doc.OnNewDocument(), doc.GetNetwork());
    CNetworkViewState state{doc.GetViewStates()};
    CScriptedDialogs dialogs;
    TestSupport::CRecordingSurface measure;
    CNetworkViewEditor editor{doc, state, program, dialogs, prompt, measure};
    CEditorView view;
};

// Arm text height 30: lanes are 36 wide, their end boxes 108 long. Arm 1 runs down from
// (1000, 1000) to (1000, 2000) with lane 1 between x 910 and 946 and lane 2 between 946 and 982,
// stop lines at y 1000. Arm 2 has one lane (x 2946..2982) below (3000, 1000). Arm 3 below
// (5000, 1000) has lane 1 infinitely long (x 4910..4946) feeding lane 2, short (x 4946..4982,
// down to y 1625).
class Editing : public EditorFixture
{
protected:
    Editing()
    {
        arm1->SetPoints({1000, 1000}, {1000, 2000});
        arm2->SetPoints({3000, 1000}, {3000, 2000});
        arm3->SetPoints({5000, 1000}, {5000, 2000});
        TestSupport::Lane(arm3, 2)->SetLength(100);
        network.GetLaneConnectors().AddConnector(TestSupport::Lane(arm3, 1),
                                                 TestSupport::Lane(arm3, 2));
        doc.SetModifiedFlag(false);
    }

    CCapacityLane* Lane(CArm* arm, std::uint32_t n) { return TestSupport::Lane(arm, n); }
    std::size_t Steps() const { return doc.GetCheckpointCount(); }

    CArm* arm1 = TestSupport::AddArm(network, 2);
    CArm* arm2 = TestSupport::AddArm(network, 1);
    CArm* arm3 = TestSupport::AddArm(network, 2);
};

// A document the network file cannot hold takes no checkpoint: the drag is refused with the
// writer's message, moves nothing and leaves no step.
TEST_F(Editing, ADragWhoseCheckpointCannotBeWrittenIsRefused)
{
    CFlowGroups& groups = network.GetFlowGroups();
    CFlowGroup* group = groups.GetCount() ? groups.GetFlowGroup(1) : groups.InsertFlowGroup(1);
    group->SetDescription("AM Peak ");
    const CPlanPoint before = arm1->GetFirstPoint();
    Drag({1000, 1500}, {1100, 1520});
    EXPECT_EQ(editor.GetMode(), EMode::Idle);
    EXPECT_EQ(arm1->GetFirstPoint(), before);
    EXPECT_EQ(Steps(), 0u);
    EXPECT_FALSE(doc.HasPendingCheckpoint());
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.messages[0].find("\"AM Peak \""), std::string::npos) << prompt.messages[0];
}

TEST_F(Editing, ADragTakesOneCheckpointAtItsFirstMoveAndAClickNone)
{
    Click({1000, 1500});
    EXPECT_TRUE(state.IsSelected(ESelectionKind::Arm, arm1->GetId()));
    EXPECT_EQ(Steps(), 0u) << "a click is no move";

    editor.LeftButtonDown({1000, 1500}, false);
    editor.MouseMove({1050, 1500});
    EXPECT_EQ(editor.GetMode(), EMode::Dragging);
    EXPECT_FALSE(editor.CanUndo()) << "no undo in the middle of a drag";
    editor.MouseMove({1100, 1520});
    editor.LeftButtonUp({1100, 1520});
    EXPECT_EQ(Steps(), 1u);
    EXPECT_EQ(doc.GetUndoName(), "Move Arm");
    EXPECT_EQ(arm1->GetFirstPoint(), (CPlanPoint{1100, 1020}));
    EXPECT_EQ(arm1->GetSecondPoint(), (CPlanPoint{1100, 2020}));
    EXPECT_TRUE(doc.IsModified());

    // Snapped to the grid of 100, an end grab moving only its end.
    program.CurSnapToGrid = true;
    Drag({1100, 2010}, {1149, 2310});
    EXPECT_EQ(arm1->GetFirstPoint(), (CPlanPoint{1100, 1020}));
    EXPECT_EQ(arm1->GetSecondPoint(), (CPlanPoint{1100, 2300}));
    Drag({1100, 2300}, {1150, 2300});
    EXPECT_EQ(arm1->GetSecondPoint(), (CPlanPoint{1200, 2300}));
    EXPECT_EQ(Steps(), 3u);
}

TEST_F(Editing, EscapeTakesADragBackWithoutAnUndoStepAndDragsStopAtThePlanLimits)
{
    editor.LeftButtonDown({3000, 1500}, false);
    editor.MouseMove({3400, 1500});
    EXPECT_EQ(arm2->GetFirstPoint(), (CPlanPoint{3400, 1000}));
    EXPECT_TRUE(editor.Escape());
    EXPECT_EQ(arm2->GetFirstPoint(), (CPlanPoint{3000, 1000}));
    EXPECT_EQ(Steps(), 0u);
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.IsModified()) << "closing would ask to save nothing";
    editor.LeftButtonUp({3400, 1500});
    EXPECT_EQ(arm2->GetFirstPoint(), (CPlanPoint{3000, 1000}));

    // A drag stops on an axis at the plan limits: x would pass 27767.
    Drag({3000, 1500}, {3000 + 27000, 1600});
    EXPECT_EQ(arm2->GetFirstPoint(), (CPlanPoint{3000, 1100}));
    EXPECT_EQ(arm2->GetSecondPoint(), (CPlanPoint{3000, 2100}));
}

TEST_F(Editing, RubberBandsMakeConnectorsOnlyWhereTheNetworkAllowsThem)
{
    // From the stop-line box of lane 1.1 to lane 2.1.
    editor.LeftButtonDown({930, 1050}, false);
    ASSERT_EQ(editor.GetMode(), EMode::Band);
    editor.MouseMove({2964, 1500});
    ASSERT_TRUE(editor.GetBand());
    EXPECT_EQ(editor.GetBand()->from, (CPoint{928, 1000})) << "the stop-line midpoint";
    EXPECT_EQ(editor.BandTargetLane({2964, 1500}), Lane(arm2, 1)->GetLaneId());
    editor.LeftButtonUp({2964, 1500});
    EXPECT_NE(network.GetLaneConnectors().FindConnector(Lane(arm1, 1), Lane(arm2, 1)), nullptr);
    EXPECT_EQ(doc.GetUndoName(), "Add Lane Connector");
    ASSERT_EQ(Steps(), 1u);

    struct
    {
        const char* name;
        CPoint from;
        CPoint to;
    } const refused[] = {
        {"over nothing", {930, 1050}, {2000, 1500}},
        {"the same lane", {930, 1050}, {930, 1500}},
        {"a lane of the same arm", {930, 1050}, {964, 1500}},
        {"a short lane", {930, 1050}, {4964, 1300}},
        {"a connector there already", {930, 1050}, {2964, 1700}},
    };
    for (const auto& r : refused) {
        Drag(r.from, r.to);
        EXPECT_EQ(Steps(), 1u) << r.name << ": no connector, no undo step";
        EXPECT_EQ(editor.GetMode(), EMode::Idle) << r.name;
    }

    // From the far end of lane 2.1 an incoming connector, ending at lane 1.2.
    Drag({2964, 1950}, {964, 1500});
    EXPECT_NE(network.GetLaneConnectors().FindConnector(Lane(arm1, 2), Lane(arm2, 1)), nullptr);
    EXPECT_EQ(Steps(), 2u);
}

TEST_F(Editing, ZonesStopBandsAndCtrlCollectsLanes)
{
    CZone* zone = network.GetZones().InsertZone(1);
    zone->SetExitArm(arm2);
    // Arm 2 is a destination arm: its stop-line box starts no outgoing connector.
    editor.LeftButtonDown({2964, 1050}, false);
    EXPECT_EQ(editor.GetMode(), EMode::Pressed);
    editor.LeftButtonUp({2964, 1050});
    // Nor does a band end on it from its far end... but one from lane 1.1 may end on it.
    Drag({930, 1050}, {2964, 1500});
    EXPECT_EQ(network.GetLaneConnectors().GetCount(), 2u);

    Click({2000, 3000}); // nothing: the selection goes
    Click({930, 1050}, true);
    EXPECT_EQ(editor.GetMode(), EMode::Idle) << "Ctrl never starts a band";
    Click({964, 1500}, true);
    EXPECT_EQ(state.GetSelectedLanes().GetCount(), 2u);
    Click({930, 1500}, true);
    EXPECT_THAT(state.GetSelectedLanes().GetLanes(), ElementsAre(Lane(arm1, 2)));
}

TEST_F(Editing, MenuCommandsStartABandThatTheNextClickEnds)
{
    Click({930, 1500});
    ASSERT_TRUE(editor.RunCommand(EViewCommand::AddIncomingLaneConnector));
    EXPECT_EQ(editor.GetMode(), EMode::Band);
    editor.MouseMove({2964, 1500});
    EXPECT_EQ(editor.GetBand()->from, (CPoint{928, 2000})) << "the far-end midpoint";
    editor.LeftButtonDown({2964, 1500}, false);
    editor.LeftButtonUp({2964, 1500});
    EXPECT_NE(network.GetLaneConnectors().FindConnector(Lane(arm2, 1), Lane(arm1, 1)), nullptr);
    EXPECT_EQ(editor.GetMode(), EMode::Idle);
}

TEST_F(Editing, AddArmPlacesTheNewArmAtTheMouseUntilAClick)
{
    editor.MouseMove({7049, 3000});
    program.CurSnapToGrid = true;
    dialogs.createArm = [](CDlgArmCreateModel& d) {
        EXPECT_EQ(d.GetNumber(), 4u);
        return d.SetLaneCountText("3");
    };
    ASSERT_TRUE(editor.RunCommand(EViewCommand::AddArm));
    ASSERT_EQ(network.GetArms().GetCount(), 4u);
    CArm* arm = network.GetArms().GetArm(4);
    EXPECT_EQ(arm->GetLanes().GetCount(), 3u);
    EXPECT_TRUE(state.IsSelected(ESelectionKind::Arm, arm->GetId()));
    EXPECT_EQ(arm->GetFirstPoint(), (CPlanPoint{7000, 3000}));
    EXPECT_EQ(arm->GetSecondPoint(), (CPlanPoint{7500, 3000})) << "500 long";
    EXPECT_FALSE(editor.CanUndo());
    EXPECT_FALSE(editor.IsCommandEnabled(EViewCommand::AddArm)) << "while placing";

    editor.MouseMove({8150, 2951});
    EXPECT_EQ(arm->GetFirstPoint(), (CPlanPoint{8200, 3000}));
    editor.LeftButtonDown({8150, 2951}, false);
    editor.LeftButtonUp({8150, 2951});
    EXPECT_EQ(editor.GetMode(), EMode::Idle);
    EXPECT_EQ(Steps(), 1u);
    EXPECT_EQ(doc.GetUndoName(), "Add Arm");
    EXPECT_EQ(network.GetArms().GetArm(4)->GetFirstPoint(), (CPlanPoint{8200, 3000}));
}

TEST_F(Editing, EscapeWhilePlacingLeavesTheNetworkAsItWas)
{
    ASSERT_TRUE(editor.RunCommand(EViewCommand::AddArm));
    EXPECT_TRUE(editor.Escape());
    EXPECT_EQ(network.GetArms().GetCount(), 3u);
    EXPECT_EQ(Steps(), 0u);
    EXPECT_EQ(state.GetSelectionKind(), ESelectionKind::None);
    EXPECT_FALSE(doc.IsModified());

    doc.SetModifiedFlag(true);
    ASSERT_TRUE(editor.RunCommand(EViewCommand::AddArm));
    EXPECT_TRUE(editor.Escape());
    EXPECT_TRUE(doc.IsModified()) << "an earlier change stays unsaved";

    dialogs.createArm = [](auto&) {
        return false;
    };
    EXPECT_FALSE(editor.RunCommand(EViewCommand::AddArm)) << "cancelled";
    EXPECT_EQ(network.GetArms().GetCount(), 3u);
}

TEST_F(Editing, DeletingAsksClearsTheSelectionAndUndoes)
{
    Click({3000, 1500});
    prompt.Answer(PromptAnswer::No);
    EXPECT_FALSE(editor.RunCommand(EViewCommand::DeleteArm));
    EXPECT_THAT(prompt.questions, ElementsAre("Are you sure you want to Delete this Arm?"));
    EXPECT_EQ(network.GetArms().GetCount(), 3u);

    prompt.Answer(PromptAnswer::Yes);
    editor.DeleteSelection();
    EXPECT_EQ(network.GetArms().GetCount(), 2u);
    EXPECT_EQ(state.GetSelectionKind(), ESelectionKind::None);
    ASSERT_TRUE(editor.CanUndo());
    doc.Undo();
    EXPECT_EQ(doc.GetNetwork().GetArms().GetCount(), 3u);

    // The lane asks with its blanks.
    Click({930, 1500});
    prompt.Answer(PromptAnswer::Yes);
    ASSERT_TRUE(editor.RunCommand(EViewCommand::DeleteLane));
    EXPECT_EQ(prompt.questions.back(), "Are you sure you want to Delete this Lane ? ");
    EXPECT_EQ(doc.GetNetwork().GetArms().GetArm(1)->GetLanes().GetCount(), 1u);
}

TEST_F(Editing, UndoDuringAnEditDropsNothingHeld)
{
    Drag({1000, 1500}, {1100, 1500});
    Click({930, 1500});
    doc.Undo(); // every object is replaced
    EXPECT_EQ(state.GetSelectionKind(), ESelectionKind::None);
    EXPECT_EQ(editor.GetMode(), EMode::Idle);
    CArm* restored = doc.GetNetwork().GetArms().GetArm(1);
    EXPECT_EQ(restored->GetFirstPoint(), (CPlanPoint{1000, 1000}));
    Drag({1000, 1500}, {1000, 1600});
    EXPECT_EQ(restored->GetFirstPoint(), (CPlanPoint{1000, 1100})) << "found again by the hit";
}

TEST_F(Editing, ArrowsNudgeTheSelectionAsOneStepWithinThePlanAndTooltipsNameIt)
{
    Click({3000, 1500});
    // More steps than int holds are worked out wide: past the plan limits nothing moves.
    editor.Nudge(300000000, -300000000);
    EXPECT_EQ(Steps(), 0u);
    EXPECT_EQ(arm2->GetFirstPoint(), (CPlanPoint{3000, 1000}));
    editor.Nudge(1, -2);
    EXPECT_EQ(arm2->GetFirstPoint(), (CPlanPoint{3010, 980})) << "1 mm a step without the grid";
    EXPECT_EQ(Steps(), 1u);
    EXPECT_EQ(doc.GetUndoName(), "Move Arm");
    program.CurSnapToGrid = true;
    editor.Nudge(-1, 0);
    EXPECT_EQ(arm2->GetFirstPoint(), (CPlanPoint{2900, 1000})) << "a grid step, snapped";

    EXPECT_EQ(editor.ToolTipText({2900, 1500}), "Arm 2");
    EXPECT_EQ(editor.ToolTipText({964, 1500}), "Lane 2 of arm 1");
    EXPECT_EQ(editor.ToolTipText({2000, 3000}), "");
}

TEST_F(Editing, LaneCommandsFollowTheLanesAndTheirLaneChanges)
{
    struct Case
    {
        const char* lane;
        CPoint at;
        std::vector<EViewCommand> enabled;
    };
    using C = EViewCommand;
    const std::vector<EViewCommand> laneCommands = {
        C::AddShortLaneToLeft,           C::AddShortLaneToRight, C::AddInfinitelyLongLaneToLeft,
        C::AddInfinitelyLongLaneToRight, C::EditShortLane,       C::ConvertToInfinitelyLongLane,
        C::ConvertToShortLane,           C::DeleteLane,          C::AddOutgoingLaneConnector,
        C::AddIncomingLaneConnector};
    const Case cases[] = {
        {"long beside long",
         {930, 1500},
         {C::AddShortLaneToLeft, C::AddShortLaneToRight, C::AddInfinitelyLongLaneToLeft,
          C::AddInfinitelyLongLaneToRight, C::ConvertToShortLane, C::DeleteLane,
          C::AddOutgoingLaneConnector, C::AddIncomingLaneConnector}},
        {"long feeding a short lane",
         {4930, 1500},
         {C::AddShortLaneToLeft, C::AddShortLaneToRight, C::AddInfinitelyLongLaneToLeft,
          C::AddOutgoingLaneConnector, C::AddIncomingLaneConnector}},
        {"short",
         {4964, 1300},
         {C::AddShortLaneToLeft, C::AddShortLaneToRight, C::AddInfinitelyLongLaneToRight,
          C::EditShortLane, C::ConvertToInfinitelyLongLane, C::DeleteLane,
          C::AddOutgoingLaneConnector, C::AddIncomingLaneConnector}},
    };
    for (const Case& c : cases) {
        Click(c.at);
        std::vector<EViewCommand> enabled;
        for (const EViewCommand command : laneCommands) {
            if (editor.IsCommandEnabled(command)) {
                enabled.push_back(command);
            }
        }
        EXPECT_EQ(enabled, c.enabled) << c.lane;
    }
    Click({964, 1500}, true); // a second lane: none of them
    Click({930, 1500}, true);
    for (const EViewCommand command : laneCommands) {
        EXPECT_FALSE(editor.IsCommandEnabled(command));
    }
}

TEST_F(Editing, AddCommandsGreyOutAtTheirLimits)
{
    EXPECT_TRUE(editor.IsCommandEnabled(EViewCommand::AddArm));
    EXPECT_TRUE(editor.IsCommandEnabled(EViewCommand::AddZone));
    EXPECT_TRUE(editor.IsCommandEnabled(EViewCommand::AddCapacityAssessor))
        << "unconnected arms may serve either way";
    EXPECT_FALSE(editor.IsCommandEnabled(EViewCommand::DeleteAllRoutes));
    network.GetArms().InsertArm(99);
    EXPECT_FALSE(editor.IsCommandEnabled(EViewCommand::AddArm));
    for (std::uint32_t n = 1; n <= 99; ++n) {
        doc.GetLabels().InsertLabel(n);
    }
    EXPECT_FALSE(editor.IsCommandEnabled(EViewCommand::AddLabel));
    while (network.GetZones().GetCount() < 99) {
        network.GetZones().InsertZone(network.GetZones().GetCount() + 1);
    }
    EXPECT_FALSE(editor.IsCommandEnabled(EViewCommand::AddZone)) << "99 zones";
}

TEST_F(Editing, ContextMenusAndDoubleClicksFollowTheSelection)
{
    EXPECT_EQ(editor.RightButtonDown({1000, 1500}), EPopupMenu::Arm);
    EXPECT_EQ(editor.RightButtonDown({930, 1500}), EPopupMenu::Lane);
    EXPECT_EQ(editor.RightButtonDown({2000, 3000}), EPopupMenu::Background);
    network.GetLaneConnectors().AddConnector(Lane(arm1, 1), Lane(arm2, 1));
    EXPECT_EQ(editor.RightButtonDown({1946, 1500}), EPopupMenu::Connector);

    Click({1000, 1500});
    editor.LeftDoubleClick();
    Click({4964, 1300});
    editor.LeftDoubleClick();
    Click({930, 1500});
    editor.LeftDoubleClick(); // an infinitely long lane has nothing to edit
    EXPECT_THAT(dialogs.shown, ElementsAre("Edit Arm", "Edit Short Lane"));
}

TEST_F(Editing, DialogsApplyWhatTheyHoldUnderTheirCommandsName)
{
    // The short lane of arm 3 edited to 300.
    Click({4964, 1300});
    dialogs.editShortLane = [](CDlgEditLaneModel& d) {
        d.SetLengthText("300");
        return true;
    };
    ASSERT_TRUE(editor.RunCommand(EViewCommand::EditShortLane));
    EXPECT_EQ(Lane(arm3, 2)->GetLength(), 300);
    EXPECT_EQ(doc.GetUndoName(), "Edit Short Lane");
    dialogs.editShortLane = [](CDlgEditLaneModel& d) {
        d.SetLengthText("1001");
        return true; // the dialog stays open: its OK is refused
    };
    EXPECT_FALSE(editor.RunCommand(EViewCommand::EditShortLane));
    EXPECT_EQ(doc.GetUndoName(), "Edit Short Lane");
    EXPECT_EQ(Steps(), 1u);

    // A zone with a colour, and a label placed at the mouse.
    network.GetLaneConnectors().AddConnector(Lane(arm1, 1), Lane(arm2, 1));
    dialogs.editZone = [](CDlgEditZoneModel& d) {
        d.SetColour(0x0000FF);
        return d.SetEntryArmNumber(1) && d.SetExitArmNumber(2);
    };
    ASSERT_TRUE(editor.RunCommand(EViewCommand::AddZone));
    const CZone* zone = network.GetZones().GetZone(1);
    EXPECT_EQ(zone->GetEntryArm(), arm1);
    EXPECT_EQ(zone->GetExitArm(), arm2);
    EXPECT_EQ(zone->GetColour(), 0x0000FFu);
    EXPECT_EQ(doc.GetUndoName(), "Add Zone");

    editor.MouseMove({600, 3000});
    dialogs.editLabel = [](CDlgEditLabelModel& d) {
        d.SetTextField("  North  ");
        d.SetHeightText("5.55");
        return true;
    };
    ASSERT_TRUE(editor.RunCommand(EViewCommand::AddLabel));
    Click({700, 3100});
    const CLabel* label = doc.GetLabels().GetLabel(1);
    EXPECT_EQ(label->GetText(), "North");
    EXPECT_EQ(label->GetTextHeight(), 55);
    EXPECT_EQ(label->GetFirstPoint(), (CLabelPoint{700, 3100}));
    EXPECT_EQ(doc.GetUndoName(), "Add Label");
}

// The roundabout's first steps from an empty network with the mouse and dialogs alone, and
// every step undone back to empty.
using EditingFromEmpty = EditorFixture;

TEST_F(EditingFromEmpty, EveryStepUndoesBackToAnEmptyNetwork)
{
    // Arms run right from where they are placed: lanes below the arm line, stop line at the
    // first point. Entry arm at (1000, 1000), circulatory at (2000, 2000), exit at (3000, 3000).
    for (const CPoint at : {CPoint{1000, 1000}, CPoint{2000, 2000}, CPoint{3000, 3000}}) {
        editor.MouseMove(at);
        ASSERT_TRUE(editor.RunCommand(EViewCommand::AddArm));
        Click(at);
    }
    Drag({1050, 1070}, {2250, 2070});
    Drag({2050, 2070}, {3250, 3070});
    ASSERT_EQ(network.GetLaneConnectors().GetCount(), 2u);
    dialogs.editZone = [](CDlgEditZoneModel& d) {
        return d.SetEntryArmNumber(1) && d.SetExitArmNumber(3);
    };
    ASSERT_TRUE(editor.RunCommand(EViewCommand::AddZone));
    // The assessor proposed by the selected entry arm, placed below it.
    Click({1250, 995});
    dialogs.editAssessor = [&](CDlgCapacityAssessorModel& d) {
        return d.SetCirculatoryArmId(network.GetArms().GetArm(2)->GetId());
    };
    ASSERT_TRUE(editor.RunCommand(EViewCommand::AddCapacityAssessor));
    Click({1250, 1500});
    const CCapacityAssessor* assessor = network.GetCapacityAssessors().GetCapacityAssessor(1);
    ASSERT_NE(assessor, nullptr);
    EXPECT_EQ(assessor->GetEntryArm(), network.GetArms().GetArm(1));
    EXPECT_EQ(assessor->GetGraphics().x, 1250);

    std::vector<std::string> undone;
    while (editor.CanUndo()) {
        undone.push_back(doc.GetUndoName());
        doc.Undo();
    }
    EXPECT_THAT(undone, ElementsAre("Add Capacity Assessor", "Add Zone", "Add Lane Connector",
                                    "Add Lane Connector", "Add Arm", "Add Arm", "Add Arm"));
    EXPECT_EQ(doc.GetNetwork().GetArms().GetCount(), 0u);
}

} // namespace
