// Undo and redo: positions, names, the limit, and restores that fail.
#include "document_fixture.h"
#include "model/network.h"
#include "routing/flow_group_commands.h"

namespace
{

using doctest::CDocumentFixture;

using DocumentUndoTest = CDocumentFixture;

int X(const CCarouselDoc& doc)
{
    return doc.GetODMatrix().GetX();
}

TEST_F(DocumentUndoTest, WalkBackAndForthThenANewChangeDropsTheRedo)
{
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.CanRedo());
    EXPECT_EQ(doc.GetUndoMenuText(), "Can't Undo");
    EXPECT_EQ(doc.GetRedoMenuText(), "Can't Redo");
    EXPECT_EQ(doc.GetUndoName(), "");
    EXPECT_TRUE(doc.Undo());
    EXPECT_TRUE(doc.Redo());
    EXPECT_TRUE(view.hints.empty()) << "nothing may be restored";

    doc.MoveODMatrix(1, 0);
    doc.BuildRoutes();
    doc.MoveODMatrix(3, 0);
    EXPECT_EQ(doc.GetUndoName(), "Move OD Matrix");
    view.hints.clear();
    panes.calls = 0;
    doc.Undo();
    // Views let go of every object before the restore and take hold again after it.
    ASSERT_GE(view.hints.size(), 2u);
    EXPECT_EQ(view.hints.front(), HintObjectsReplaced);
    EXPECT_EQ(view.hints.back(), HintNetworkChanged);
    EXPECT_GE(panes.calls, 3);
    EXPECT_EQ(X(doc), 1);
    EXPECT_EQ(doc.GetUndoMenuText(), "Undo Build Routes");
    EXPECT_EQ(doc.GetRedoMenuText(), "Redo Move OD Matrix");
    EXPECT_TRUE(doc.IsModified());
    doc.Undo();
    doc.Undo();
    EXPECT_EQ(X(doc), 0);
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_EQ(doc.GetRedoName(), "Move OD Matrix");
    doc.Redo();
    EXPECT_EQ(X(doc), 1);
    EXPECT_EQ(doc.GetRedoName(), "Build Routes");
    doc.Redo();
    doc.Redo();
    EXPECT_EQ(X(doc), 3);
    EXPECT_FALSE(doc.CanRedo());

    // A new change after an undo drops what could have been redone.
    doc.Undo();
    doc.ToggleODMatrixShown();
    EXPECT_FALSE(doc.CanRedo());
    EXPECT_EQ(doc.GetRedoMenuText(), "Can't Redo");
    doc.Undo();
    EXPECT_EQ(X(doc), 1);
    EXPECT_FALSE(doc.IsODMatrixShown());
    EXPECT_EQ(doc.GetUndoName(), "Build Routes");
}

TEST_F(DocumentUndoTest, StepsOfMoreThanOne)
{
    for (int x = 1; x <= 4; ++x)
        doc.MoveODMatrix(x, 0);
    doc.Step(3);
    EXPECT_EQ(X(doc), 1);
    doc.Step(-2);
    EXPECT_EQ(X(doc), 3);
    doc.Step(50); // stops at the oldest
    EXPECT_EQ(X(doc), 3) << "a step past the end restores nothing";
}

TEST_F(DocumentUndoTest, AfterOneHundredAndOneChangesTheOldestIsGone)
{
    for (int x = 1; x <= 101; ++x)
        doc.MoveODMatrix(x, 0);
    EXPECT_EQ(doc.GetCheckpointCount(), 100u);
    int undos = 0;
    while (doc.CanUndo()) {
        ASSERT_TRUE(doc.Undo());
        ++undos;
    }
    EXPECT_EQ(doc.GetCheckpointCount(), 100u);
    // The present state took a place at the first undo, so 99 steps back remain.
    EXPECT_EQ(undos, 99);
    EXPECT_EQ(X(doc), 2);
}

TEST_F(DocumentUndoTest, IdsChangeButTheRouteFilterAndCurrentFlowGroupFollowTheNumbers)
{
    doc.AddFlowGroup(FlowGroupAddPosition::Append, nullptr);
    ASSERT_EQ(doc.GetNetwork().GetCurrentFlowGroup()->GetNumber(), 2u);
    CRouteFilter& filter = doc.GetNetwork().GetRouteFilter();
    filter.originZoneId = origin->GetId();
    filter.originArmId = entry->GetId();
    filter.originLaneId = entry->GetLanes().GetLane(2)->GetLaneId();
    filter.destinationZoneId = destination->GetId();
    const std::uint32_t oldLaneId = filter.originLaneId;
    doc.MoveODMatrix(1, 0);
    doc.Undo();

    const CNetwork& network = doc.GetNetwork();
    const CRouteFilter& restored = network.GetRouteFilter();
    const CArm* arm1 = network.GetArms().GetArm(1);
    EXPECT_NE(arm1->GetLanes().GetLane(2)->GetLaneId(), oldLaneId) << "lanes get new ids";
    EXPECT_EQ(restored.originZoneId, network.GetZones().GetZone(1)->GetId());
    EXPECT_EQ(restored.originArmId, arm1->GetId());
    EXPECT_EQ(restored.originLaneId, arm1->GetLanes().GetLane(2)->GetLaneId());
    EXPECT_EQ(restored.destinationZoneId, network.GetZones().GetZone(2)->GetId());
    EXPECT_EQ(restored.destinationArmId, 0u);
    ASSERT_NE(network.GetCurrentFlowGroup(), nullptr);
    EXPECT_EQ(network.GetCurrentFlowGroup()->GetNumber(), 2u);
}

// A document whose next snapshot is damaged, as a reader of a later schema would see it.
class CDamagingDoc : public CCarouselDoc
{
public:
    using CCarouselDoc::CCarouselDoc;
    std::string SaveSnapshot() const override
    {
        std::string snapshot = CCarouselDoc::SaveSnapshot();
        if (damageNext) {
            damageNext = false;
            snapshot.replace(snapshot.find("NET  "), 5, "XXXXX");
        }
        return snapshot;
    }
    mutable bool damageNext = false;
};

struct DamagedRestoreTest : testing::Test
{
    const ProgramSettings program;
    NetworkSettings settings;
    CScriptedPrompt prompt;
    CDamagingDoc doc{program, settings, &prompt};
    doctest::CRecordingView view;

    void SetUp() override
    {
        doc.OnNewDocument();
        doc.AddView(&view);
    }
};

TEST_F(DamagedRestoreTest, FailedUndoSaysSoAndKeepsTheDocumentAsItWas)
{
    doc.damageNext = true;
    CArm* arm = doc.BeginAddArm(1, 2);
    doc.CommitAddArm();
    doc.MoveArm(*arm, 5, 5);
    doc.Undo(); // fine: back before the move
    view.hints.clear();
    const std::string before = doc.SaveSnapshot();
    CNetwork* network = &doc.GetNetwork();

    EXPECT_FALSE(doc.Undo());
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"Cannot Undo\n"});
    EXPECT_EQ(&doc.GetNetwork(), network) << "nothing was replaced";
    EXPECT_EQ(doc.GetNetwork().GetArms().GetCount(), 1u);
    EXPECT_TRUE(doc.SaveSnapshot() == before);
    EXPECT_EQ(view.hints.back(), HintNetworkChanged) << "views must take hold again";
    // The history still matches the document.
    EXPECT_EQ(doc.GetUndoName(), "Add Arm");
    EXPECT_EQ(doc.GetRedoName(), "Move Arm");
    EXPECT_TRUE(doc.Redo());
}

TEST_F(DamagedRestoreTest, FailedRedoKeepsTheUndoneState)
{
    doc.MoveODMatrix(7, 0);
    doc.damageNext = true; // the present state, taken by the first undo
    doc.Undo();
    ASSERT_EQ(doc.GetODMatrix().GetX(), 0);
    EXPECT_FALSE(doc.Redo());
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"Cannot Undo\n"});
    EXPECT_EQ(doc.GetODMatrix().GetX(), 0);
    EXPECT_EQ(doc.GetRedoName(), "Move OD Matrix");
}

TEST_F(DamagedRestoreTest, FailedFirstUndoDropsThePresentStateCheckpoint)
{
    doc.damageNext = true;
    doc.MoveODMatrix(7, 0);
    EXPECT_FALSE(doc.Undo());
    EXPECT_EQ(doc.GetODMatrix().GetX(), 7);
    EXPECT_EQ(doc.GetCheckpointCount(), 1u);
    EXPECT_FALSE(doc.CanRedo());
    EXPECT_EQ(doc.GetUndoName(), "Move OD Matrix");
}

} // namespace
