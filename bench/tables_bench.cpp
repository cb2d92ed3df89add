// What the tables cost on large generated networks: the OD matrix read at every view update,
// the route list rebuilt and sorted, and a full-size CSV file read.
#include "junction_generator.h"
#include "model/zone_letter.h"
#include "routing/od_matrix_csv.h"
#include "routing/od_matrix_table.h"
#include "tables/route_list.h"

#include <benchmark/benchmark.h>
#include <string>

namespace
{

// The largest single ring the generator makes: 33 legs, so 33 zones and 99 arms.
void BM_ODMatrixTableRead(benchmark::State& state)
{
    CNetwork network;
    JunctionBench::MakeJunction(network, {33, 2, true, false, false});
    network.GetRoutes().DiscoverRoutes();
    JunctionBench::SetSampleFlows(network);
    for (auto _ : state) {
        CODMatrixTable table(network, network.GetCurrentFlowGroup());
        benchmark::DoNotOptimize(table.GetGehSummary());
    }
    state.counters["zones"] = static_cast<double>(network.GetZones().GetCount());
    state.counters["routes"] = static_cast<double>(network.GetRoutes().GetRouteCount());
}

// Rebuilt in route order, then sorted by a column: "Balancing" works out every route's coupled
// group, "Flow" only reads flows.
void BM_RouteListRebuildSorted(benchmark::State& state)
{
    CNetwork network;
    JunctionBench::MakeJunction(network, JunctionBench::ShapeForRouteCount(10000));
    network.GetRoutes().DiscoverRoutes();
    JunctionBench::SetSampleFlows(network);
    const CFlowGroup* group = network.GetCurrentFlowGroup();
    const int column = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CRouteList list;
        list.ClickHeader(column, network, group);
        list.Rebuild(network, true, group);
        benchmark::DoNotOptimize(list.GetRouteIds().data());
    }
    state.counters["routes"] = static_cast<double>(network.GetRoutes().GetRouteCount());
}

// A 99-zone matrix of five-digit flows, the largest a network holds.
void BM_ReadODMatrixCsv(benchmark::State& state)
{
    constexpr std::uint32_t zones = 99;
    std::string csv;
    for (std::uint32_t j = 1; j <= zones; ++j) {
        csv += "," + ZoneLetter(j);
    }
    csv += "\r\n";
    for (std::uint32_t i = 1; i <= zones; ++i) {
        csv += ZoneLetter(i);
        for (std::uint32_t j = 1; j <= zones; ++j) {
            csv += "," + std::to_string(10000 + i * 100 + j);
        }
        csv += "\r\n";
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadODMatrixCsv(csv, zones).edits.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(csv.size()));
}

} // namespace

BENCHMARK(BM_ODMatrixTableRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RouteListRebuildSorted)->Arg(7)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadODMatrixCsv)->Unit(benchmark::kMicrosecond);
