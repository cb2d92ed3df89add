// The network container: the current flow group, observers and teardown; the zone set the views
// use, and labels.
#include "model/label.h"
#include "model/network.h"
#include "model/zone_collection.h"
#include "recording_observer.h"

#include <gtest/gtest.h>

using TestSupport::AddArm;
using TestSupport::Lane;

namespace
{

TEST(Network, TheCurrentFlowGroupMustBelongToIt)
{
    CNetwork network;
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

// Texts are trimmed, then cut to 50 characters; a blank one reads "(blank)".
TEST(Labels, TextsNewLabelsAndLimits)
{
    const std::pair<std::string, std::string> texts[] = {
        {"North Road", "North Road"},
        {"  \tNorth Road \t ", "North Road"},
        {"   ", "(blank)"},
        {"", "(blank)"},
        {std::string(50, 'a') + std::string(10, 'b'), std::string(50, 'a')},
        {"  " + std::string(50, 'c') + "  ", std::string(50, 'c')},
    };
    CLabels labels(55);
    CLabel* third = labels.InsertLabel(3);
    ASSERT_NE(third, nullptr);
    for (const auto& [typed, stored] : texts) {
        third->SetText(typed);
        EXPECT_EQ(third->GetText(), stored) << typed;
    }
    EXPECT_EQ(labels.GetCount(), 3u); // 1 and 2 made first
    EXPECT_EQ(labels.GetLabel(1)->GetText(), "(blank)");
    EXPECT_EQ(third->GetTextHeight(), 55);
    // Turned to 45 degrees about the first point, keeping the length.
    EXPECT_EQ(third->GetFirstPoint(), (CLabelPoint{500.0, 500.0}));
    EXPECT_NEAR(third->GetSecondPoint().x, 400.0, 1e-6);
    EXPECT_NEAR(third->GetSecondPoint().y, 600.0, 1e-6);
    EXPECT_EQ(labels.InsertLabel(100), nullptr);
    EXPECT_NE(labels.InsertLabel(99), nullptr);
    EXPECT_EQ(labels.GetCount(), 99u);
    EXPECT_TRUE(labels.RemoveLabel(1));
    EXPECT_EQ(labels.GetLabel(1)->GetId(), 1002u);
    EXPECT_FALSE(labels.RemoveLabel(99));
}

} // namespace
