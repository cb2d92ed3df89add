// Route building on generated roundabouts: one search per origin lane gives the same routes in
// the same order as searching movement by movement, fresh and after deletions.
#include "../../../bench/junction_generator.h"
#include "case_name.h"
#include "route_fixture.h"
#include "routing/route_commands.h"
#include "../graph/toy_graph.h"

#include <gtest/gtest.h>

namespace
{
using TestSupport::PrintTo;

using JunctionBench::JunctionShape;
using routetest::Paths;

// Movement by movement, lane by lane, copying the route at every step: the search as first
// written down.
void BuildPlainly(CNetwork& network)
{
    const CODMovements& movements = network.GetODMovements();
    for (const CODMovement* m = movements.First(); m; m = movements.Next(m)) {
        const CArm* entry = m->GetOrigin()->GetEntryArm();
        const CArm* exit = m->GetDestination()->GetExitArm();
        if (!entry || !exit) {
            continue;
        }
        for (std::uint32_t n = 1; n <= entry->GetLanes().GetCount(); ++n) {
            const CCapacityLane* lane = entry->GetLanes().GetLane(n);
            if (!lane->IsShort()) {
                RoutingToy::SearchPlainly(network.GetRoutes(), *lane, Routing::CEdgeRoute(), *exit);
            }
        }
    }
}

void DeleteEveryThird(CNetwork& network)
{
    for (std::uint32_t n = network.GetRoutes().GetRouteCount(); n >= 1; --n) {
        if (n % 3 == 1) {
            network.GetRoutes().RemoveRoute(n);
        }
    }
}

struct ShapeCase
{
    const char* name;
    JunctionShape shape;
    std::size_t routes;
};

class JunctionSearchTest : public ::testing::TestWithParam<ShapeCase>
{};

TEST_P(JunctionSearchTest, SameRoutesInTheSameOrderAsMovementByMovement)
{
    const ShapeCase& c = GetParam();
    CNetwork grouped;
    CNetwork plain;
    JunctionBench::MakeJunction(grouped, c.shape);
    JunctionBench::MakeJunction(plain, c.shape);

    EXPECT_EQ(BuildRoutes(grouped), c.routes);
    EXPECT_EQ(JunctionBench::CountRoutes(c.shape), c.routes);
    BuildPlainly(plain);
    ASSERT_EQ(Paths(grouped), Paths(plain));

    // Kept routes stay, the rest come back behind them in search order.
    DeleteEveryThird(grouped);
    DeleteEveryThird(plain);
    BuildRoutes(grouped);
    BuildPlainly(plain);
    EXPECT_EQ(grouped.GetRoutes().GetRouteCount(), c.routes);
    EXPECT_EQ(Paths(grouped), Paths(plain));
    EXPECT_EQ(BuildRoutes(grouped), 0u);
}

const ShapeCase kShapeCases[] = {
    {"OneLaneFlares", {3, 1, true, false, false}, 18},
    {"TwoLanesNoFlares", {3, 2, false, false, false}, 18},
    {"LaneChanges", {3, 2, true, true, false}, 153},
    {"Twin", {2, 2, true, true, true}, 450},
    {"ThreeLanes", {3, 3, true, true, false}, 813},
};

INSTANTIATE_TEST_SUITE_P(Routes, JunctionSearchTest, ::testing::ValuesIn(kShapeCases), CaseName());

TEST(JunctionGenerator, ShapesAndRefusals)
{
    CNetwork network;
    JunctionBench::MakeJunction(network, {4, 2, true, false, true});
    EXPECT_EQ(network.GetArms().GetCount(), 2u * 3u * 4u + 2u);
    EXPECT_EQ(network.GetZones().GetCount(), 8u);
    EXPECT_NE(network.GetCurrentFlowGroup(), nullptr);
    const CArm* entry = network.GetArms().GetArm(1);
    EXPECT_EQ(entry->GetKind(), ArmKind::Entry);
    EXPECT_EQ(entry->GetLanes().GetCount(), 3u);
    EXPECT_TRUE(entry->GetLanes().GetLane(1)->IsShort());
    EXPECT_EQ(network.GetArms().GetArm(2)->GetKind(), ArmKind::Exit);
    EXPECT_EQ(network.GetArms().GetArm(3)->GetKind(), ArmKind::Circulatory);
    EXPECT_THROW(JunctionBench::MakeJunction(network, {}), std::invalid_argument);
    CNetwork empty;
    EXPECT_THROW(JunctionBench::MakeJunction(empty, {1, 2}), std::invalid_argument);
    EXPECT_THROW(JunctionBench::MakeJunction(empty, {3, 0}), std::invalid_argument);
    EXPECT_THROW(JunctionBench::MakeJunction(empty, {34, 1, false}), std::invalid_argument);
    EXPECT_THROW(JunctionBench::MakeJunction(empty, {17, 1, false, false, true}),
                 std::invalid_argument);
    EXPECT_EQ(JunctionBench::MakeJunction(empty, {33, 3, false, false}).GetArms().GetCount(), 99u);
}

TEST(JunctionGenerator, PicksTheNearestSize)
{
    const JunctionShape shape = JunctionBench::ShapeForRouteCount(450);
    EXPECT_EQ(JunctionBench::CountRoutes(shape), 450u) << JunctionBench::Describe(shape);
    EXPECT_EQ(JunctionBench::Describe({4, 2, true, false, true}), "legs=4 lanes=2 flares twin");
}

} // namespace
