// Every command: its checkpoint name, its hint, the modified flag, and undo taking it back.
#include "case_name.h"
#include "document_fixture.h"
#include "model/capacity_assessor.h"
#include "printing/print_page_layout.h"
#include "routing/flow_group_commands.h"
#include "routing/route_commands.h"

namespace
{
using TestSupport::PrintTo;

using doctest::CDocumentFixture;

constexpr int NoHint = -1;

using Doc = CCarouselDoc;
using Prompt = CScriptedPrompt;

struct CommandCase
{
    const char* Name;
    const char* Checkpoint;
    void (*Run)(Doc& doc, Prompt& prompt);
    int Hint;
    // False where the command has nothing to change: the junction has no circular route.
    bool InSnapshot = true;
    void (*Prepare)(Doc& doc) = nullptr;
};

CArm* A(CCarouselDoc& doc, std::uint32_t n)
{
    return doc.GetNetwork().GetArms().GetArm(n);
}
CLane* L(CCarouselDoc& doc, std::uint32_t arm, std::uint32_t lane)
{
    return A(doc, arm)->GetLanes().GetLane(lane);
}
CZone* Z(CCarouselDoc& doc, std::uint32_t n)
{
    return doc.GetNetwork().GetZones().GetZone(n);
}
CRoute* R(CCarouselDoc& doc, std::uint32_t n)
{
    return doc.GetNetwork().GetRoutes().GetRoute(n);
}

void OneLabel(Doc& d)
{
    d.GetLabels().InsertLabel(1);
}
void OnePrintPage(Doc& d)
{
    d.GetPrintPages().AddPage();
}
// Zone 1 to zone 2 wants 600 in the current group.
void DesiredFlow600(Doc& d)
{
    CNetwork& network = d.GetNetwork();
    network.GetCurrentFlowGroup()->SetDesiredFlow(network.GetODMovements().Find(Z(d, 1), Z(d, 2)),
                                                  600);
}

const CommandCase CommandCases[] = {
    {"AddArm", "Add Arm",
     [](Doc& d, Prompt&) {
         ASSERT_NE(d.BeginAddArm(5, 3), nullptr);
         d.CommitAddArm();
     },
     1},
    {"EditArm", "Edit Arm", [](Doc& d, Prompt&) { d.EditArm(*A(d, 4), 1); }, 1},
    {"DeleteArm", "Delete Arm", [](Doc& d, Prompt&) { d.DeleteArm(*A(d, 4)); }, 3},
    {"MoveArm", "Move Arm", [](Doc& d, Prompt&) { d.MoveArm(*A(d, 2), 10, 5); }, 1},
    {"AddShortLaneLeft", "Add Short Lane To Left",
     [](Doc& d, Prompt&) { d.AddShortLane(*L(d, 1, 1), LaneSide::Left, 20); }, 1},
    {"AddShortLaneRight", "Add Short Lane To Right",
     [](Doc& d, Prompt&) { d.AddShortLane(*L(d, 1, 2), LaneSide::Right, 20); }, 1},
    {"AddLongLaneLeft", "Add Infintely Long Lane To Left",
     [](Doc& d, Prompt&) { d.AddInfinitelyLongLane(*L(d, 3, 1), LaneSide::Left); }, 1},
    {"AddLongLaneRight", "Add Infintely Long Lane To Right",
     [](Doc& d, Prompt&) { d.AddInfinitelyLongLane(*L(d, 3, 1), LaneSide::Right); }, 1},
    {"EditShortLane", "Edit Short Lane", [](Doc& d, Prompt&) { d.EditShortLane(*L(d, 4, 1), 12); },
     1},
    {"ConvertToLong", "Convert To Infinitely Long Lane",
     [](Doc& d, Prompt&) { d.ConvertToInfinitelyLongLane(*L(d, 4, 1)); }, 3, true,
     [](Doc& d) {
         L(d, 4, 1)->SetLength(30);
     }},
    {"ConvertToShort", "Convert To Short Lane",
     [](Doc& d, Prompt&) { ASSERT_TRUE(d.ConvertToShortLane(*L(d, 1, 1), *L(d, 1, 2), 15)); }, 3},
    {"DeleteLane", "Delete Lane", [](Doc& d, Prompt&) { d.DeleteLane(*L(d, 1, 2)); }, 3},
    {"AddLaneConnector", "Add Lane Connector",
     [](Doc& d, Prompt&) { ASSERT_NE(d.AddLaneConnector(*L(d, 1, 1), *L(d, 4, 1)), nullptr); }, 3},
    {"DeleteLaneConnector", "Delete Lane Connector",
     [](Doc& d, Prompt&) {
         d.DeleteLaneConnector(
             *d.GetNetwork().GetLaneConnectors().FindConnector(L(d, 1, 1), L(d, 2, 1)));
     },
     3},
    {"AddZone", "Add Zone",
     [](Doc& d, Prompt&) { ASSERT_NE(d.AddZone(3, nullptr, A(d, 4)), nullptr); }, 1},
    {"EditZone", "Edit Zone", [](Doc& d, Prompt&) { d.EditZone(*Z(d, 2), 1, nullptr, A(d, 4), 0); },
     3},
    {"DeleteZone", "Delete Zone", [](Doc& d, Prompt&) { d.DeleteZone(*Z(d, 2)); }, 3},
    {"AddLabel", "Add Label",
     [](Doc& d, Prompt&) {
         ASSERT_NE(d.BeginAddLabel(1), nullptr);
         d.CommitAddLabel();
     },
     NoHint},
    {"EditLabel", "Edit Label",
     [](Doc& d, Prompt&) { d.EditLabel(*d.GetLabels().GetLabel(1), "Main Road", 60, 0); }, NoHint,
     true, OneLabel},
    {"DeleteLabel", "Delete Label",
     [](Doc& d, Prompt&) { d.DeleteLabel(*d.GetLabels().GetLabel(1)); }, NoHint, true, OneLabel},
    {"AddCapacityAssessor", "Add Capacity Assessor",
     [](Doc& d, Prompt&) {
         ASSERT_NE(d.BeginAddCapacityAssessor(1, A(d, 1), A(d, 2)), nullptr);
         d.CommitAddCapacityAssessor();
     },
     1},
    {"MoveCapacityAssessor", "Move Capacity Assessor",
     [](Doc& d, Prompt&) {
         d.MoveCapacityAssessor(*d.GetNetwork().GetCapacityAssessors().GetCapacityAssessor(1), 50,
                                60);
     },
     1, true,
     [](Doc& d) {
         d.GetNetwork().GetCapacityAssessors().InsertCapacityAssessor(1, 1500);
     }},
    {"DeleteAllRoutes", "Delete All Routes",
     [](Doc& d, Prompt& p) {
         p.Answer(PromptAnswer::Yes);
         ASSERT_TRUE(d.DeleteAllRoutes());
     },
     3},
    {"MakeCircularNonPermitted", "Make Circular Routes Non-Permitted",
     [](Doc& d, Prompt&) { d.MakeCircularRoutesNonPermitted(); }, 2, false},
    {"BuildRoutes", "Build Routes", [](Doc& d, Prompt&) { d.BuildRoutes(); }, 2, true,
     [](Doc& d) {
         d.GetNetwork().GetRoutes().RemoveAllRoutes();
     }},
    {"ShowODMatrix", "Show OD Matrix", [](Doc& d, Prompt&) { d.ToggleODMatrixShown(); }, 1},
    {"EditNetworkSettings", "Edit Network Settings",
     [](Doc& d, Prompt&) {
         NetworkSettings changed = d.GetNetworkSettings();
         changed.GridSize = 250;
         CProjectInformation project;
         project.title = "Ring Road";
         d.EditNetworkSettings(project, changed);
     },
     1},
    {"DisallowRoute", "Disallow Route",
     [](Doc& d, Prompt&) { d.SetRoutePermitted(*R(d, 1), false); }, 2},
    {"DeleteRoute", "Delete Route", [](Doc& d, Prompt&) { d.DeleteRoute(*R(d, 2)); }, 2},
    {"LockRouteFlow", "Lock Route Flow",
     [](Doc& d, Prompt&) { ASSERT_TRUE(d.ToggleRouteLock(*R(d, 1))); }, 2},
    {"EditRoute", "Edit Route",
     [](Doc& d, Prompt&) {
         ASSERT_TRUE(d.EditRoute(*R(d, 1), CRouteFlowEdit{250.0, true, true, {}}));
     },
     2},
    {"DisallowAllRoutes", "Disallow All Routes",
     [](Doc& d, Prompt&) { d.SetAllFilteredRoutesPermitted(false); }, 2},
    {"BalanceOnArm", "Balance Lane Flows On Arm",
     [](Doc& d, Prompt&) { ASSERT_TRUE(d.BalanceLaneFlowsOnArm(*A(d, 1))); }, 0, true,
     DesiredFlow600},
    {"BalanceOnAllArms", "Balance Lane Flows On All Arms",
     [](Doc& d, Prompt&) { ASSERT_EQ(d.BalanceLaneFlowsOnAllArms(), 1u); }, 0, true,
     DesiredFlow600},
    {"AddFlowgroup", "Add Flowgroup",
     [](Doc& d, Prompt&) { d.AddFlowGroup(FlowGroupAddPosition::Append, nullptr); }, 3},
    {"EditFlowgroup", "Edit Flowgroup",
     [](Doc& d, Prompt&) {
         ASSERT_TRUE(d.EditFlowGroup(*d.GetNetwork().GetFlowGroups().GetFlowGroup(1), 1, "AM Peak",
                                     7 * 3600, 9 * 3600));
     },
     3},
    {"DeleteFlowgroup", "Delete Flowgroup",
     [](Doc& d, Prompt& p) {
         p.Answer(PromptAnswer::Yes);
         ASSERT_TRUE(d.DeleteFlowGroup(*d.GetNetwork().GetFlowGroups().GetFlowGroup(1)));
     },
     3},
    {"AddPrintZone", "Add Print Zone",
     [](Doc& d, Prompt&) {
         ASSERT_NE(d.BeginAddPrintZone(), nullptr);
         d.CommitAddPrintZone();
     },
     1},
    {"MovePrintZone", "Move Print Zone",
     [](Doc& d, Prompt&) { d.MovePrintZone(*d.GetPrintPages().GetPage(1), 10, -20); }, 1, true,
     OnePrintPage},
    {"ResizePrintZone", "Resize Print Zone",
     [](Doc& d, Prompt&) { d.ResizePrintZone(*d.GetPrintPages().GetPage(1), 0, 0, 900, 700); }, 1,
     true, OnePrintPage},
    {"EditPrintZone", "Edit Print Zone",
     [](Doc& d, Prompt&) {
         CPrintPage* second = d.GetPrintPages().GetPage(2);
         CPrintPageLayout layout;
         layout.pageTitle = "North Approach";
         layout.scale = 9.0;
         ASSERT_TRUE(d.EditPrintZone(*second, layout)); // to position 1
         EXPECT_EQ(d.GetPrintPages().GetPage(1), second);
         EXPECT_EQ(second->GetPrintZone().GetScale(), CPrintZone::MaxScale);
     },
     1, true,
     [](Doc& d) {
         OnePrintPage(d);
         OnePrintPage(d);
     }},
    {"MoveODMatrix", "Move OD Matrix", [](Doc& d, Prompt&) { d.MoveODMatrix(300, 400); }, 1},
    // One of the lane flow display's commands: their names and effects are the display's own.
    {"AggregateByOrigin", "Aggregate Flows By Origin",
     [](Doc& d, Prompt&) {
         d.RunLaneFlowDisplayCommand(LaneFlowDisplayCommand::AggregateByOrigin);
     },
     0},
};

class DocumentCommandTest : public CDocumentFixture, public testing::WithParamInterface<CommandCase>
{};

TEST_P(DocumentCommandTest, CheckpointNameHintModifiedAndUndo)
{
    const CommandCase& c = GetParam();
    if (c.Prepare)
        c.Prepare(doc);
    const std::string before = doc.SaveSnapshot();
    c.Run(doc, prompt);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(doc.GetUndoName(), c.Checkpoint);
    EXPECT_EQ(doc.GetUndoMenuText(), std::string("Undo ") + c.Checkpoint);
    if (c.Hint == NoHint) {
        EXPECT_TRUE(view.hints.empty());
    } else {
        ASSERT_FALSE(view.hints.empty());
        EXPECT_EQ(view.hints.back(), c.Hint);
    }
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(prompt.ScriptUsedUp());
    if (c.InSnapshot) {
        EXPECT_TRUE(doc.SaveSnapshot() != before) << "the command changed nothing that is stored";
    }

    // The checkpoint came before the change: undo gives back exactly the old document.
    ASSERT_TRUE(doc.Undo());
    if (c.InSnapshot) {
        EXPECT_TRUE(doc.SaveSnapshot() == before) << "undo did not give the old document back";
    }
    EXPECT_EQ(doc.GetRedoName(), c.Checkpoint);
    EXPECT_EQ(view.hints.back(), HintNetworkChanged);
}

INSTANTIATE_TEST_SUITE_P(Commands, DocumentCommandTest, testing::ValuesIn(CommandCases),
                         CaseName());

using DocumentCommandRulesTest = CDocumentFixture;

TEST_F(DocumentCommandRulesTest, HighlightToggleTakesNoCheckpointAndTheSecondMatrixToggleHides)
{
    doc.ToggleHighlightFilteredRoutes();
    EXPECT_FALSE(doc.IsHighlightFilteredRoutes());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);
    EXPECT_EQ(view.hints, std::vector<int>{HintRedraw});
    doc.ToggleODMatrixShown();
    doc.ToggleODMatrixShown();
    EXPECT_EQ(doc.GetUndoName(), "Hide OD Matrix");
    EXPECT_FALSE(doc.IsODMatrixShown());
}

// New labels and assessors take the defaults of the program settings the document was given,
// not those of the process-wide record; a default the file cannot hold is refused.
TEST_F(DocumentCommandRulesTest, NewObjectsTakeTheDocumentsProgramDefaults)
{
    program.DefLabelTextHeight = 77;
    program.DefCapacityAssessorThreshold = 2345;
    CLabel* label = doc.BeginAddLabel(1);
    ASSERT_NE(label, nullptr);
    doc.CommitAddLabel();
    EXPECT_EQ(label->GetTextHeight(), 77);
    CCapacityAssessor* assessor = doc.BeginAddCapacityAssessor(1, entry, circ);
    ASSERT_NE(assessor, nullptr);
    doc.CommitAddCapacityAssessor();
    EXPECT_EQ(assessor->GetThreshold(), 2345);

    const std::size_t checkpoints = doc.GetCheckpointCount();
    program.DefCapacityAssessorThreshold = 100000;
    EXPECT_EQ(doc.BeginAddCapacityAssessor(2, nullptr, nullptr), nullptr);
    EXPECT_EQ(prompt.messages,
              std::vector<std::string>{
                  "The capacity assessor threshold 100000 is outside the range -9999 to 99999"});
    EXPECT_EQ(doc.GetCheckpointCount(), checkpoints);
    EXPECT_FALSE(doc.HasPendingCheckpoint());
}

// Cancelled dialogs, answers of No and what the model refuses leave no checkpoint behind.
TEST_F(DocumentCommandRulesTest, CancelledAndRefusedEditsTakeNoCheckpoint)
{
    const std::string before = doc.SaveSnapshot();
    CArm* arm = doc.BeginAddArm(5, 2);
    ASSERT_NE(arm, nullptr);
    doc.CancelAddArm(*arm);
    CCapacityAssessor* assessor = doc.BeginAddCapacityAssessor(1, entry, circ);
    ASSERT_NE(assessor, nullptr);
    doc.CancelAddCapacityAssessor(*assessor);
    doc.CancelAddLabel(*doc.BeginAddLabel(1));
    prompt.Answer(PromptAnswer::No);
    EXPECT_FALSE(doc.DeleteAllRoutes());
    prompt.Answer(PromptAnswer::No);
    EXPECT_FALSE(doc.DeleteFlowGroup(*doc.GetNetwork().GetFlowGroups().GetFlowGroup(1)));
    EXPECT_EQ(prompt.questions,
              (std::vector<std::string>{"Are you sure you want to delete all routes ?",
                                        "Are you sure you want to delete this flowgroup ?"}));
    EXPECT_TRUE(doc.SaveSnapshot() == before);

    EXPECT_FALSE(doc.ConvertToShortLane(*Lane(1, 1), *Lane(3, 1), 15)); // not its neighbour
    EXPECT_FALSE(doc.ConvertToShortLane(*Lane(1, 1), *Lane(1, 2), InfiniteLaneLength));
    CPrintPageLayout layout;
    layout.position = 2;
    EXPECT_FALSE(doc.EditPrintZone(*doc.GetPrintPages().AddPage(), layout)); // one page only
    EXPECT_EQ(doc.AddLaneConnector(*Lane(1, 1), *Lane(1, 2)), nullptr);      // same arm
    EXPECT_EQ(doc.AddLaneConnector(*Lane(1, 1), *Lane(2, 1)), nullptr);      // exists already
    EXPECT_EQ(doc.AddLaneConnector(*Lane(3, 1), *Lane(4, 1)), nullptr); // from a zone's exit arm
    EXPECT_EQ(doc.AddLaneConnector(*Lane(2, 1), *Lane(1, 1)), nullptr); // into a zone's entry arm
    Lane(4, 1)->SetLength(20);
    EXPECT_EQ(doc.AddLaneConnector(*Lane(1, 1), *Lane(4, 1)), nullptr); // into a short lane
    // Beyond count + 1 would first make the ones before it, which a cancel would leave behind.
    EXPECT_EQ(doc.BeginAddArm(6, 2), nullptr);
    EXPECT_EQ(doc.BeginAddLabel(2), nullptr);
    EXPECT_EQ(doc.GetNetwork().GetArms().GetCount(), 4u);
    EXPECT_EQ(doc.GetLabels().GetCount(), 0u);
    EXPECT_TRUE(prompt.messages.empty());

    doc.GetNetwork().SetCurrentFlowGroup(nullptr);
    EXPECT_FALSE(doc.ToggleRouteLock(*doc.GetNetwork().GetRoutes().GetRoute(1)));
    EXPECT_FALSE(doc.EditRoute(*doc.GetNetwork().GetRoutes().GetRoute(1), CRouteFlowEdit{}));
    EXPECT_FALSE(
        doc.EditFlowGroup(*doc.GetNetwork().GetFlowGroups().GetFlowGroup(1), 1, "x", 3600, 3600));
    const std::string noGroup = "A FlowGroup must be created before flows can be edited";
    EXPECT_EQ(prompt.messages, (std::vector<std::string>{
                                   noGroup, noGroup, ValidateFlowGroupTimes(3600, 3600).message}));
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);
    EXPECT_FALSE(doc.HasPendingCheckpoint());
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocumentCommandRulesTest, EditRouteSetsTheCoupledProportionsAfterTheLock)
{
    // A second way from lane 1.1 to zone 2: routes 1.1>2.1>3.1 and 1.1>2.2>3.1 are coupled.
    circ->GetLanes().InsertLane(2);
    Connect(entry, 1, circ, 2);
    Connect(circ, 2, exitArm, 1);
    doc.BuildRoutes();
    CFlowGroup* group = doc.GetNetwork().GetCurrentFlowGroup();
    CRoute* route = doc.GetNetwork().GetRoutes().GetRoute(1);
    const CRouteCollection coupled = CoupledRoutesOf(*route, group);
    ASSERT_EQ(coupled.GetCount(), 2u);
    CRoute* other = coupled.Next(route) ? coupled.Next(route) : coupled.First();

    CRouteFlowEdit edit{120.0, false, false, {{route->GetId(), 0.3}, {other->GetId(), 0.9}}};
    ASSERT_TRUE(doc.EditRoute(*route, edit));
    EXPECT_EQ(route->GetFlow(group), 120.0);
    EXPECT_DOUBLE_EQ(route->GetProportion(group), 0.25) << "scaled to sum to 1";
    EXPECT_DOUBLE_EQ(other->GetProportion(group), 0.75);

    // Locking takes the route out of the group; the one left alone has no proportion.
    edit.locked = true;
    ASSERT_TRUE(doc.EditRoute(*route, edit));
    EXPECT_TRUE(route->IsLocked(group));
    EXPECT_FALSE(route->HasProportion(group));
    EXPECT_FALSE(other->HasProportion(group));
    EXPECT_EQ(doc.GetUndoName(), "Edit Route");
}

// A short lane right of the last lane, infinitely long or not, has no right neighbour to be fed
// from: its only neighbour feeds it.
TEST_F(DocumentCommandRulesTest, NewShortLaneIsFedFromTheRightUnlessBesideAnUnfedShortLane)
{
    CLane* added = doc.AddShortLane(*Lane(4, 1), LaneSide::Right, 20);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->GetNumber(), 2u);
    EXPECT_TRUE(added->HasIncomingFrom(*Lane(4, 1)));

    added = doc.AddShortLane(*Lane(1, 1), LaneSide::Left, 25);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(std::tuple(added->GetNumber(), added->GetLength()), std::tuple(1u, 25));
    EXPECT_TRUE(added->HasIncomingFrom(*Lane(1, 2)));

    Lane(1, 3)->SetLength(40); // short, not fed from its right (it has no right neighbour)
    added = doc.AddShortLane(*Lane(1, 3), LaneSide::Right, 20);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->GetNumber(), 4u);
    EXPECT_TRUE(added->HasIncomingFrom(*Lane(1, 3)));
}

// Automatic route rebuilding.

TEST_F(DocumentCommandRulesTest, AutoRebuildOnBuildsAtOnceAsBuildRoutesAndOffDoesNothingElse)
{
    doc.GetNetwork().GetRoutes().RemoveAllRoutes();
    doc.ToggleAutoRebuildRoutes();
    EXPECT_TRUE(doc.IsAutoRebuildRoutes());
    EXPECT_EQ(RouteCount(), 2u);
    EXPECT_EQ(doc.GetUndoName(), "Build Routes");
    EXPECT_EQ(view.hints.back(), HintRoutesChanged);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(RouteCount(), 0u);
    const std::size_t checkpoints = doc.GetCheckpointCount();
    doc.ToggleAutoRebuildRoutes();
    EXPECT_FALSE(doc.IsAutoRebuildRoutes());
    EXPECT_EQ(doc.GetCheckpointCount(), checkpoints);
    EXPECT_EQ(RouteCount(), 0u);
}

struct RebuildCase
{
    const char* Name;
    void (*Run)(Doc& doc);
    bool Rebuilds;
};

// Every case leaves a network in which a build would find routes, so a command that rebuilt
// when it should not would show.
const RebuildCase RebuildCases[] = {
    {"AddLaneConnector", [](Doc& d) { d.AddLaneConnector(*L(d, 1, 1), *L(d, 4, 1)); }, true},
    {"AddZone", [](Doc& d) { d.AddZone(3, nullptr, A(d, 4)); }, true},
    {"EditZone", [](Doc& d) { d.EditZone(*Z(d, 2), 2, nullptr, A(d, 3), 0); }, true},
    {"ConvertToShortLane", [](Doc& d) { d.ConvertToShortLane(*L(d, 1, 1), *L(d, 1, 2), 15); },
     true},
    {"AddLongLane", [](Doc& d) { d.AddInfinitelyLongLane(*L(d, 3, 1), LaneSide::Left); }, false},
    {"AddShortLane", [](Doc& d) { d.AddShortLane(*L(d, 1, 1), LaneSide::Left, 20); }, false},
    {"EditShortLane", [](Doc& d) { d.EditShortLane(*L(d, 4, 1), 30); }, false},
    {"DeleteLaneConnector",
     [](Doc& d) {
         d.DeleteLaneConnector(
             *d.GetNetwork().GetLaneConnectors().FindConnector(L(d, 2, 1), L(d, 4, 1)));
     },
     false},
    {"DeleteArm", [](Doc& d) { d.DeleteArm(*A(d, 4)); }, false},
    {"EditArm", [](Doc& d) { d.EditArm(*A(d, 4), 1); }, false},
};

class AutoRebuildTest : public CDocumentFixture, public testing::WithParamInterface<RebuildCase>
{};

TEST_P(AutoRebuildTest, OnlyTheFourCommandsRebuildAndOnlyWhileTheFlagIsOn)
{
    doc.GetNetwork().GetRoutes().RemoveAllRoutes();
    GetParam().Run(doc);
    EXPECT_EQ(RouteCount(), 0u) << "the flag is off";
    ASSERT_TRUE(doc.Undo());

    doc.ToggleAutoRebuildRoutes();
    doc.GetNetwork().GetRoutes().RemoveAllRoutes();
    GetParam().Run(doc);
    EXPECT_EQ(RouteCount() > 0, GetParam().Rebuilds);
}

INSTANTIATE_TEST_SUITE_P(Commands, AutoRebuildTest, testing::ValuesIn(RebuildCases), CaseName());

} // namespace
