// Drawing a large network: the bounds pass of zoom-to-fit, the metafile of the clipboard and
// reports, and the DXF export, on 99 arms of three lanes with every route and flow shown.
#include "dxf/metafile_to_dxf_converter.h"
#include "junction_generator.h"
#include "model/label.h"
#include "platform/emf_recorder.h"
#include "platform/freetype_text_measurer.h"
#include "printing/print_page.h"
#include "routing/lane_data_source.h"
#include "routing/route_commands.h"
#include "view/network_export.h"
#include "view/network_renderer.h"
#include "view/network_view_state.h"
#include "view/od_matrix_graphics.h"

#include <benchmark/benchmark.h>
#include <sstream>

namespace
{

// 33 legs of three long lanes: 99 arms, 33 zones, one route per zone pair and entry lane.
struct CLargeNetwork
{
    CLargeNetwork()
    {
        JunctionBench::MakeJunction(network, {33, 3, false, false, false});
        BuildRoutes(network);
        JunctionBench::SetSampleFlows(network);
        // Every layer and text there is: the OD matrix, lane flows by OD, each in its colour.
        settings.odMatrixShown = true;
        odMatrix.SetPosition(12000, 0);
        settings.laneFlowAggregation = 0;
        settings.highlightFilteredRoutes = true;
        settings.permittedOnly = true;
    }
    CDiagramSource Source()
    {
        return {network, labels, printPages, odMatrix, settings, program, networkSettings};
    }

    CNetwork network;
    CLabels labels;
    CPrintPages printPages;
    CODMatrixGraphics odMatrix;
    CDiagramSettings settings;
    ProgramSettings program;
    NetworkSettings networkSettings;
    CFreeTypeTextMeasurer measurer;
};

CLargeNetwork& Large()
{
    static CLargeNetwork large;
    return large;
}

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
    const CLaneDataActualFlow actualFlows;
    CNetworkViewState view;
    CNetworkRenderer renderer(large.network, large.labels, large.odMatrix, large.printPages,
                              large.program, large.networkSettings, view);
    renderer.SetFlowGroup(large.network.GetCurrentFlowGroup());
    renderer.SetLaneDataSource(&actualFlows);
    renderer.Switches() = DiagramSwitches(large.settings);
    CEmfRecorder measuring(large.measurer);
    std::size_t bytes = 0;
    for (auto _ : state) {
        if (mode == ERenderMode::Bounds) {
            CBounds bounds;
            renderer.Draw(measuring, &bounds);
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
