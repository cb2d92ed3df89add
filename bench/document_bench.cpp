// Undo checkpoints and snapshot restores on a generated junction of about 10,000 routes.
#include "document/carousel_doc.h"
#include "junction_generator.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace
{

const ProgramSettings Program;

std::unique_ptr<CCarouselDoc> MakeDocument(std::int64_t routes, NetworkSettings& settings)
{
    auto doc = std::make_unique<CCarouselDoc>(Program, settings);
    JunctionBench::MakeJunction(
        doc->GetNetwork(), JunctionBench::ShapeForRouteCount(static_cast<std::size_t>(routes)));
    doc->GetNetwork().GetRoutes().DiscoverRoutes();
    return doc;
}

void BM_Checkpoint(benchmark::State& state)
{
    NetworkSettings settings;
    auto doc = MakeDocument(state.range(0), settings);
    for (auto _ : state)
        benchmark::DoNotOptimize(doc->Checkpoint("Move Arm"));
    // The history is full (100) after the first hundred iterations; its size is what the
    // document holds for undo.
    const double snapshotBytes = static_cast<double>(doc->SaveSnapshot().size());
    state.counters["routes"] = static_cast<double>(doc->GetNetwork().GetRoutes().GetRouteCount());
    state.counters["snapshot_bytes"] = snapshotBytes;
    state.counters["history_MB"] =
        static_cast<double>(doc->GetCheckpointCount()) * snapshotBytes / 1e6;
}

void BM_UndoRestore(benchmark::State& state)
{
    NetworkSettings settings;
    auto doc = MakeDocument(state.range(0), settings);
    const std::string snapshot = doc->SaveSnapshot();
    for (auto _ : state)
        doc->RestoreSnapshot(snapshot, 0);
    state.counters["routes"] = static_cast<double>(doc->GetNetwork().GetRoutes().GetRouteCount());
}

} // namespace

BENCHMARK(BM_Checkpoint)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoRestore)->Arg(10000)->Unit(benchmark::kMillisecond);
