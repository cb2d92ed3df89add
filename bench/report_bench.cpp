// Generating a report of every fragment type (header, footer, network diagram, flows matrix
// and routes list) on a generated junction of about 10,000 routes, as Save writes it, and as
// Save As PDF writes it.
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

#ifdef GYROLITH_BENCH_QT
#include "bench_application.h"
#include "reports/report_document.h"
#include "reports/report_pdf_writer.h"

#include <QBuffer>
#endif

#include <benchmark/benchmark.h>
#include <set>
#include <sstream>

namespace
{

// A generated junction of about the given number of routes with sample flows, and a report of
// every fragment type on it.
struct CBenchReport
{
    explicit CBenchReport(std::size_t routes)
    {
        JunctionBench::MakeJunction(network, JunctionBench::ShapeForRouteCount(routes));
        BuildRoutes(network);
        JunctionBench::SetSampleFlows(network);
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
    }
    CBenchReport(const CBenchReport&) = delete;
    CBenchReport& operator=(const CBenchReport&) = delete;

    CNetwork network;
    CLabels labels;
    CPrintPages pages;
    CReportDefinitions reports;
    CReportDefinition& report = *reports.AppendDefinition();
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
};

void BM_GenerateReport(benchmark::State& state)
{
    const CBenchReport bench(static_cast<std::size_t>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::ostringstream out;
        CReportGenerator(bench.report, bench.source).Generate(out);
        bytes = out.str().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["routes"] = static_cast<double>(bench.network.GetRoutes().GetRouteCount());
    state.counters["zones"] = bench.network.GetZones().GetCount();
    state.counters["rtf_MB"] = static_cast<double>(bytes) / 1e6;
}

#ifdef GYROLITH_BENCH_QT
// The same report laid out and written as PDF, as Save As PDF writes it.
void BM_WriteReportPdf(benchmark::State& state)
{
    JunctionBench::Application();
    const CBenchReport bench(static_cast<std::size_t>(state.range(0)));
    std::size_t bytes = 0;
    int pages = 0;
    for (auto _ : state) {
        const std::unique_ptr<CReportDocument> document =
            CReportGenerator(bench.report, bench.source).Build();
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        pages = CReportPdfWriter(*document, bench.measurer, QDateTime::fromSecsSinceEpoch(0))
                    .Write(out, "bench");
        bytes = static_cast<std::size_t>(out.data().size());
    }
    state.counters["pages"] = pages;
    state.counters["pdf_MB"] = static_cast<double>(bytes) / 1e6;
}
#endif

} // namespace

BENCHMARK(BM_GenerateReport)->Arg(10000)->Unit(benchmark::kMillisecond);
#ifdef GYROLITH_BENCH_QT
BENCHMARK(BM_WriteReportPdf)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
#endif
