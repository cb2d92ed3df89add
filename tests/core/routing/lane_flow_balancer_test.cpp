// Balancing route flows on an entry arm: worked cases, locks, proportions and the commands.
#include "case_name.h"
#include "graph/feedback.h"
#include "model/route_flows.h"
#include "route_fixture.h"
#include "routing/lane_flow_balancer.h"
#include "routing/od_flow_matrix.h"
#include "routing/route_commands.h"

#include <gtest/gtest.h>

namespace
{
using TestSupport::PrintTo;

using namespace routetest;

class CBalance : public CJunction
{
protected:
    void Desire(CZone* destination, std::int32_t flow)
    {
        group->SetDesiredFlow(network.GetODMovements().Find(origin, destination), flow);
    }
    // Only zone 2's exit stays connected: routes 1 (lane 1) and 2 (lane 2) go to it.
    void OneDestination()
    {
        network.GetLaneConnectors().RemoveConnector(Find(circ, 1, exitB, 1));
        BuildRoutes(network);
        ASSERT_EQ(Paths(network), (std::vector<std::string>{"1.1>2.1>3.1", "1.2>2.1>3.1"}));
    }
    double Flow(std::uint32_t route) { return Route(route)->GetFlow(group); }
    bool BalanceEntry() { return BalanceLaneFlowsOnArm(*entry, group); }
    // A new layout: entry arm 1 (one lane) reaches zone 2 over either lane of a two-lane
    // circulatory arm, so routes 1 and 2 leave the same lane for the same destination.
    CArm* TwoRoutesFromOneLane()
    {
        network.GetArms().DeleteAllArms();
        built.Arms({1, 2, 1}).Connect("1.1>2.1>3.1 1.1>2.2>3.1");
        EXPECT_TRUE(origin->SetEntryArm(built.Arm(1)));
        EXPECT_TRUE(destA->SetExitArm(built.Arm(3)));
        BuildRoutes(network);
        EXPECT_EQ(network.GetRoutes().GetRouteCount(), 2u);
        return built.Arm(1);
    }
};

// No iterations change nothing, a run cancelled between iterations writes nothing back, and one
// iteration of the lane step alone would give 300/300, which the destination step keeps.
TEST_F(CBalance, IterationsAndCancelling)
{
    OneDestination();
    Desire(destA, 600);
    Route(1)->SetFlow(group, 10.0);
    Route(2)->SetFlow(group, 30.0);
    CLaneFlowBalancer balancer(*entry, group);
    EXPECT_TRUE(balancer.Balance(0));
    EXPECT_TRUE(balancer.Balance(-5));
    EXPECT_EQ(Flow(1), 10.0);
    EXPECT_EQ(Flow(2), 30.0);

    balancer.Distribute();
    const std::pair distributed(Flow(1), Flow(2));
    CFeedback halfWay([&](double percent) {
        if (percent >= 50.0)
            halfWay.Cancel();
    });
    EXPECT_FALSE(balancer.Balance(100, &halfWay));
    EXPECT_EQ(std::pair(Flow(1), Flow(2)), distributed);
    EXPECT_EQ(halfWay.GetProgress(), 50.0);

    EXPECT_TRUE(balancer.Balance(1));
    EXPECT_NEAR(Flow(1), 300.0, 1e-9);
    EXPECT_NEAR(Flow(2), 300.0, 1e-9);
}

// A locked lane drops out and the other takes the rest; a not permitted route stays at zero and
// its lane counts as locked.
TEST_F(CBalance, LockedOrNotPermittedLaneLeavesTheRestToTheOther)
{
    OneDestination();
    Desire(destA, 600);
    Route(1)->SetFlow(group, 400.0);
    Route(1)->SetLocked(group, true);
    BalanceEntry();
    EXPECT_EQ(Flow(1), 400.0);
    EXPECT_NEAR(Flow(2), 200.0, 1e-9);

    Route(1)->SetLocked(group, false);
    Route(2)->SetPermitted(false);
    BalanceEntry();
    EXPECT_EQ(Flow(2), 0.0);
    EXPECT_NEAR(Flow(1), 600.0, 1e-9);
}

// Routes 1, 2 go to zone 2 from lanes 1, 2; routes 3, 4 go to zone 3. A zero flow means
// practically zero.
struct SpreadCase
{
    const char* name;
    std::int32_t toA;
    std::int32_t toB; // -1: no desired flow set
    double locked3;   // a locked flow on route 3, or 0
    std::vector<double> flows;
};

class SpreadTest : public CBalance, public ::testing::WithParamInterface<SpreadCase>
{};

TEST_P(SpreadTest, OverTwoLanesAndTwoDestinations)
{
    const SpreadCase& c = GetParam();
    BuildRoutes(network);
    Desire(destA, c.toA);
    if (c.toB >= 0) {
        Desire(destB, c.toB);
    }
    if (c.locked3 > 0) {
        Route(3)->SetFlow(group, c.locked3);
        Route(3)->SetLocked(group, true);
    }
    EXPECT_TRUE(BalanceEntry());
    for (std::uint32_t n = 1; n <= 4; ++n) {
        EXPECT_GE(Flow(n), 0.0) << "route " << n;
        EXPECT_NEAR(Flow(n), c.flows[n - 1], 1e-6) << "route " << n;
    }
}

const SpreadCase kSpreadCases[] = {
    {"TwoDestinations", 600, 200, 0, {300, 300, 100, 100}},
    {"DestinationWithoutDesiredFlowIsDrivenToZero", 600, 0, 0, {300, 300, 0, 0}},
    // Lane 1 carries a locked 500 to zone 3, which wants nothing; with 600 to share its target
    // is 300, so its unlocked route is squeezed to zero and lane 2 gets the last 100.
    {"LockedFlowAboveTheLaneTargetSqueezesItsLane", 600, -1, 500, {0, 600, 500, 0}},
};

INSTANTIATE_TEST_SUITE_P(Balance, SpreadTest, ::testing::ValuesIn(kSpreadCases), CaseName());

TEST_F(CBalance, DestinationTotalsWinWhenLanesCannotBeEqual)
{
    // Lane 1 reaches only zone 2, lane 2 both: 100 to zone 2 and 700 to zone 3 cannot give
    // equal lanes, and the destination step, which runs last, holds the OD flows.
    BuildRoutes(network);
    ASSERT_TRUE(DeleteRoute(network, *Route(3))); // 1.1 to zone 3
    Desire(destA, 100);
    Desire(destB, 700);
    BalanceEntry();
    EXPECT_NEAR(Flow(1) + Flow(2), 100.0, 1e-6);
    EXPECT_NEAR(Flow(3), 700.0, 1e-6); // 1.2 to zone 3, renumbered
    EXPECT_GT(Flow(1), Flow(2));
}

// Routes of one coupled group keep their ratio; a locked one keeps its flow.
TEST_F(CBalance, CoupledProportionsAndLocks)
{
    CArm* in = TwoRoutesFromOneLane();
    Route(1)->SetProportion(group, 0.25);
    Route(2)->SetProportion(group, 0.75);
    NormaliseProportionsOnArm(*in, group);
    Desire(destA, 800);
    EXPECT_TRUE(BalanceLaneFlowsOnArm(*in, group));
    EXPECT_NEAR(Flow(1), 200.0, 1e-9);
    EXPECT_NEAR(Flow(2), 600.0, 1e-9);

    Route(2)->SetFlow(group, 150.0);
    Route(2)->SetLocked(group, true);
    Desire(destA, 500);
    BalanceLaneFlowsOnArm(*in, group);
    EXPECT_EQ(Flow(2), 150.0);
    EXPECT_NEAR(Flow(1), 350.0, 1e-9);
}

TEST_F(CBalance, DistributeResetsWeightsAndCountsLockedRoutes)
{
    CArm* in = TwoRoutesFromOneLane();
    Route(1)->SetFlow(group, 77.0);
    Route(2)->SetFlow(group, 40.0);
    Route(2)->SetLocked(group, true);
    CLaneFlowBalancer balancer(*in, group);
    balancer.Distribute();
    EXPECT_EQ(Flow(1), 0.5); // 1/n, the locked route counted in n
    EXPECT_EQ(Flow(2), 40.0);
    Route(2)->SetLocked(group, false);
    Route(1)->SetProportion(group, 0.2);
    Route(2)->SetProportion(group, 0.8);
    balancer.Distribute();
    EXPECT_EQ(Flow(1), 0.2);
    EXPECT_EQ(Flow(2), 0.8);
}

TEST_F(CBalance, ArmsThatDoNotQualifyOrNoFlowGroupChangeNothing)
{
    BuildRoutes(network);
    Desire(destA, 600);
    for (std::uint32_t n = 1; n <= 4; ++n) {
        Route(n)->SetFlow(group, 5.0 * n);
    }
    CArm* feeder = AddArm(network, 1); // an Entry arm without a zone
    Connect(feeder, 1, circ, 1);
    ASSERT_EQ(feeder->GetKind(), ArmKind::Entry);
    EXPECT_FALSE(IsBalanceableArm(*feeder));
    EXPECT_FALSE(BalanceLaneFlowsOnArm(*feeder, group));
    EXPECT_FALSE(BalanceLaneFlowsOnArm(*exitA, group));
    EXPECT_FALSE(BalanceLaneFlowsOnArm(*circ, group));
    EXPECT_TRUE(IsBalanceableArm(*entry));
    EXPECT_TRUE(BalanceLaneFlowsOnArm(*entry, nullptr));
    EXPECT_EQ(BalanceLaneFlowsOnAllArms(network, nullptr), 1u);
    for (std::uint32_t n = 1; n <= 4; ++n) {
        EXPECT_EQ(Flow(n), 5.0 * n);
    }
}

TEST_F(CBalance, AllArmsBalancesEveryEntryArmWithAZone)
{
    // A second origin zone enters by its own arm onto the circulatory lane.
    CArm* second = AddArm(network, 1);
    Connect(second, 1, circ, 1);
    CZone* other = network.GetZones().InsertZone(4);
    ASSERT_TRUE(other->SetEntryArm(second));
    BuildRoutes(network);
    Desire(destA, 600);
    group->SetDesiredFlow(network.GetODMovements().Find(other, destB), 250);
    EXPECT_EQ(BalanceLaneFlowsOnAllArms(network, group), 2u);
    EXPECT_NEAR(ArmStopLineFlowTo(second, group, destB), 250.0, 1e-6);
    EXPECT_NEAR(ArmStopLineFlowTo(entry, group, destA), 600.0, 1e-6);
    EXPECT_NEAR(ArmStopLineFlow(second, group), 250.0, 1e-6);
}

} // namespace
