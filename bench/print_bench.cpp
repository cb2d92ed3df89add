// Printing a large network: one whole page (title block, frame and the network fitted to it)
// recorded as a metafile, and the repaint of print layout mode with a hundred print zones.
#include "cardfile/document_data.h"
#include "junction_generator.h"
#include "model/label.h"
#include "platform/emf_recorder.h"
#include "platform/freetype_text_measurer.h"
#include "printing/frame_drawing.h"
#include "printing/page_print_plan.h"
#include "printing/print_page.h"
#include "printing/title_block.h"
#include "routing/route_commands.h"
#include "view/network_export.h"
#include "view/network_renderer.h"
#include "view/network_view_state.h"
#include "view/od_matrix_graphics.h"

#include <benchmark/benchmark.h>

namespace
{

// 99 arms of three lanes with every route, flows by OD and a hundred print pages in a grid.
struct CPrintedNetwork
{
    CPrintedNetwork()
    {
        JunctionBench::MakeJunction(data.network, {33, 3, false, false, false});
        BuildRoutes(data.network);
        JunctionBench::SetSampleFlows(data.network);
        data.laneFlows.aggregation = ELaneFlowAggregation::ByOD;
        for (int n = 0; n < CPrintPages::MaxPages; ++n) {
            CPrintPage& added = *data.printPages.AddPage();
            const int x = (n % 10) * 1200;
            const int y = (n / 10) * 1200;
            added.GetPrintZone().SetRect(x, y, x + 1000, y + 1000);
            added.GetPrintZone().SetScaleToFit(true);
            added.SetIndicateScaleOnTitleBlock(true);
        }
        page = data.printPages.GetPage(1);
        const CRect extent = DiagramBounds(Source(), data.network.GetCurrentFlowGroup(), measurer);
        page->GetPrintZone().SetRect(extent.left, extent.top, extent.right, extent.bottom);
    }
    CDiagramSource Source() const { return DiagramSourceOf(data, program, settings, true, true); }

    CDocumentData data;
    ProgramSettings program;
    NetworkSettings settings;
    CFreeTypeTextMeasurer measurer;
    CPrintPage* page = nullptr;
};

CPrintedNetwork& Printed()
{
    static CPrintedNetwork printed;
    return printed;
}

CPrinterCaps A4Landscape600()
{
    return {7016, 4961, 100, 100, 6816, 4761, 600, 600, 0, 0};
}

// A page as the print loop draws it, into a metafile in page units: the network is drawn at
// its plan units, clipped to the page's drawing rectangle.
void BM_PrintWholeNetworkPage(benchmark::State& state)
{
    CPrintedNetwork& printed = Printed();
    const CTitleBlockFacts facts{"Company",
                                 "Author",
                                 "Address",
                                 "network.crs",
                                 "Project",
                                 "Flow group",
                                 std::chrono::year_month_day{}};
    std::size_t bytes = 0;
    for (auto _ : state) {
        SetDefaultTitleBlock(*printed.page, A4Landscape600(), facts);
        const CPagePrintPlan plan = PlanPrintedPage(*printed.page, A4Landscape600());
        CEmfRecorder recorder(printed.measurer);
        DrawDrawingFrame(recorder, printed.page->GetDrawingFrame(), plan.frame);
        recorder.IntersectClipRect(plan.drawingRect);
        DrawDiagram(printed.Source(), printed.data.network.GetCurrentFlowGroup(), recorder);
        bytes = recorder.Finish().size();
    }
    state.counters["arms"] = printed.data.network.GetArms().GetCount();
    state.counters["emf_bytes"] = static_cast<double>(bytes);
}

// What print layout mode adds to a repaint: a hundred zones, one of them current.
void BM_DrawPrintZones(benchmark::State& state)
{
    CPrintedNetwork& printed = Printed();
    CNetworkViewState view;
    view.Select(ESelectionKind::PrintZone, printed.page->GetId());
    CNetworkRenderer renderer(printed.data.network, printed.data.labels, printed.data.odMatrix,
                              printed.data.printPages, printed.program, printed.settings, view);
    renderer.Switches().drawPrintPages = true;
    renderer.Switches().showSelection = true;
    for (auto _ : state) {
        CEmfRecorder recorder(printed.measurer);
        renderer.DrawPrintPages(recorder, nullptr);
        benchmark::DoNotOptimize(recorder.Finish());
    }
    state.counters["zones"] = printed.data.printPages.GetCount();
}

} // namespace

BENCHMARK(BM_PrintWholeNetworkPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawPrintZones)->Unit(benchmark::kMicrosecond);
