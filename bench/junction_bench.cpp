// Route building and flow sums on generated roundabouts of the real network model.
#include "../tests/core/graph/toy_graph.h"
#include "junction_generator.h"
#include "routing/route_commands.h"
#include "model/route_flows.h"

#include <benchmark/benchmark.h>
#include <map>
#include <optional>

namespace
{

using JunctionBench::JunctionShape;

// Shapes are searched for once per target; the search counts routes and is not cheap.
const JunctionShape& ShapeFor(std::int64_t target)
{
    static std::map<std::int64_t, JunctionShape> shapes;
    auto it = shapes.find(target);
    if (it == shapes.end()) {
        it = shapes
                 .emplace(target,
                          JunctionBench::ShapeForRouteCount(static_cast<std::size_t>(target)))
                 .first;
    }
    return it->second;
}

// The search as first written down: the route copied at every step and a found route compared
// with every route held. The rest of "Build Routes" is the same as the model's.
std::size_t BuildRoutesOneByOne(CNetwork& network, CFeedback* /*feedback*/)
{
    CRoutes& routes = network.GetRoutes();
    const std::size_t before = routes.GetCount();
    {
        CArmKindFreeze freeze(network.GetArms());
        const CODMovements& movements = network.GetODMovements();
        for (const CODMovement* movement = movements.First(); movement;
             movement = movements.Next(movement)) {
            const CArm* entry = movement->GetOrigin()->GetEntryArm();
            const CArm* exit = movement->GetDestination()->GetExitArm();
            if (!entry || !exit) {
                continue;
            }
            for (std::uint32_t n = 1; n <= entry->GetLanes().GetCount(); ++n) {
                const CCapacityLane* lane = entry->GetLanes().GetLane(n);
                if (!lane->IsShort()) {
                    RoutingToy::SearchPlainly(routes, *lane, Routing::CEdgeRoute(), *exit);
                }
            }
        }
    }
    routes.RefreshInFilterFlags();
    NormaliseAllArms(network);
    return routes.GetCount() - before;
}

template <auto Build> void BuildOnJunction(benchmark::State& state)
{
    const JunctionShape& shape = ShapeFor(state.range(0));
    CNetwork network;
    JunctionBench::MakeJunction(network, shape);
    std::size_t built = 0;
    for (auto _ : state) {
        // A build that stopped at the most routes a file holds counts none.
        built = std::optional<std::size_t>(Build(network, nullptr)).value_or(0);
        state.PauseTiming(); // taking the routes down again is not part of building them
        network.GetRoutes().RemoveAllRoutes();
        state.ResumeTiming();
    }
    state.counters["routes"] = static_cast<double>(built);
    state.SetLabel(JunctionBench::Describe(shape));
}

void BM_BuildRoutes(benchmark::State& state)
{
    BuildOnJunction<BuildRoutes>(state);
}

void BM_BuildRoutesOneByOne(benchmark::State& state)
{
    BuildOnJunction<BuildRoutesOneByOne>(state);
}

// A built junction with flows, for the flow benchmarks.
struct CFlowJunction
{
    explicit CFlowJunction(std::int64_t target)
    {
        JunctionBench::MakeJunction(network, ShapeFor(target));
        BuildRoutes(network);
        JunctionBench::SetSampleFlows(network);
        CFlowGroup* group = network.GetCurrentFlowGroup();
        // Some proportions to normalise and some locks to skip.
        for (std::uint32_t n = 1; n <= network.GetRoutes().GetRouteCount(); n += 3) {
            network.GetRoutes().GetRoute(n)->SetProportion(group, 0.25);
        }
        for (std::uint32_t n = 2; n <= network.GetRoutes().GetRouteCount(); n += 11) {
            network.GetRoutes().GetRoute(n)->SetLocked(group, true);
        }
    }
    CNetwork network;
};

void BM_NormaliseAllArms(benchmark::State& state)
{
    CFlowJunction junction(state.range(0));
    for (auto _ : state) {
        NormaliseAllArms(junction.network);
    }
    state.counters["routes"] = static_cast<double>(junction.network.GetRoutes().GetCount());
}

// Stop-line and inflow measures of every lane of every arm: what drawing the lane flows and the
// capacity assessors reads on every repaint.
void BM_StopLineFlows(benchmark::State& state)
{
    CFlowJunction junction(state.range(0));
    const CFlowGroup* group = junction.network.GetCurrentFlowGroup();
    const CArms& arms = junction.network.GetArms();
    for (auto _ : state) {
        double total = 0.0;
        for (std::uint32_t a = 1; a <= arms.GetCount(); ++a) {
            const CCapLanes& lanes = arms.GetArm(a)->GetLanes();
            for (std::uint32_t n = 1; n <= lanes.GetCount(); ++n) {
                total += lanes.GetLane(n)->GetStopLineFlow(group);
                total += lanes.GetLane(n)->GetInflow(group);
            }
        }
        benchmark::DoNotOptimize(total);
    }
    state.counters["routes"] = static_cast<double>(junction.network.GetRoutes().GetCount());
}

// The shape nearest 100000 has 112,574 routes, more than a network file holds: that run times
// the search stopping at the limit and the routes it had added going again.
BENCHMARK(BM_BuildRoutes)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(60000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
// One by one is quadratic in the routes held: kept to sizes that finish in seconds.
BENCHMARK(BM_BuildRoutesOneByOne)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NormaliseAllArms)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StopLineFlows)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
