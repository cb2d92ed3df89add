// Every command: its checkpoint name, its hint, the modified flag, and undo taking it back.
#include "document_fixture.h"
#include "model/capacity_assessor.h"
#include "routing/flow_group_commands.h"

namespace
{

using doctest::CDocumentFixture;

constexpr int NoHint = -1;

struct CommandCase
{
    const char* Name;
    const char* Checkpoint;
    int Hint;
    void (*Run)(CCarouselDoc& doc, CScriptedPrompt& prompt);
    // False where the command has nothing to change: the junction has no circular route.
    bool InSnapshot = true;
    void (*Prepare)(CCarouselDoc& doc) = nullptr;
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

// Zone 1 to zone 2 wants this flow in the current group.
void SetDesiredFlow(CCarouselDoc& d, std::int32_t flow)
{
    CNetwork& network = d.GetNetwork();
    network.GetCurrentFlowGroup()->SetDesiredFlow(network.GetODMovements().Find(Z(d, 1), Z(d, 2)),
                                                  flow);
}

const CommandCase CommandCases[] = {
    {"AddArm", "Add Arm", 1,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         ASSERT_NE(d.BeginAddArm(5, 3), nullptr);
         d.CommitAddArm();
     }},
    {"EditArm", "Edit Arm", 1,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         d.EditArm(*A(d, 4), 1);
     }},
    {"DeleteArm", "Delete Arm", 3,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         d.DeleteArm(*A(d, 4));
     }},
    {"MoveArm", "Move Arm", 1,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         d.MoveArm(*A(d, 2), 10, 5);
     }},
    {"AddShortLaneLeft", "Add Short Lane To Left", 1,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         d.AddShortLane(*L(d, 1, 1), LaneSide::Left, 20);
     }},
    {"AddShortLaneRight", "Add Short Lane To Right", 1,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         d.AddShortLane(*L(d, 1, 2), LaneSide::Right, 20);
     }},
    {"AddLongLaneLeft", "Add Infintely Long Lane To Left", 1,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         d.AddInfinitelyLongLane(*L(d, 3, 1), LaneSide::Left);
     }},
    {"AddLongLaneRight", "Add Infintely Long Lane To Right", 1,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         d.AddInfinitelyLongLane(*L(d, 3, 1), LaneSide::Right);
     }},
    {"EditShortLane", "Edit Short Lane", 1,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         d.EditShortLane(*L(d, 4, 1), 12);
     }},
    {"ConvertToLong", "Convert To Infinitely Long Lane", 3,
     [](CCarouselDoc& d, CScriptedPrompt&) { d.ConvertToInfinitelyLongLane(*L(d, 4, 1)); }, true,
     [](CCarouselDoc& d) {
         L(d, 4, 1)->SetLength(30);
     }},
    {"ConvertToShort", "Convert To Short Lane", 3,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         d.ConvertToShortLane(*L(d, 4, 1), 15);
     }},
    {"DeleteLane", "Delete Lane", 3,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         d.DeleteLane(*L(d, 1, 2));
     }},
    {"AddLaneConnector", "Add Lane Connector", 3,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         ASSERT_NE(d.AddLaneConnector(*L(d, 1, 1), *L(d, 4, 1)), nullptr);
     }},
    {"DeleteLaneConnector", "Delete Lane Connector", 3,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         d.DeleteLaneConnector(
             *d.GetNetwork().GetLaneConnectors().FindConnector(L(d, 1, 1), L(d, 2, 1)));
     }},
    {"AddZone", "Add Zone", 1,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         ASSERT_NE(d.AddZone(3, nullptr, A(d, 4)), nullptr);
     }},
    {"EditZone", "Edit Zone", 3,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         d.EditZone(*Z(d, 2), 1, nullptr, A(d, 4));
     }},
    {"DeleteZone", "Delete Zone", 3,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         d.DeleteZone(*Z(d, 2));
     }},
    {"AddLabel", "Add Label", NoHint,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         ASSERT_NE(d.BeginAddLabel(1), nullptr);
         d.CommitAddLabel();
     }},
    {"EditLabel", "Edit Label", NoHint,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         d.EditLabel(*d.GetLabels().GetLabel(1), "Main Road", 60);
     },
     true,
     [](CCarouselDoc& d) {
         d.GetLabels().InsertLabel(1);
     }},
    {"DeleteLabel", "Delete Label", NoHint,
     [](CCarouselDoc& d, CScriptedPrompt&) { d.DeleteLabel(*d.GetLabels().GetLabel(1)); }, true,
     [](CCarouselDoc& d) {
         d.GetLabels().InsertLabel(1);
     }},
    {"AddCapacityAssessor", "Add Capacity Assessor", 1,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         ASSERT_NE(d.BeginAddCapacityAssessor(1, A(d, 1), A(d, 2)), nullptr);
         d.CommitAddCapacityAssessor();
     }},
    {"DeleteAllRoutes", "Delete All Routes", 3,
     [](CCarouselDoc& d, CScriptedPrompt& p) {
         p.Answer(PromptAnswer::Yes);
         ASSERT_TRUE(d.DeleteAllRoutes());
     }},
    {"MakeCircularNonPermitted", "Make Circular Routes Non-Permitted", 2,
     [](CCarouselDoc& d, CScriptedPrompt&) { d.MakeCircularRoutesNonPermitted(); }, false},
    {"BuildRoutes", "Build Routes", 2, [](CCarouselDoc& d, CScriptedPrompt&) { d.BuildRoutes(); },
     true,
     [](CCarouselDoc& d) {
         d.GetNetwork().GetRoutes().RemoveAllRoutes();
     }},
    {"ShowODMatrix", "Show OD Matrix", 1,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         d.ToggleODMatrixShown();
     }},
    {"EditNetworkSettings", "Edit Network Settings", 1,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         NetworkSettings changed = d.GetNetworkSettings();
         changed.GridSize = 250;
         CProjectInformation project;
         project.title = "Ring Road";
         d.EditNetworkSettings(project, changed);
     }},
    {"DisallowRoute", "Disallow Route", 2,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         d.SetRoutePermitted(*R(d, 1), false);
     }},
    {"DeleteRoute", "Delete Route", 2,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         d.DeleteRoute(*R(d, 2));
     }},
    {"LockRouteFlow", "Lock Route Flow", 2,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         ASSERT_TRUE(d.ToggleRouteLock(*R(d, 1)));
     }},
    {"DisallowAllRoutes", "Disallow All Routes", 2,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         d.SetAllFilteredRoutesPermitted(false);
     }},
    {"BalanceOnArm", "Balance Lane Flows On Arm", 0,
     [](CCarouselDoc& d, CScriptedPrompt&) { ASSERT_TRUE(d.BalanceLaneFlowsOnArm(*A(d, 1))); },
     true,
     [](CCarouselDoc& d) {
         SetDesiredFlow(d, 600);
     }},
    {"BalanceOnAllArms", "Balance Lane Flows On All Arms", 0,
     [](CCarouselDoc& d, CScriptedPrompt&) { ASSERT_EQ(d.BalanceLaneFlowsOnAllArms(), 1u); }, true,
     [](CCarouselDoc& d) {
         SetDesiredFlow(d, 600);
     }},
    {"AddFlowgroup", "Add Flowgroup", 3,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         d.AddFlowGroup(FlowGroupAddPosition::Append, nullptr);
     }},
    {"EditFlowgroup", "Edit Flowgroup", 3,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         ASSERT_TRUE(d.EditFlowGroup(*d.GetNetwork().GetFlowGroups().GetFlowGroup(1), 1, "AM Peak",
                                     7 * 3600, 9 * 3600));
     }},
    {"DeleteFlowgroup", "Delete Flowgroup", 3,
     [](CCarouselDoc& d, CScriptedPrompt& p) {
         p.Answer(PromptAnswer::Yes);
         ASSERT_TRUE(d.DeleteFlowGroup(*d.GetNetwork().GetFlowGroups().GetFlowGroup(1)));
     }},
    {"AddPrintZone", "Add Print Zone", 1,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         ASSERT_NE(d.BeginAddPrintZone(), nullptr);
         d.CommitAddPrintZone();
     }},
    {"MoveODMatrix", "Move OD Matrix", 1,
     [](CCarouselDoc& d, CScriptedPrompt&) {
         d.MoveODMatrix(300, 400);
     }},
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
                         [](const testing::TestParamInfo<CommandCase>& paramInfo) {
                             return paramInfo.param.Name;
                         });

using DocumentCommandRulesTest = CDocumentFixture;

TEST_F(DocumentCommandRulesTest, SecondODMatrixToggleIsNamedHide)
{
    doc.ToggleODMatrixShown();
    doc.ToggleODMatrixShown();
    EXPECT_EQ(doc.GetUndoName(), "Hide OD Matrix");
    EXPECT_FALSE(doc.IsODMatrixShown());
}

TEST_F(DocumentCommandRulesTest, HighlightToggleTakesNoCheckpoint)
{
    doc.ToggleHighlightFilteredRoutes();
    EXPECT_FALSE(doc.IsHighlightFilteredRoutes());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);
    EXPECT_EQ(view.hints, std::vector<int>{HintRedraw});
}

TEST_F(DocumentCommandRulesTest, CancelledDialogsLeaveNoCheckpointAndNoObject)
{
    CArm* arm = doc.BeginAddArm(5, 2);
    ASSERT_NE(arm, nullptr);
    doc.CancelAddArm(*arm);
    CCapacityAssessor* assessor = doc.BeginAddCapacityAssessor(1, entry, circ);
    ASSERT_NE(assessor, nullptr);
    doc.CancelAddCapacityAssessor(*assessor);
    CLabel* label = doc.BeginAddLabel(1);
    doc.CancelAddLabel(*label);
    EXPECT_EQ(doc.GetNetwork().GetArms().GetCount(), 4u);
    EXPECT_EQ(doc.GetNetwork().GetCapacityAssessors().GetCount(), 0u);
    EXPECT_EQ(doc.GetLabels().GetCount(), 0u);
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);
    EXPECT_FALSE(doc.HasPendingCheckpoint());
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocumentCommandRulesTest, AnsweringNoChangesNothing)
{
    prompt.Answer(PromptAnswer::No);
    EXPECT_FALSE(doc.DeleteAllRoutes());
    prompt.Answer(PromptAnswer::No);
    EXPECT_FALSE(doc.DeleteFlowGroup(*doc.GetNetwork().GetFlowGroups().GetFlowGroup(1)));
    EXPECT_EQ(prompt.questions,
              (std::vector<std::string>{"Are you sure you want to delete all routes ?",
                                        "Are you sure you want to delete this flowgroup ?"}));
    EXPECT_EQ(RouteCount(), 2u);
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocumentCommandRulesTest, RefusedEditsShowTheModelsMessageAndTakeNoCheckpoint)
{
    doc.GetNetwork().SetCurrentFlowGroup(nullptr);
    EXPECT_FALSE(doc.ToggleRouteLock(*doc.GetNetwork().GetRoutes().GetRoute(1)));
    EXPECT_FALSE(
        doc.EditFlowGroup(*doc.GetNetwork().GetFlowGroups().GetFlowGroup(1), 1, "x", 3600, 3600));
    ASSERT_EQ(prompt.messages.size(), 2u);
    EXPECT_EQ(prompt.messages[0], "A FlowGroup must be created before flows can be edited");
    EXPECT_EQ(prompt.messages[1], ValidateFlowGroupTimes(3600, 3600).message);
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);
}

TEST_F(DocumentCommandRulesTest, ConnectorThatBreaksTheRulesIsNotMadeAndTakesNoCheckpoint)
{
    EXPECT_EQ(doc.AddLaneConnector(*Lane(1, 1), *Lane(1, 2)), nullptr); // same arm
    EXPECT_EQ(doc.AddLaneConnector(*Lane(1, 1), *Lane(2, 1)), nullptr); // exists already
    EXPECT_EQ(doc.AddLaneConnector(*Lane(3, 1), *Lane(4, 1)), nullptr); // from a zone's exit arm
    EXPECT_EQ(doc.AddLaneConnector(*Lane(2, 1), *Lane(1, 1)), nullptr); // into a zone's entry arm
    doc.GetNetwork().GetArms().GetArm(4)->GetLanes().GetLane(1)->SetLength(20);
    EXPECT_EQ(doc.AddLaneConnector(*Lane(1, 1), *Lane(4, 1)), nullptr); // into a short lane
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);
}

TEST_F(DocumentCommandRulesTest, ShortLaneBesideALongLaneIsFedFromItsRightNeighbour)
{
    CLane* added = doc.AddShortLane(*Lane(1, 1), LaneSide::Left, 25);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->GetNumber(), 1u);
    EXPECT_EQ(added->GetLength(), 25);
    EXPECT_TRUE(added->HasIncomingFrom(*Lane(1, 2)));
}

TEST_F(DocumentCommandRulesTest, ShortLaneBesideAnUnfedShortLaneIsFedFromItsLeftNeighbour)
{
    Lane(1, 2)->SetLength(40); // short, not fed from its right (it has no right neighbour)
    CLane* added = doc.AddShortLane(*Lane(1, 2), LaneSide::Right, 20);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->GetNumber(), 3u);
    EXPECT_TRUE(added->HasIncomingFrom(*Lane(1, 2)));
}

// Automatic route rebuilding.

TEST_F(DocumentCommandRulesTest, SwitchingAutoRebuildOnBuildsAtOnceAsBuildRoutes)
{
    doc.GetNetwork().GetRoutes().RemoveAllRoutes();
    doc.ToggleAutoRebuildRoutes();
    EXPECT_TRUE(doc.IsAutoRebuildRoutes());
    EXPECT_EQ(RouteCount(), 2u);
    EXPECT_EQ(doc.GetUndoName(), "Build Routes");
    EXPECT_EQ(view.hints.back(), HintRoutesChanged);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(RouteCount(), 0u);
}

TEST_F(DocumentCommandRulesTest, SwitchingAutoRebuildOffTakesNoCheckpoint)
{
    doc.ToggleAutoRebuildRoutes();
    const std::size_t checkpoints = doc.GetCheckpointCount();
    doc.GetNetwork().GetRoutes().RemoveAllRoutes();
    doc.ToggleAutoRebuildRoutes();
    EXPECT_FALSE(doc.IsAutoRebuildRoutes());
    EXPECT_EQ(doc.GetCheckpointCount(), checkpoints);
    EXPECT_EQ(RouteCount(), 0u);
}

struct RebuildCase
{
    const char* Name;
    bool Rebuilds;
    void (*Run)(CCarouselDoc& doc);
};

// Every case leaves a network in which a build would find routes, so a command that rebuilt
// when it should not would show.
const RebuildCase RebuildCases[] = {
    {"AddLaneConnector", true,
     [](CCarouselDoc& d) {
         d.AddLaneConnector(*L(d, 1, 1), *L(d, 4, 1));
     }},
    {"AddZone", true,
     [](CCarouselDoc& d) {
         d.AddZone(3, nullptr, A(d, 4));
     }},
    {"EditZone", true,
     [](CCarouselDoc& d) {
         d.EditZone(*Z(d, 2), 2, nullptr, A(d, 3));
     }},
    {"ConvertToShortLane", true,
     [](CCarouselDoc& d) {
         d.ConvertToShortLane(*L(d, 4, 1), 15);
     }},
    {"EditArm", false,
     [](CCarouselDoc& d) {
         d.EditArm(*A(d, 4), 4);
     }},
    {"MoveArm", false,
     [](CCarouselDoc& d) {
         d.MoveArm(*A(d, 1), 1, 1);
     }},
    {"AddLongLane", false,
     [](CCarouselDoc& d) {
         d.AddInfinitelyLongLane(*L(d, 3, 1), LaneSide::Left);
     }},
    {"AddShortLane", false,
     [](CCarouselDoc& d) {
         d.AddShortLane(*L(d, 1, 1), LaneSide::Left, 20);
     }},
    {"EditShortLane", false,
     [](CCarouselDoc& d) {
         d.EditShortLane(*L(d, 4, 1), 30);
     }},
    {"ConvertToLongLane", false,
     [](CCarouselDoc& d) {
         d.ConvertToInfinitelyLongLane(*L(d, 4, 1));
     }},
    {"DeleteLaneConnector", false,
     [](CCarouselDoc& d) {
         d.DeleteLaneConnector(
             *d.GetNetwork().GetLaneConnectors().FindConnector(L(d, 2, 1), L(d, 4, 1)));
     }},
    {"DeleteArm", false,
     [](CCarouselDoc& d) {
         d.DeleteArm(*A(d, 4));
     }},
    {"AddCapacityAssessor", false,
     [](CCarouselDoc& d) {
         d.BeginAddCapacityAssessor(1, A(d, 1), A(d, 2));
         d.CommitAddCapacityAssessor();
     }},
    {"MakeCircularNonPermitted", false,
     [](CCarouselDoc& d) {
         d.MakeCircularRoutesNonPermitted();
     }},
    {"AddFlowgroup", false,
     [](CCarouselDoc& d) {
         d.AddFlowGroup(FlowGroupAddPosition::Append, nullptr);
     }},
};

class AutoRebuildTest : public CDocumentFixture, public testing::WithParamInterface<RebuildCase>
{};

TEST_P(AutoRebuildTest, OnlyTheFourCommandsRebuild)
{
    doc.ToggleAutoRebuildRoutes();
    doc.GetNetwork().GetRoutes().RemoveAllRoutes();
    GetParam().Run(doc);
    EXPECT_EQ(RouteCount() > 0, GetParam().Rebuilds);
}

TEST_P(AutoRebuildTest, NothingRebuildsWhileTheFlagIsOff)
{
    doc.GetNetwork().GetRoutes().RemoveAllRoutes();
    GetParam().Run(doc);
    EXPECT_EQ(RouteCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Commands, AutoRebuildTest, testing::ValuesIn(RebuildCases),
                         [](const testing::TestParamInfo<RebuildCase>& paramInfo) {
                             return paramInfo.param.Name;
                         });

} // namespace
