// Drawing a large network: the bounds pass of zoom-to-fit, the metafile of the clipboard and
// reports, and the DXF export, on 99 arms of three lanes with every route and flow shown.
#include "dxf/metafile_to_dxf_converter.h"
#include "large_network.h"
#include "platform/emf_recorder.h"
#include "view/diagram_drawing.h"
#include "view/network_export.h"

#include <benchmark/benchmark.h>
#include <sstream>

namespace
{

using JunctionBench::CLargeNetwork;
using JunctionBench::Large;

void Count(benchmark::State& state, const CNetwork& network)
{
    state.counters["arms"] = network.GetArms().GetCount();
    state.counters["routes"] = static_cast<double>(network.GetRoutes().GetRouteCount());
}

enum class ERenderMode
{
    Bounds, // zoom-to-fit and the scroll range run this pass at every change
    Emf,    // a whole recording as the clipboard and reports make it: bounds, drawing, closing
};

void BM_RenderNetwork(benchmark::State& state, ERenderMode mode)
{
    CLargeNetwork& large = Large();
    CDiagramDrawing drawing(large.Source(), large.network.GetCurrentFlowGroup());
    CEmfRecorder measuring(large.measurer);
    std::size_t bytes = 0;
    for (auto _ : state) {
        if (mode == ERenderMode::Bounds) {
            CBounds bounds;
            drawing.Draw(measuring, &bounds);
            benchmark::DoNotOptimize(bounds);
        } else {
            bytes = RecordNetworkEmf(large.Source(), large.measurer).size();
        }
    }
    Count(state, large.network);
    if (mode == ERenderMode::Emf) {
        state.counters["emf_bytes"] = static_cast<double>(bytes);
    }
}

// The DXF export without the disk: recording, then converting into memory.
void BM_ExportDxf(benchmark::State& state)
{
    CLargeNetwork& large = Large();
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::ostringstream out;
        const auto emf = RecordNetworkEmf(large.Source(), large.measurer);
        CMetaFileToDxfConverter(out, emf, large.measurer).Parse();
        bytes = static_cast<std::size_t>(out.tellp());
    }
    Count(state, large.network);
    state.counters["dxf_bytes"] = static_cast<double>(bytes);
}

} // namespace

BENCHMARK_CAPTURE(BM_RenderNetwork, bounds, ERenderMode::Bounds)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RenderNetwork, emf, ERenderMode::Emf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportDxf)->Unit(benchmark::kMillisecond);
