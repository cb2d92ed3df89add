// Generating a report of every fragment type (header, footer, network diagram, flows matrix
// and routes list) on a generated junction of about 10,000 routes, as Save writes it.
#include "junction_generator.h"
#include "model/label.h"
#include "platform/freetype_text_measurer.h"
#include "printing/print_page.h"
#include "reports/flows_report_fragment.h"
#include "reports/header_footer_report_fragment.h"
#include "reports/network_diagram_report_fragment.h"
#include "reports/report_definition.h"
#include "reports/report_generator.h"
#include "reports/report_source.h"
#include "reports/routes_report_fragment.h"
#include "routing/route_commands.h"
#include "view/od_matrix_graphics.h"

#include <benchmark/benchmark.h>
#include <set>
#include <sstream>

namespace
{

void BM_GenerateReport(benchmark::State& state)
{
    CNetwork network;
    JunctionBench::MakeJunction(
        network, JunctionBench::ShapeForRouteCount(static_cast<std::size_t>(state.range(0))));
    BuildRoutes(network);
    JunctionBench::SetSampleFlows(network);
    CLabels labels;
    CPrintPages pages;

    CReportDefinitions reports;
    CReportDefinition& report = *reports.AppendDefinition();
    CReportFragments& fragments = report.GetFragments();
    const std::uint32_t group = network.GetCurrentFlowGroup()->GetId();
    for (const ReportFragmentType type :
         {ReportFragmentType::Header, ReportFragmentType::Footer,
          ReportFragmentType::NetworkDiagram, ReportFragmentType::FlowsMatrix,
          ReportFragmentType::RoutesList}) {
        CReportFragment* fragment = fragments.AddFragment(type, fragments.GetCount() + 1);
        if (auto* flows = dynamic_cast<CCarouselFlowGroupReportFragmentComponent*>(fragment))
            flows->SetFlowGroupId(group);
    }
    auto& header = dynamic_cast<CHeaderFooterReportFragment&>(*fragments.GetFragment(1));
    header.SetShowFileName(true);
    header.SetShowDate(true);
    header.SetShowPageNumber(true);
    // Lane flows by OD in the diagram: every lane carries a text per origin.
    dynamic_cast<CCarouselNetworkDiagramReportFragment&>(*fragments.GetFragment(3))
        .SetAggregation(ELaneFlowAggregation::ByOD);

    const CFreeTypeTextMeasurer measurer;
    const CODMatrixGraphics odMatrix;
    const ProgramSettings program;
    const NetworkSettings settings;
    // Every member named: GCC at -O3 took the defaulted route set for uninitialised.
    const CDiagramSource diagram{network,
                                 labels,
                                 pages,
                                 odMatrix,
                                 CDiagramSettings{},
                                 program,
                                 settings,
                                 std::set<std::uint32_t>{}};
    const CReportSource source{diagram, "/bench/junction.crs", measurer};
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::ostringstream out;
        CReportGenerator(report, source).Generate(out);
        bytes = out.str().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["routes"] = static_cast<double>(network.GetRoutes().GetRouteCount());
    state.counters["zones"] = network.GetZones().GetCount();
    state.counters["rtf_MB"] = static_cast<double>(bytes) / 1e6;
}

} // namespace

BENCHMARK(BM_GenerateReport)->Arg(10000)->Unit(benchmark::kMillisecond);
