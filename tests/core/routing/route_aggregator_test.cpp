// Lane positions of routes, the aggregation keys and the bands of a lane.
#include "route_fixture.h"
#include "routing/route_aggregator.h"
#include "routing/route_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace
{

using routetest::Lane;
using Values = std::vector<double>;
using Mode = ELaneFlowAggregation;
using Colour = ELaneFlowColouring;

// Zone A enters by E1 (two lanes) onto C2, zone B by E5 straight onto C3. From C3 traffic
// leaves by X4 (zone C) or goes on by C6 to X7 (zone D). On lane C3.1 the routes from A have
// made two arm-to-arm steps, those from B one; those to C have one more to make, those to D two.
// Zone n has colour 0x10 * n; routes 1..6 carry 1, 2, 4, 8, 16, 32.
class CRing : public routetest::CRouteNetwork
{
protected:
    void SetUp() override
    {
        BuildRoutes(network);
        ASSERT_EQ(
            routetest::Paths(network),
            (std::vector<std::string>{"1.1>2.1>3.1>4.1", "1.2>2.1>3.1>4.1", "1.1>2.1>3.1>6.1>7.1",
                                      "1.2>2.1>3.1>6.1>7.1", "5.1>3.1>4.1", "5.1>3.1>6.1>7.1"}));
        SetFlows();
    }
    void SetFlows()
    {
        double flow = 1.0;
        for (std::uint32_t n = 1; n <= network.GetRoutes().GetRouteCount(); ++n, flow *= 2) {
            Route(n)->SetFlow(group, flow);
        }
    }
    CNumList Bands(Mode mode, Colour colouring = Colour::ByOrigin, unsigned flags = 0)
    {
        return AggregateLane(*CreateRouteAggregator(mode, group), *Lane(c3, 1), colouring, flags);
    }
    static Values ValuesOf(const CNumList& list)
    {
        Values values;
        for (const CNumListEntry& entry : list.GetEntries()) {
            values.push_back(entry.value);
        }
        return values;
    }

    TestSupport::CNetworkBuilder built = TestSupport::CNetworkBuilder(network)
                                             .Arms({2, 1, 1, 1, 1, 1, 1})
                                             .Connect("1.1>2.1>3.1>4.1 1.2>2.1 5.1>3.1>6.1>7.1")
                                             .Zone(1, 0, 0x10)
                                             .Zone(5, 0, 0x20)
                                             .Zone(0, 4, 0x30)
                                             .Zone(0, 7, 0x40);
    CArm* e1 = built.Arm(1);
    CArm* c2 = built.Arm(2);
    CArm* c3 = built.Arm(3);
    CArm* x4 = built.Arm(4);
    CArm* e5 = built.Arm(5);
    CArm* c6 = built.Arm(6);
    CArm* x7 = built.Arm(7);
};

TEST_F(CRing, LanePositionCountsArmToArmStepsNotLaneChanges)
{
    EXPECT_EQ(GetLanePosition(*Route(1), *Lane(e1, 1)), (CLanePosition{0, 3}));
    EXPECT_EQ(GetLanePosition(*Route(1), *Lane(c3, 1)), (CLanePosition{2, 1}));
    EXPECT_EQ(GetLanePosition(*Route(6), *Lane(c3, 1)), (CLanePosition{1, 2}));
    EXPECT_EQ(GetLanePosition(*Route(4), *Lane(x7, 1)), (CLanePosition{4, 0}));
    // A lane the route does not use has no position.
    for (CLane* lane : {static_cast<CLane*>(Lane(e1, 2)), static_cast<CLane*>(Lane(x4, 1)),
                        static_cast<CLane*>(Lane(e5, 1))}) {
        EXPECT_THAT([&] { GetLanePosition(*Route(3), *lane); },
                    testing::ThrowsMessage<std::logic_error>(testing::StrEq("lane not on route")));
    }

    // A flare: short lane 3 of E1 is reached from lane 2 by a lane change and feeds C2.
    CCapacityLane* flare = e1->GetLanes().InsertLane(3);
    flare->SetLength(12);
    built.Connect("1.2>1.3>2.1");
    CRoute* route = network.GetRoutes().AddRoute();
    route->AppendEdge(network.GetLaneConnectors().FindConnector(Lane(e1, 2), flare));
    route->AppendEdge(network.GetLaneConnectors().FindConnector(flare, Lane(c2, 1)));
    route->AppendEdge(Find(c2, 1, c3, 1));
    route->AppendEdge(Find(c3, 1, x4, 1));
    EXPECT_EQ(GetLanePosition(*route, *Lane(e1, 2)), (CLanePosition{0, 3}));
    EXPECT_EQ(GetLanePosition(*route, *flare), (CLanePosition{0, 3}));
    EXPECT_EQ(GetLanePosition(*route, *Lane(c3, 1)), (CLanePosition{2, 1}));
}

TEST_F(CRing, LaneFollowedOnlyByALaneChangeOnTheExitArmIsOnTheRoute)
{
    // The route enters X4 on lane 1 and moves to lane 2 before it ends; lane 1 is a stop-line
    // lane of the exit arm for it, so asking its position there must not fail.
    x4->GetLanes().InsertLane(2);
    Connect(x4, 1, x4, 2);
    CRoute* route = network.GetRoutes().AddRoute();
    route->AppendEdge(Find(e5, 1, c3, 1));
    route->AppendEdge(Find(c3, 1, x4, 1));
    route->AppendEdge(Find(x4, 1, x4, 2));
    EXPECT_EQ(GetLanePosition(*route, *Lane(x4, 1)), (CLanePosition{2, 0}));
    EXPECT_EQ(GetLanePosition(*route, *Lane(x4, 2)), (CLanePosition{2, 0}));
    const CNumList bands =
        AggregateLane(CRouteDestFlowAggregator(group), *Lane(x4, 1), Colour::ByOrigin, 0);
    EXPECT_EQ(bands.GetCount(), 1u);
}

// Positions and end arms are worked out once per list of connectors: a route that was asked
// and then changed answers from its new list.
TEST_F(CRing, LanePositionFollowsARouteWhoseConnectorsChange)
{
    CRoute* route = network.GetRoutes().AddRoute();
    route->AppendEdge(Find(c3, 1, x4, 1));
    EXPECT_EQ(GetLanePosition(*route, *Lane(c3, 1)), (CLanePosition{0, 1}));
    EXPECT_EQ(route->GetOriginArm(), c3);
    EXPECT_EQ(route->GetDestinationArm(), x4);

    Routing::CEdgeRoute toX4;
    toX4.AppendEdge(Find(c3, 1, x4, 1));
    Routing::CEdgeRoute toX7;
    toX7.AppendEdge(Find(c3, 1, c6, 1));
    toX7.AppendEdge(Find(c6, 1, x7, 1));
    ASSERT_TRUE(route->ReplaceSubRoute(toX4, toX7));
    EXPECT_EQ(GetLanePosition(*route, *Lane(c3, 1)), (CLanePosition{0, 2}));
    EXPECT_EQ(GetLanePosition(*route, *Lane(x7, 1)), (CLanePosition{2, 0}));
    EXPECT_EQ(route->GetDestinationArm(), x7);

    route->PrependEdge(Find(c2, 1, c3, 1));
    EXPECT_EQ(GetLanePosition(*route, *Lane(c3, 1)), (CLanePosition{1, 2}));
    EXPECT_EQ(route->GetOriginArm(), c2);
}

TEST_F(CRing, BandsInKeyOrderForEachMode)
{
    const struct
    {
        const char* name;
        Mode mode;
        Colour colouring;
        Values values;
        std::vector<std::uint32_t> colours;
    } cases[] = {
        // Same steps still to make: A's and B's routes to C share a band.
        {"to", Mode::ByDestination, Colour::ByDestination, {1 + 2 + 16, 4 + 8 + 32}, {0x30, 0x40}},
        {"from", Mode::ByOrigin, Colour::ByOrigin, {16 + 32, 1 + 2 + 4 + 8}, {0x20, 0x10}},
        {"OD", Mode::ByOD, Colour::ByOrigin, {16, 1 + 2, 32, 4 + 8}, {0x20, 0x10, 0x20, 0x10}},
        {"OD, to", Mode::ByOD, Colour::ByDestination, {16, 3, 32, 12}, {0x30, 0x30, 0x40, 0x40}},
        {"none", Mode::None, Colour::ByOrigin, {16, 1, 2, 32, 4, 8}, {32, 16, 16, 32, 16, 16}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CNumList bands = Bands(c.mode, c.colouring);
        EXPECT_EQ(ValuesOf(bands), c.values);
        std::vector<std::uint32_t> colours;
        for (const CNumListEntry& entry : bands.GetEntries()) {
            colours.push_back(entry.colour);
        }
        EXPECT_EQ(colours, c.colours);
        EXPECT_EQ(bands.GetTotal(), 63.0);
    }
}

TEST_F(CRing, FlagsLeaveOutRoutesOutsideTheFilterOrNotPermitted)
{
    Route(5)->SetInFilter(false);
    Route(2)->SetPermitted(false);
    EXPECT_EQ(ValuesOf(Bands(Mode::None, Colour::ByOrigin, AggregateInFilterOnly)),
              (Values{1, 0, 32, 4, 8}));
    EXPECT_EQ(ValuesOf(Bands(Mode::None, Colour::ByOrigin, AggregatePermittedOnly)),
              (Values{16, 1, 32, 4, 8}));
    EXPECT_EQ(ValuesOf(Bands(Mode::None, Colour::ByOrigin,
                             AggregateInFilterOnly | AggregatePermittedOnly)),
              (Values{1, 32, 4, 8}));
}

TEST_F(CRing, ZeroFlowsStayAndAnUnusedLaneIsEmpty)
{
    Route(1)->SetFlow(group, 0.0);
    Route(2)->SetFlow(group, 0.0);
    Route(5)->SetFlow(group, 0.0);
    EXPECT_EQ(ValuesOf(Bands(Mode::ByDestination)), (Values{0, 44}));
    x4->GetLanes().InsertLane(2);
    EXPECT_TRUE(
        AggregateLane(CRouteFlowAggregator(group), *Lane(x4, 2), Colour::ByOrigin, 0).IsEmpty());
}

TEST_F(CRing, NoAggregationKeepsRoutesApartBeyondRouteNumberOneThousand)
{
    // Renumber B's routes to 1001 and 1002, so that route 1001 one step into its trip and
    // route 1 two steps in would share a key if the route number had only three digits.
    network.GetRoutes().RemoveRoute(*Route(6));
    network.GetRoutes().RemoveRoute(*Route(5));
    while (network.GetRoutes().GetRouteCount() < 1000) {
        network.GetRoutes().AddRoute();
    }
    BuildRoutes(network);
    ASSERT_EQ(routetest::Path(*Route(1001)), "5.1>3.1>4.1");
    SetFlows();
    const CRouteNoAggFlowAggregator aggregator(group);
    EXPECT_NE(aggregator.GetKey(*Route(1001), *Lane(c3, 1)),
              aggregator.GetKey(*Route(1), *Lane(c3, 1)));
    EXPECT_EQ(Bands(Mode::None).GetCount(), 6u);
}

} // namespace
