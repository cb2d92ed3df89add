// Route discovery on the network model and the removals that keep routes consistent.
#include "route_fixture.h"
#include "routing/route_commands.h"

#include <gtest/gtest.h>

namespace
{

using namespace routetest;
using Paths_t = std::vector<std::string>;

TEST_F(CJunction, BuildsByMovementThenLaneThenConnectorOrder)
{
    EXPECT_EQ(BuildRoutes(network), 4u);
    EXPECT_EQ(Paths(network),
              (Paths_t{"1.1>2.1>3.1", "1.2>2.1>3.1", "1.1>2.1>4.1", "1.2>2.1>4.1"}));
    EXPECT_EQ(Route(1)->GetId(), 1001u);
    EXPECT_EQ(Route(1)->GetOriginZone(), origin);
    EXPECT_EQ(Route(3)->GetDestinationZone(), destB);
    EXPECT_EQ(Route(2)->GetOriginLane(), Lane(entry, 2));
    EXPECT_EQ(Route(4)->GetDestinationArm(), exitB);
    // Each connector knows its routes, in number order.
    const CRouteCollection& shared = Find(circ, 1, exitB, 1)->GetRoutes();
    ASSERT_EQ(shared.GetCount(), 2u);
    EXPECT_EQ(shared.First(), Route(3));
    EXPECT_EQ(shared.Next(Route(3)), Route(4));
    EXPECT_EQ(shared.Next(Route(4)), nullptr);
    // A flow set on the group by id, as a file reader does, reaches the route's cache.
    EXPECT_EQ(Route(1)->GetFlow(group), 0.0);
    group->SetRouteFlow(Route(1)->GetId(), nullptr, 12.5);
    EXPECT_EQ(Route(1)->GetFlow(group), 12.5);
}

TEST_F(CJunction, RouteEndsAtTheFirstExitLaneAndMovementsWithoutArmsAreSkipped)
{
    // A lane change on the exit arm does not make it circulatory; routes stop before it.
    exitA->GetLanes().InsertLane(2);
    Connect(exitA, 1, exitA, 2);
    BuildRoutes(network);
    EXPECT_EQ(network.GetRoutes().GetRouteCount(), 4u);
    EXPECT_EQ(Route(1)->GetDestinationLane(), Lane(exitA, 1));

    network.GetRoutes().RemoveAllRoutes();
    ASSERT_TRUE(origin->SetEntryArm(nullptr));
    EXPECT_EQ(BuildRoutes(network), 0u);
    network.GetZones().InsertZone(4); // a zone with no arm at all
    EXPECT_EQ(BuildRoutes(network), 0u);
}

TEST_F(CJunction, UTurnsForAZoneServingBothWays)
{
    // Zone 2 also enters by a new entry arm 5 that feeds the circulatory lane.
    CArm* back = AddArm(network, 1);
    Connect(back, 1, circ, 1);
    ASSERT_TRUE(destA->SetExitArm(nullptr));
    ASSERT_TRUE(destA->SetEntryArm(back));
    CZone* both = network.GetZones().InsertZone(4);
    ASSERT_TRUE(both->SetExitArm(exitA));
    BuildRoutes(network);
    bool uTurn = false;
    for (std::uint32_t n = 1; n <= network.GetRoutes().GetRouteCount(); ++n) {
        uTurn = uTurn || Path(*Route(n)) == "5.1>2.1>3.1";
    }
    EXPECT_TRUE(uTurn);
}

TEST_F(CJunction, DestroyingAConnectorRemovesItsRoutesAndTheirFlows)
{
    BuildRoutes(network);
    Route(3)->SetFlow(group, 30.0);
    Route(4)->SetFlow(group, 40.0);
    const std::uint32_t id3 = Route(3)->GetId();
    auto* connector = Find(circ, 1, exitB, 1);
    ASSERT_TRUE(network.GetLaneConnectors().RemoveConnector(connector));
    EXPECT_EQ(Paths(network), (Paths_t{"1.1>2.1>3.1", "1.2>2.1>3.1"}));
    EXPECT_EQ(group->GetRouteFlowRecords().count(id3), 0u);
    EXPECT_TRUE(group->GetRouteFlowRecords().empty());
    // The connectors the routes shared no longer know them.
    auto* first = Find(entry, 1, circ, 1);
    EXPECT_EQ(first->GetRoutes().GetCount(), 1u);
}

TEST_F(CJunction, DestroyingAZoneOrReplacingItsArmRemovesItsRoutes)
{
    BuildRoutes(network);
    ASSERT_TRUE(network.GetZones().DeleteZone(destB->GetNumber()));
    EXPECT_EQ(Paths(network), (Paths_t{"1.1>2.1>3.1", "1.2>2.1>3.1"}));
    CArm* spare = AddArm(network, 1);
    ASSERT_TRUE(destA->SetExitArm(spare));
    EXPECT_EQ(network.GetRoutes().GetRouteCount(), 0u);
}

TEST_F(CJunction, DeletingAnArmRemovesEverythingThatHangsOnIt)
{
    BuildRoutes(network);
    ASSERT_TRUE(network.GetArms().DeleteArm(exitA->GetNumber()));
    EXPECT_EQ(Paths(network), (Paths_t{"1.1>2.1>3.1", "1.2>2.1>3.1"}));
    ASSERT_TRUE(network.GetArms().DeleteArm(1));
    EXPECT_EQ(network.GetRoutes().GetRouteCount(), 0u);
}

TEST_F(CJunction, CircularRoutesAndStopLineLanes)
{
    // Arm 2 gets a short flare lane 2 fed from lane 1; crossing to it is not circular.
    circ->GetLanes().InsertLane(2)->SetLength(10);
    // A second circulatory arm 5 goes back to arm 2's long lane.
    built.Arms({1}).Connect("2.1>2.2>4.1 1.1>5.1>2.1");
    BuildRoutes(network);
    std::vector<std::string> circular;
    for (std::uint32_t n = 1; n <= network.GetRoutes().GetRouteCount(); ++n) {
        if (Route(n)->IsCircular()) {
            circular.push_back(Path(*Route(n)));
        }
        if (Path(*Route(n)) == "1.1>2.1>2.2>4.1") {
            EXPECT_FALSE(Route(n)->IsCircular());
            EXPECT_EQ(Route(n)->GetOriginStopLineLane(), Lane(entry, 1));
            EXPECT_EQ(Route(n)->GetDestinationStopLineLane(), Lane(exitB, 1));
        }
    }
    EXPECT_TRUE(circular.empty());
    EXPECT_EQ(MakeCircularRoutesNonPermitted(network), 0u);
}

TEST_F(CJunction, RouteReturningToAnArmOnAnotherLongLaneIsCircular)
{
    circ->GetLanes().InsertLane(2);
    built.Arms({1}).Connect("2.1>5.1>2.2>3.1");
    BuildRoutes(network);
    std::size_t circular = 0;
    for (std::uint32_t n = 1; n <= network.GetRoutes().GetRouteCount(); ++n) {
        if (Route(n)->IsCircular()) {
            ++circular;
            EXPECT_EQ(Path(*Route(n)).substr(4), "2.1>5.1>2.2>3.1");
        }
    }
    EXPECT_EQ(circular, 2u);
    EXPECT_EQ(MakeCircularRoutesNonPermitted(network), 2u);
}

} // namespace
