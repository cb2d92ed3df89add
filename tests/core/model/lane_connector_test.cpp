// Lane connectors: one per ordered lane pair, their keys and orders, and their lane lists.
#include "model/network.h"
#include "recording_observer.h"

#include <gtest/gtest.h>

using TestSupport::AddArm;
using TestSupport::Lane;

namespace
{

class LaneConnectors : public ::testing::Test
{
protected:
    CNetwork network;
    CArm* a1 = AddArm(network, 2);
    CArm* a2 = AddArm(network, 2);
    CCarouselLaneConnectors& connectors = network.GetLaneConnectors();
};

TEST_F(LaneConnectors, OnePerOrderedPairInKeyAndCreationOrder)
{
    CCarouselLaneConnector* c = connectors.AddConnector(Lane(a1, 1), Lane(a2, 1));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(connectors.AddConnector(Lane(a1, 1), Lane(a2, 1)), nullptr);
    EXPECT_EQ(connectors.GetCount(), 1u);
    EXPECT_EQ(connectors.FindConnector(Lane(a1, 1), Lane(a2, 1)), c);
    EXPECT_EQ(Lane(a1, 1)->GetOutgoingConnectors().size(), 1u) << "the refused copy is not linked";
    // The reverse direction is a different pair.
    CCarouselLaneConnector* back = connectors.AddConnector(Lane(a2, 1), Lane(a1, 1));
    ASSERT_NE(back, nullptr);
    EXPECT_NE(back, c);
    EXPECT_EQ(connectors.FindConnector(Lane(a2, 1), Lane(a1, 1)), back);
    EXPECT_EQ(connectors.AddConnector(nullptr, Lane(a1, 1)), nullptr);
    EXPECT_EQ(connectors.FindConnector(Lane(a1, 1), nullptr), nullptr);

    auto* late = connectors.AddConnector(Lane(a1, 2), Lane(a2, 1));
    auto* early = connectors.AddConnector(Lane(a1, 1), Lane(a2, 2));
    EXPECT_EQ(early->GetKey(),
              ((Lane(a1, 1)->GetLaneId() & 0xFFFFu) << 16) + (Lane(a2, 2)->GetLaneId() & 0xFFFFu));
    EXPECT_EQ(connectors.GetConnectorsInKeyOrder(),
              (std::vector<CCarouselLaneConnector*>{c, early, late, back}));
    EXPECT_EQ(connectors.GetConnectorsInCreationOrder(),
              (std::vector<CCarouselLaneConnector*>{c, back, late, early}));
    EXPECT_FALSE(late->IsLaneChange());
    EXPECT_TRUE(connectors.AddConnector(Lane(a1, 1), Lane(a1, 2))->IsLaneChange());
}

TEST_F(LaneConnectors, RemoveUnlinksBothLanesAndRefusesStrangers)
{
    CRecordingObserver observer;
    network.AddObserver(&observer);
    auto* c = connectors.AddConnector(Lane(a1, 1), Lane(a2, 1));

    CNetwork elsewhere;
    CArm* b1 = AddArm(elsewhere, 1);
    CArm* b2 = AddArm(elsewhere, 1);
    auto* foreign = elsewhere.GetLaneConnectors().AddConnector(Lane(b1, 1), Lane(b2, 1));
    EXPECT_FALSE(connectors.RemoveConnector(foreign));
    EXPECT_FALSE(connectors.RemoveConnector(nullptr));
    EXPECT_EQ(elsewhere.GetLaneConnectors().GetCount(), 1u);

    ASSERT_TRUE(connectors.RemoveConnector(c));
    EXPECT_TRUE(Lane(a1, 1)->GetOutgoingConnectors().empty());
    EXPECT_TRUE(Lane(a2, 1)->GetIncomingConnectors().empty());
    EXPECT_EQ(connectors.FindConnector(Lane(a1, 1), Lane(a2, 1)), nullptr);
    EXPECT_EQ(observer.events, (std::vector<std::string>{"connector 1.1>2.1"}));
    // The pair can be joined again.
    EXPECT_NE(connectors.AddConnector(Lane(a1, 1), Lane(a2, 1)), nullptr);
}

// Sees the connector still whole when told, and asks to remove it again from inside the hook.
class CReentrantObserver : public CNetworkObserver
{
public:
    explicit CReentrantObserver(CNetwork& network) : m_network(network) {}
    void OnLaneConnectorRemoving(CCarouselLaneConnector& c) override
    {
        stillLinked = c.GetFromLane()->GetOutgoingConnectors().size() == 1;
        nestedRemoval = m_network.GetLaneConnectors().RemoveConnector(&c);
        ++calls;
    }
    bool stillLinked = false;
    bool nestedRemoval = true;
    int calls = 0;

private:
    CNetwork& m_network;
};

TEST_F(LaneConnectors, HookSeesALinkedConnectorAndCannotRemoveItTwice)
{
    CReentrantObserver observer(network);
    network.AddObserver(&observer);
    auto* c = connectors.AddConnector(Lane(a1, 1), Lane(a2, 1));
    EXPECT_TRUE(connectors.RemoveConnector(c));
    EXPECT_TRUE(observer.stillLinked);
    EXPECT_FALSE(observer.nestedRemoval);
    EXPECT_EQ(observer.calls, 1);
    EXPECT_EQ(connectors.GetCount(), 0u);
    EXPECT_TRUE(Lane(a1, 1)->GetOutgoingConnectors().empty());
}

TEST_F(LaneConnectors, LaneIdsThatShareTheirLow16BitsStayDistinct)
{
    // Lane ids come from one counter that loads and undos keep advancing, so two live lanes can
    // share their low 16 bits; their connectors must not be confused.
    CCapLanes& lanes = a2->GetLanes();
    while ((CLane::PeekNextLaneId() & 0xFFFFu) != (Lane(a1, 1)->GetLaneId() & 0xFFFFu)) {
        lanes.InsertLane(2);
        lanes.DeleteLane(2);
    }
    CLane* twin = lanes.InsertLane(2);
    ASSERT_NE(twin->GetLaneId(), Lane(a1, 1)->GetLaneId());

    auto* first = connectors.AddConnector(Lane(a1, 1), Lane(a2, 1));
    auto* second = connectors.AddConnector(twin, Lane(a2, 1));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->GetKey(), second->GetKey());
    EXPECT_EQ(connectors.FindConnector(twin, Lane(a2, 1)), second);
    EXPECT_EQ(connectors.FindConnector(Lane(a1, 1), Lane(a2, 1)), first);
    EXPECT_EQ(connectors.GetCount(), 2u);
}

// The seven conditions under which the network view joins two lanes. Arm 1 is zone A's origin
// arm, arm 3 zone B's destination arm; lane 2.2 is short.
TEST(ViewConnectorRules, EveryConditionRefusesOnItsOwn)
{
    CNetwork network;
    CArm* arm1 = AddArm(network, 1);
    CArm* arm2 = AddArm(network, 2);
    CArm* arm3 = AddArm(network, 1);
    CArm* arm4 = AddArm(network, 1);
    Lane(arm2, 2)->SetLength(50);
    network.GetZones().InsertZone(1)->SetEntryArm(arm1);
    network.GetZones().InsertZone(2)->SetExitArm(arm3);
    network.GetLaneConnectors().AddConnector(Lane(arm2, 1), Lane(arm4, 1));

    struct
    {
        const char* name;
        const CLane* from;
        const CLane* to;
        bool allowed;
    } const cases[] = {
        {"origin to other arms", Lane(arm1, 1), Lane(arm2, 1), true},
        {"no from-lane", nullptr, Lane(arm2, 1), false},
        {"no to-lane", Lane(arm1, 1), nullptr, false},
        {"the same lane", Lane(arm2, 1), Lane(arm2, 1), false},
        {"a lane of the same arm", Lane(arm2, 2), Lane(arm2, 1), false},
        {"a connector there already", Lane(arm2, 1), Lane(arm4, 1), false},
        {"the other way is new", Lane(arm4, 1), Lane(arm2, 1), true},
        {"onto a short lane", Lane(arm1, 1), Lane(arm2, 2), false},
        {"into a zone's origin arm", Lane(arm2, 1), Lane(arm1, 1), false},
        {"out of a zone's destination arm", Lane(arm3, 1), Lane(arm4, 1), false},
        {"into a zone's destination arm", Lane(arm2, 1), Lane(arm3, 1), true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CanAddLaneConnector(c.from, c.to), c.allowed) << c.name;
    }
}

} // namespace
