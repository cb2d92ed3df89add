// Routes rewritten when a short lane is deleted or made infinitely long.
#include "route_fixture.h"
#include "routing/lane_route_edits.h"

namespace
{

using routetest::Path;
using routetest::Paths;

// Entry arm 1 has lanes 1 (long) and 2 (short, fed from lane 1); lane 2 feeds lane 3 (long).
// Routes from arm 1's long lanes to the exit cross through the short lane.
class ShortLaneRoutesTest : public routetest::CJunction
{
protected:
    void SetUp() override
    {
        CJunction::SetUp();
        entry->GetLanes().InsertLane(3);
        short2 = entry->GetLanes().GetLane(2);
        // Lane 2 keeps its connector to the ring; lane 1 feeds it, and it feeds lane 3.
        network.GetLaneConnectors().RemoveConnector(
            network.GetLaneConnectors().FindConnector(routetest::Lane(entry, 1), Lane2Ring()));
        short2->SetLength(30);
        Connect(entry, 1, entry, 2);
        Connect(entry, 2, entry, 3);
        Connect(entry, 3, circ, 1);
        network.GetRoutes().DiscoverRoutes();
    }
    CLane* Lane2Ring() { return routetest::Lane(circ, 1); }
    CLane* short2 = nullptr;
};

TEST_F(ShortLaneRoutesTest, DeletingTheShortLaneBridgesItsNeighbours)
{
    const std::vector<std::string> before = Paths(network);
    ASSERT_NE(std::find(before.begin(), before.end(), "1.1>1.2>1.3>2.1>3.1"), before.end());
    EXPECT_TRUE(BridgeShortLaneBeforeDelete(network, *short2));
    entry->GetLanes().DeleteLane(2);
    const std::vector<std::string> after = Paths(network);
    EXPECT_NE(std::find(after.begin(), after.end(), "1.1>1.2>2.1>3.1"), after.end())
        << "the route over the short lane now takes the bridge (lane 3 is now number 2)";
    EXPECT_EQ(
        after.size(), before.size() - [&] {
            // routes that used the short lane without crossing it (2.1 to the ring) go
            std::size_t n = 0;
            for (const std::string& p : before)
                n += p.rfind("1.2>2.1", 0) == 0 || p.find(">1.2>2.1") != std::string::npos;
            return n;
        }());
}

TEST_F(ShortLaneRoutesTest, LongLaneIsNotBridged)
{
    EXPECT_FALSE(BridgeShortLaneBeforeDelete(network, *routetest::Lane(entry, 3)));
}

TEST(LaneConversionTest, RouteEnteringByALaneChangeNowEntersTheLaneDirectly)
{
    // Arm 1 feeds arm 2 lane 1; on arm 2, lane 1 feeds the short lane 2 by a lane change;
    // lane 2 leaves for arm 3.
    CNetwork network;
    CArm* a1 = testnet::AddArm(network, 1);
    CArm* a2 = testnet::AddArm(network, 2);
    CArm* a3 = testnet::AddArm(network, 1);
    CArm* a4 = testnet::AddArm(network, 1);
    auto& connectors = network.GetLaneConnectors();
    connectors.AddConnector(testnet::Lane(a1, 1), testnet::Lane(a2, 1));
    testnet::Lane(a2, 2)->SetLength(25);
    connectors.AddConnector(testnet::Lane(a2, 1), testnet::Lane(a2, 2));
    connectors.AddConnector(testnet::Lane(a2, 2), testnet::Lane(a3, 1));
    connectors.AddConnector(testnet::Lane(a2, 1), testnet::Lane(a4, 1));
    network.GetZones().InsertZone(1)->SetEntryArm(a1);
    network.GetZones().InsertZone(2)->SetExitArm(a3);
    network.GetZones().InsertZone(3)->SetExitArm(a4);
    network.GetRoutes().DiscoverRoutes();
    ASSERT_EQ(routetest::Paths(network),
              (std::vector<std::string>{"1.1>2.1>2.2>3.1", "1.1>2.1>4.1"}));
    const std::uint32_t id = network.GetRoutes().GetRoute(1)->GetId();

    ConvertToInfinitelyLongLane(network, *testnet::Lane(a2, 2));
    EXPECT_FALSE(testnet::Lane(a2, 2)->IsShort());
    EXPECT_EQ(connectors.FindConnector(testnet::Lane(a2, 1), testnet::Lane(a2, 2)), nullptr);
    EXPECT_EQ(routetest::Paths(network), (std::vector<std::string>{"1.1>2.2>3.1", "1.1>2.1>4.1"}));
    EXPECT_EQ(network.GetRoutes().GetRoute(1)->GetId(), id) << "rewritten, not rebuilt";
}

} // namespace
