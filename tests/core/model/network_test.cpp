// The network container: back links, the current flow group, observers and teardown;
// and the two small sets the views use (selected lanes, gathered zones).
#include "model/network.h"
#include "model/zone_collection.h"
#include "recording_observer.h"

#include <gtest/gtest.h>

using TestSupport::AddArm;
using TestSupport::Lane;

namespace
{

TEST(Network, ObjectsKnowTheirNetworkAndTheCurrentFlowGroupMustBelongToIt)
{
    CNetwork network;
    EXPECT_EQ(network.GetZones().InsertZone(1)->GetNetwork(), &network);
    CArm* arm = AddArm(network, 1);
    EXPECT_EQ(arm->GetNetwork(), &network);
    EXPECT_EQ(Lane(arm, 1)->GetNetwork(), &network);
    CNetwork other;
    CFlowGroup* mine = network.GetFlowGroups().InsertFlowGroup(1);
    CFlowGroup* theirs = other.GetFlowGroups().InsertFlowGroup(1);
    EXPECT_TRUE(network.SetCurrentFlowGroup(mine));
    EXPECT_FALSE(network.SetCurrentFlowGroup(theirs));
    EXPECT_EQ(network.GetCurrentFlowGroup(), mine);
    EXPECT_TRUE(network.SetCurrentFlowGroup(nullptr));
    EXPECT_EQ(network.GetCurrentFlowGroup(), nullptr);
}

TEST(Network, RemovedObserverHearsNothing)
{
    CNetwork network;
    CRecordingObserver observer;
    network.AddObserver(&observer);
    network.AddObserver(&observer);
    network.GetZones().InsertZone(1);
    network.GetZones().InsertZone(2);
    network.GetZones().DeleteZone(1);
    network.RemoveObserver(&observer);
    network.GetZones().DeleteZone(1);
    EXPECT_EQ(observer.events, (std::vector<std::string>{"zone 1"})) << "registered once";
}

TEST(Network, TeardownOfAFullNetworkIsQuiet)
{
    CRecordingObserver observer;
    {
        CNetwork network;
        network.AddObserver(&observer);
        CArm* a1 = AddArm(network, 2);
        CArm* a2 = AddArm(network, 2);
        network.GetLaneConnectors().AddConnector(Lane(a1, 1), Lane(a2, 1));
        network.GetLaneConnectors().AddConnector(Lane(a1, 1), Lane(a1, 2));
        CZone* z = network.GetZones().InsertZone(1);
        z->SetEntryArm(a1);
        network.GetZones().InsertZone(2)->SetExitArm(a2);
        CFlowGroup* group = network.GetFlowGroups().InsertFlowGroup(1);
        group->SetDesiredFlow(network.GetODMovements().First(), 10);
        network.SetCurrentFlowGroup(group);
    }
    // The sanitizers catch any dangling link; nobody is told about teardown.
    EXPECT_TRUE(observer.events.empty());
}

TEST(ZoneCollection, EachZoneOnceInIdOrder)
{
    CNetwork network;
    CZone* z1 = network.GetZones().InsertZone(1);
    CZone* z2 = network.GetZones().InsertZone(1); // number 1, later id
    CZoneCollection a;
    EXPECT_TRUE(a.Add(z2));
    EXPECT_TRUE(a.Add(z1));
    EXPECT_FALSE(a.Add(z1));
    EXPECT_FALSE(a.Add(nullptr));
    EXPECT_EQ(a.GetZones(), (std::vector<CZone*>{z1, z2}));
    CZoneCollection b;
    b.Add(z2);
    b.AddAll(a);
    EXPECT_EQ(b.GetCount(), 2u);
    EXPECT_TRUE(b.Remove(z1));
    EXPECT_FALSE(b.Contains(z1));
    EXPECT_TRUE(b.Contains(z2));
}

} // namespace
