// Arms: numbering, ids, moves, kinds from connectors, labels and what deleting one takes along.
#include "model/network.h"
#include "recording_observer.h"

#include <gtest/gtest.h>

using TestSupport::AddArm;
using TestSupport::Lane;

namespace
{
std::vector<std::uint32_t> Ids(const CArms& arms)
{
    std::vector<std::uint32_t> ids;
    for (std::uint32_t n = 1; n <= arms.GetCount(); ++n) {
        EXPECT_EQ(arms.GetArm(n)->GetNumber(), n);
        ids.push_back(arms.GetArm(n)->GetId());
    }
    return ids;
}

// Inserting beyond the count creates the missing arms first, so ids follow the numbers; in front
// shifts the later arms up. Ids are never reused within a network, and moves take out and
// reinsert.
TEST(ArmsNumbering, InsertDeleteAndMoveKeepIds)
{
    CNetwork network;
    CArms& arms = network.GetArms();
    arms.InsertArm(1);
    arms.InsertArm(2);
    CArm* fifth = arms.InsertArm(5);
    ASSERT_NE(fifth, nullptr);
    EXPECT_EQ(fifth, arms.GetArm(5));
    EXPECT_EQ(Ids(arms), (std::vector<std::uint32_t>{1001, 1002, 1003, 1004, 1005}));
    CArm* front = arms.InsertArm(1);
    EXPECT_EQ(Ids(arms), (std::vector<std::uint32_t>{1006, 1001, 1002, 1003, 1004, 1005}));
    EXPECT_EQ(arms.GetArmById(1006), front);

    ASSERT_TRUE(arms.DeleteArm(1));
    ASSERT_TRUE(arms.DeleteArm(5));
    EXPECT_EQ(Ids(arms), (std::vector<std::uint32_t>{1001, 1002, 1003, 1004}));
    EXPECT_EQ(arms.GetArmById(1006), nullptr);
    ASSERT_TRUE(arms.MoveArm(1, 3));
    EXPECT_EQ(Ids(arms), (std::vector<std::uint32_t>{1002, 1003, 1001, 1004}));
    ASSERT_TRUE(arms.MoveArm(4, 1));
    EXPECT_EQ(Ids(arms), (std::vector<std::uint32_t>{1004, 1002, 1003, 1001}));
    EXPECT_FALSE(arms.MoveArm(1, 5));
    EXPECT_FALSE(arms.MoveArm(0, 1));
    EXPECT_EQ(Ids(arms), (std::vector<std::uint32_t>{1004, 1002, 1003, 1001}));
    EXPECT_EQ(arms.InsertArm(5)->GetId(), 1007u);
    // The counter belongs to the network: a fresh one starts again.
    CNetwork second;
    EXPECT_EQ(second.GetArms().InsertArm(1)->GetId(), 1001u);
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

// Arm 2 of three, two lanes each, with these connectors: only those to other arms count.
TEST(ArmKind, KindAndLabelFollowConnectorsToOtherArms)
{
    const struct
    {
        const char* paths;
        ArmKind kind;
        const char* label;
    } cases[] = {
        {"", ArmKind::Unconnected, "2"},
        {"2.1>2.2>2.1", ArmKind::Unconnected, "2"},
        {"2.1>3.1", ArmKind::Entry, "E2"},
        {"1.1>2.2", ArmKind::Exit, "X2"},
        {"1.1>2.2 2.1>3.1", ArmKind::Circulatory, "C2"},
        {"1.1>2.2 2.1>2.2>2.1", ArmKind::Exit, "X2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.paths);
        CNetwork network;
        CArm* arm = TestSupport::CNetworkBuilder(network).Arms({2, 2, 2}).Connect(c.paths).Arm(2);
        EXPECT_EQ(arm->GetKind(), c.kind);
        EXPECT_EQ(arm->GetLabel(), c.label);
    }
}

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
    TestSupport::CNetworkBuilder(network).Arms({2, 2}).Zone(1, 0).Connect(
        "1.1>2.1 2.2>1.2 1.1>1.2");
    CArm* a2 = network.GetArms().GetArm(2);
    CZone* zone = network.GetZones().GetZone(1);

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
