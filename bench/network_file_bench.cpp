// Saving and loading the network file of a generated junction of about 10,000 routes with flows.
#include "cardfile/card_writer_file.h"
#include "cardfile/carousel_file.h"
#include "junction_generator.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <memory>

namespace
{

std::unique_ptr<CDocumentData> MakeDocument(std::int64_t routes)
{
    auto doc = std::make_unique<CDocumentData>();
    JunctionBench::MakeJunction(
        doc->network, JunctionBench::ShapeForRouteCount(static_cast<std::size_t>(routes)));
    doc->network.GetRoutes().DiscoverRoutes();
    JunctionBench::SetSampleFlows(doc->network);
    return doc;
}

// A file in the temporary folder, removed at the end of the benchmark.
struct CTempFile
{
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / "gyrolith_network_file_bench.crs";
    ~CTempFile() { std::filesystem::remove(path); }
};

// Writes the file as saving does, without the flush to the disk and the rename, which time the
// disk rather than the writer.
void Save(const CDocumentData& doc, const NetworkSettings& settings,
          const std::filesystem::path& path)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    CCardWriterFile writer(out);
    CCarouselFileWriterV1(doc, writer, settings).Write(false);
}

void Count(benchmark::State& state, const CDocumentData& doc, const std::filesystem::path& path)
{
    state.counters["routes"] = static_cast<double>(doc.network.GetRoutes().GetRouteCount());
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(path));
}

void BM_SaveNetwork(benchmark::State& state)
{
    const NetworkSettings settings;
    const auto doc = MakeDocument(state.range(0));
    const CTempFile file;
    for (auto _ : state) {
        Save(*doc, settings, file.path);
    }
    Count(state, *doc, file.path);
}

void BM_LoadNetwork(benchmark::State& state)
{
    NetworkSettings settings;
    const auto doc = MakeDocument(state.range(0));
    const CTempFile file;
    Save(*doc, settings, file.path);
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadNetworkFile(file.path, settings));
    }
    Count(state, *doc, file.path);
}

} // namespace

BENCHMARK(BM_SaveNetwork)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadNetwork)->Arg(10000)->Unit(benchmark::kMillisecond);
