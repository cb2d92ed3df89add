// Route building on generated roundabouts: one search per origin lane gives the same routes in
// the same order as searching movement by movement, fresh and after deletions, and a cancelled
// build takes back what it added.
#include "../../../bench/junction_generator.h"
#include "../graph/toy_graph.h"
#include "cancel_at_report.h"
#include "case_name.h"
#include "route_fixture.h"
#include "routing/route_commands.h"

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

// On a roundabout of four legs with every other route built, a build cancelled before it
// starts, at its first report, half-way or at its last report (when every origin has added its
// routes) takes back all it added: numbers and ids are as before.
TEST(BuildRoutesFeedback, CancelledAnywhereLeavesTheRoutesAsTheyWere)
{
    CNetwork network;
    JunctionBench::MakeJunction(network, {4, 2, true, false, false});
    std::size_t reports = 0;
    CFeedback counting([&](double) { ++reports; });
    ASSERT_TRUE(network.GetRoutes().DiscoverRoutes(&counting));
    CRoutes& routes = network.GetRoutes();
    for (std::uint32_t n = routes.GetRouteCount() / 2; n >= 1; --n)
        routes.RemoveRoute(2 * n);
    auto held = [&] {
        std::vector<std::string> all;
        for (std::uint32_t n = 1; n <= routes.GetRouteCount(); ++n) {
            const CRoute& route = *routes.GetRoute(n);
            all.push_back(std::to_string(route.GetId()) + " " + routetest::Path(route));
        }
        return all;
    };
    const std::vector<std::string> before = held();
    ASSERT_GT(reports, 3u);
    for (std::size_t at : routetest::CancelPoints(reports)) {
        routetest::CCancelAtReport cancel(at);
        EXPECT_FALSE(routes.DiscoverRoutes(&cancel.feedback)) << "at report " << at;
        EXPECT_EQ(held(), before) << "at report " << at;
    }
}

TEST(JunctionGenerator, ShapesSizesAndRefusals)
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
    for (const JunctionShape shape :
         {JunctionShape{1, 2}, JunctionShape{3, 0}, JunctionShape{34, 1, false},
          JunctionShape{17, 1, false, false, true}}) {
        CNetwork empty;
        EXPECT_THROW(JunctionBench::MakeJunction(empty, shape), std::invalid_argument);
    }
    CNetwork largest;
    EXPECT_EQ(JunctionBench::MakeJunction(largest, {33, 3, false, false}).GetArms().GetCount(),
              99u);

    const JunctionShape shape = JunctionBench::ShapeForRouteCount(450);
    EXPECT_EQ(JunctionBench::CountRoutes(shape), 450u) << JunctionBench::Describe(shape);
    EXPECT_EQ(JunctionBench::Describe({4, 2, true, false, true}), "legs=4 lanes=2 flares twin");
}

} // namespace
