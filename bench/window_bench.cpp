// Opening a generated junction of about 10,000 routes into a window with its network view, as
// File Open does: read the file, make the view, fit the drawing in and paint it once.
#include "bench_application.h"
#include "document/carousel_doc.h"
#include "junction_generator.h"
#include "view/network_view.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace
{

// A network file in the temporary folder, removed at the end of the benchmark.
struct CBenchFile
{
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / "gyrolith_window_bench.crs";
    ~CBenchFile() { std::filesystem::remove(path); }
};

void BM_OpenNetworkWindow(benchmark::State& state)
{
    JunctionBench::Application();
    const ProgramSettings program;
    NetworkSettings settings;
    const CBenchFile file;
    std::size_t routes = 0;
    {
        CCarouselDoc source(program, settings);
        JunctionBench::MakeJunction(
            source.GetNetwork(),
            JunctionBench::ShapeForRouteCount(static_cast<std::size_t>(state.range(0))));
        source.GetNetwork().GetRoutes().DiscoverRoutes();
        JunctionBench::SetSampleFlows(source.GetNetwork());
        routes = source.GetNetwork().GetRoutes().GetRouteCount();
        if (!source.OnSaveDocument(file.path)) {
            state.SkipWithError("cannot write the network file");
            return;
        }
    }
    for (auto _ : state) {
        CCarouselDoc document(program, settings);
        if (!document.OnOpenDocument(file.path)) {
            state.SkipWithError("cannot read the network file");
            return;
        }
        CNetworkView view(document);
        view.resize(1600, 900);
        view.show();
        view.ZoomToFit();
        view.viewport()->repaint();
        benchmark::DoNotOptimize(view.GetZoom());
        state.PauseTiming();
        view.hide();
        state.ResumeTiming();
    }
    state.counters["routes"] = static_cast<double>(routes);
}

} // namespace

BENCHMARK(BM_OpenNetworkWindow)->Arg(10000)->Unit(benchmark::kMillisecond);
