// Arms: numbering, ids, moves, kinds from connectors, labels and what deleting one takes along.
#include "case_name.h"
#include "model/network.h"
#include "recording_observer.h"

#include <gtest/gtest.h>

using TestSupport::AddArm;
using TestSupport::Lane;

namespace
{
using TestSupport::PrintTo;

std::vector<std::uint32_t> Ids(const CArms& arms)
{
    std::vector<std::uint32_t> ids;
    for (std::uint32_t n = 1; n <= arms.GetCount(); ++n) {
        EXPECT_EQ(arms.GetArm(n)->GetNumber(), n);
        ids.push_back(arms.GetArm(n)->GetId());
    }
    return ids;
}

TEST(ArmsNumbering, InsertBeyondCountCreatesTheMissingArmsAndInFrontShiftsUp)
{
    CNetwork network;
    CArms& arms = network.GetArms();
    arms.InsertArm(1);
    arms.InsertArm(2);
    CArm* fifth = arms.InsertArm(5);
    ASSERT_NE(fifth, nullptr);
    EXPECT_EQ(arms.GetCount(), 5u);
    EXPECT_EQ(fifth->GetNumber(), 5u);
    EXPECT_EQ(fifth, arms.GetArm(5));
    // Gap arms were made first, so ids follow the numbers.
    EXPECT_EQ(Ids(arms), (std::vector<std::uint32_t>{1001, 1002, 1003, 1004, 1005}));
    // Inserting in front shifts the later arms up.
    CArm* front = arms.InsertArm(1);
    EXPECT_EQ(Ids(arms), (std::vector<std::uint32_t>{1006, 1001, 1002, 1003, 1004, 1005}));
    EXPECT_EQ(arms.GetArmById(1006), front);
}

TEST(ArmsNumbering, LimitsAndOutOfRangeNumbers)
{
    CNetwork network;
    CArms& arms = network.GetArms();
    EXPECT_EQ(arms.InsertArm(0), nullptr);
    EXPECT_EQ(arms.InsertArm(100), nullptr);
    EXPECT_EQ(arms.GetCount(), 0u);
    ASSERT_NE(arms.InsertArm(99), nullptr);
    EXPECT_EQ(arms.GetCount(), 99u);
    EXPECT_EQ(arms.InsertArm(100), nullptr);
    EXPECT_EQ(arms.InsertArm(1), nullptr) << "a full list takes no more arms";
    EXPECT_EQ(arms.GetArm(0), nullptr);
    EXPECT_EQ(arms.GetArm(100), nullptr);
    EXPECT_FALSE(arms.DeleteArm(0));
    EXPECT_FALSE(arms.DeleteArm(100));
    EXPECT_EQ(arms.GetCount(), 99u);
}

TEST(ArmsNumbering, DeleteFirstKeepsIdsNeverReusedWithinTheNetwork)
{
    CNetwork network;
    CArms& arms = network.GetArms();
    arms.InsertArm(3);
    ASSERT_TRUE(arms.DeleteArm(1));
    EXPECT_EQ(Ids(arms), (std::vector<std::uint32_t>{1002, 1003}));
    EXPECT_EQ(arms.GetArmById(1001), nullptr);
    EXPECT_EQ(arms.InsertArm(3)->GetId(), 1004u);
    // The counter belongs to the network: a fresh one starts again.
    CNetwork second;
    EXPECT_EQ(second.GetArms().InsertArm(1)->GetId(), 1001u);
}

TEST(ArmsNumbering, MoveTakesOutAndReinserts)
{
    CNetwork network;
    CArms& arms = network.GetArms();
    arms.InsertArm(4);
    ASSERT_TRUE(arms.MoveArm(1, 3));
    EXPECT_EQ(Ids(arms), (std::vector<std::uint32_t>{1002, 1003, 1001, 1004}));
    ASSERT_TRUE(arms.MoveArm(4, 1));
    EXPECT_EQ(Ids(arms), (std::vector<std::uint32_t>{1004, 1002, 1003, 1001}));
    EXPECT_FALSE(arms.MoveArm(1, 5));
    EXPECT_FALSE(arms.MoveArm(0, 1));
    EXPECT_EQ(Ids(arms), (std::vector<std::uint32_t>{1004, 1002, 1003, 1001}));
}

TEST(ArmsNumbering, DeleteAllGoesFromLastToFirst)
{
    CNetwork network;
    CRecordingObserver observer;
    network.AddObserver(&observer);
    network.GetArms().InsertArm(3);
    network.GetArms().DeleteAllArms();
    EXPECT_EQ(network.GetArms().GetCount(), 0u);
    EXPECT_EQ(observer.events, (std::vector<std::string>{"arm 3", "arm 2", "arm 1"}));
}

// Which connectors an arm (arm 2 of three, two lanes each) has, and what it must be.
struct KindCase
{
    const char* name;
    bool fromOtherArm;   // arm 1 -> arm 2
    bool toOtherArm;     // arm 2 -> arm 3
    bool laneChangeOnly; // arm 2 lane 1 -> lane 2 and back
    ArmKind kind;
    const char* label;
};

class ArmKindTest : public ::testing::TestWithParam<KindCase>
{};

TEST_P(ArmKindTest, KindAndLabelFollowConnectorsToOtherArms)
{
    const KindCase& c = GetParam();
    CNetwork network;
    CArm* a1 = AddArm(network, 2);
    CArm* a2 = AddArm(network, 2);
    CArm* a3 = AddArm(network, 2);
    CCarouselLaneConnectors& connectors = network.GetLaneConnectors();
    if (c.fromOtherArm) {
        connectors.AddConnector(Lane(a1, 1), Lane(a2, 2));
    }
    if (c.toOtherArm) {
        connectors.AddConnector(Lane(a2, 1), Lane(a3, 1));
    }
    if (c.laneChangeOnly) {
        connectors.AddConnector(Lane(a2, 1), Lane(a2, 2));
        connectors.AddConnector(Lane(a2, 2), Lane(a2, 1));
    }
    EXPECT_EQ(a2->GetKind(), c.kind);
    EXPECT_EQ(a2->GetLabel(), c.label);
    EXPECT_EQ(a2->IsExitArm(), c.kind == ArmKind::Exit);
}

INSTANTIATE_TEST_SUITE_P(
    Arms, ArmKindTest,
    ::testing::Values(KindCase{"Unconnected", false, false, false, ArmKind::Unconnected, "2"},
                      KindCase{"LaneChangesDoNotCount", false, false, true, ArmKind::Unconnected,
                               "2"},
                      KindCase{"Entry", false, true, false, ArmKind::Entry, "E2"},
                      KindCase{"Exit", true, false, false, ArmKind::Exit, "X2"},
                      KindCase{"Circulatory", true, true, false, ArmKind::Circulatory, "C2"},
                      KindCase{"ExitWithLaneChanges", true, false, true, ArmKind::Exit, "X2"}),
    CaseName());

TEST(ArmKind, SingleConnectorMakesEntryAndExitUntilRemoved)
{
    CNetwork network;
    CArm* a1 = AddArm(network, 1);
    CArm* a2 = AddArm(network, 1);
    auto* c = network.GetLaneConnectors().AddConnector(Lane(a1, 1), Lane(a2, 1));
    EXPECT_EQ(a1->GetLabel(), "E1");
    EXPECT_EQ(a2->GetLabel(), "X2");
    // The label follows the number, not the id.
    network.GetArms().MoveArm(2, 1);
    EXPECT_EQ(a2->GetLabel(), "X1");
    EXPECT_EQ(a1->GetLabel(), "E2");
    ASSERT_TRUE(network.GetLaneConnectors().RemoveConnector(c));
    EXPECT_EQ(a1->GetKind(), ArmKind::Unconnected);
    EXPECT_EQ(a2->GetKind(), ArmKind::Unconnected);
}

TEST(ArmDeletion, DetachesZoneRemovesAssessorHookAndConnectorsInOrder)
{
    CNetwork network;
    CRecordingObserver observer;
    network.AddObserver(&observer);
    CArm* a1 = AddArm(network, 2);
    CArm* a2 = AddArm(network, 2);
    CZone* zone = network.GetZones().InsertZone(1);
    ASSERT_TRUE(zone->SetEntryArm(a1));
    network.GetLaneConnectors().AddConnector(Lane(a1, 1), Lane(a2, 1));
    network.GetLaneConnectors().AddConnector(Lane(a2, 2), Lane(a1, 2));
    network.GetLaneConnectors().AddConnector(Lane(a1, 1), Lane(a1, 2));

    ASSERT_TRUE(network.GetArms().DeleteArm(1));
    EXPECT_EQ(zone->GetEntryArm(), nullptr);
    EXPECT_EQ(network.GetLaneConnectors().GetCount(), 0u);
    EXPECT_EQ(a2->GetKind(), ArmKind::Unconnected);
    EXPECT_TRUE(Lane(a2, 1)->GetIncomingConnectors().empty());
    EXPECT_TRUE(Lane(a2, 2)->GetOutgoingConnectors().empty());
    // Zone first, then the assessor hook, then the lanes last to first, outgoing before
    // incoming.
    EXPECT_EQ(observer.events,
              (std::vector<std::string>{"detach zone 1 arm 1", "arm 1", "connector 2.2>1.2",
                                        "connector 1.1>1.2", "connector 1.1>2.1"}));
}
} // namespace
