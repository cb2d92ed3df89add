// Balancing every entry arm and banding lane flows on a generated junction of about 10,000
// routes, the size the balance commands must handle behind the wait cursor.
#include "junction_generator.h"
#include "routing/lane_flow_balancer.h"
#include "routing/route_aggregator.h"
#include "routing/route_commands.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace
{

// One network for all runs: building routes is measured elsewhere and is slow.
CNetwork& Junction()
{
    static std::unique_ptr<CNetwork> network = [] {
        auto made = std::make_unique<CNetwork>();
        JunctionBench::MakeJunction(*made, JunctionBench::ShapeForRouteCount(10000));
        BuildRoutes(*made);
        JunctionBench::SetSampleFlows(*made);
        return made;
    }();
    return *network;
}

void BM_BalanceAllArms(benchmark::State& state)
{
    CNetwork& network = Junction();
    CFlowGroup* group = network.GetCurrentFlowGroup();
    std::size_t arms = 0;
    for (auto _ : state) {
        arms = BalanceLaneFlowsOnAllArms(network, group);
        benchmark::DoNotOptimize(arms);
    }
    state.counters["routes"] = static_cast<double>(network.GetRoutes().GetRouteCount());
    state.counters["entry_arms"] = static_cast<double>(arms);
    state.SetLabel(JunctionBench::Describe(JunctionBench::ShapeForRouteCount(10000)));
}
BENCHMARK(BM_BalanceAllArms)->Unit(benchmark::kMillisecond);

// Every lane of the junction banded once per run, in the given aggregation mode.
void BM_AggregateLane(benchmark::State& state)
{
    CNetwork& network = Junction();
    const auto aggregator = CreateRouteAggregator(static_cast<ELaneFlowAggregation>(state.range(0)),
                                                  network.GetCurrentFlowGroup());
    std::size_t lanes = 0;
    for (auto _ : state) {
        lanes = 0;
        for (std::uint32_t a = 1; a <= network.GetArms().GetCount(); ++a) {
            const CCapLanes& armLanes = network.GetArms().GetArm(a)->GetLanes();
            for (std::uint32_t n = 1; n <= armLanes.GetCount(); ++n, ++lanes) {
                CNumList bands =
                    AggregateLane(*aggregator, *armLanes.GetLane(n), ELaneFlowColouring::ByOrigin,
                                  AggregatePermittedOnly);
                benchmark::DoNotOptimize(bands);
            }
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * lanes));
}
BENCHMARK(BM_AggregateLane)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

} // namespace
