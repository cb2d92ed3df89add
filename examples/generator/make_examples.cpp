// gyrolith-make-examples DIR: writes the sample networks roundabout.crs and crossroads.crs,
// each with a report of every fragment type.
#include "cardfile/carousel_file.h"
#include "example_networks.h"
#include "reports/flows_report_fragment.h"
#include "reports/header_footer_report_fragment.h"
#include "reports/network_diagram_report_fragment.h"
#include "reports/routes_report_fragment.h"

#include <exception>
#include <filesystem>
#include <iostream>

namespace
{

template <typename T> T& Add(CReportDefinition& report, ReportFragmentType type)
{
    CReportFragments& fragments = report.GetFragments();
    return dynamic_cast<T&>(*fragments.AddFragment(type, fragments.GetCount() + 1));
}

// A report of every fragment type: a header with the title, file name, date and page number, a
// footer with the time, the flows matrix, the routes list and the diagram.
CReportDefinition& AddReport(CDocumentData& document, const char* title, PaperSize paper)
{
    CReportDefinition& report = *document.reportDefinitions.AppendDefinition();
    report.SetTitle(title);
    report.SetPaperSize(paper);
    auto& header = Add<CHeaderFooterReportFragment>(report, ReportFragmentType::Header);
    header.SetShowFileName(true);
    header.SetShowDate(true);
    header.SetShowPageNumber(true);
    auto& footer = Add<CHeaderFooterReportFragment>(report, ReportFragmentType::Footer);
    footer.SetShowTitle(false);
    footer.SetShowDate(true);
    footer.SetShowTime(true);
    const std::uint32_t group = document.network.GetCurrentFlowGroup()->GetId();
    Add<CCarouselNetworkDiagramReportFragment>(report, ReportFragmentType::NetworkDiagram)
        .SetFlowGroupId(group);
    auto& matrix = Add<CCarouselFlowsReportFragment>(report, ReportFragmentType::FlowsMatrix);
    matrix.SetFlowGroupId(group);
    matrix.SetMatrixKind(CCarouselFlowsReportFragment::FlowMatrixKind::Actual);
    Add<CCarouselRoutesReportFragment>(report, ReportFragmentType::RoutesList)
        .SetFlowGroupId(group);
    return report;
}

// Two print pages: the ring alone on a landscape page at half size, its scale on a title block
// at the right; the whole junction with its OD matrix fitted to a portrait page above a title
// block at the bottom.
void AddRoundaboutPrintPages(CDocumentData& document)
{
    CPrintPage& ring = *document.printPages.AddPage();
    ring.GetPrintZone().SetRect(4300, 4500, 7700, 7500);
    ring.GetPrintZone().SetScale(0.5);
    ring.SetPageTitle("The ring");
    ring.SetIndicateScaleOnTitleBlock(true);

    CPrintPage& whole = *document.printPages.AddPage();
    whole.GetPrintZone().SetRect(1800, 1500, 11300, 10200);
    whole.GetPrintZone().SetScaleToFit(true);
    whole.SetLandscape(false);
    whole.SetTitleBlockPosition(TitleBlockPosition::Bottom);
    whole.SetPageTitle("The whole junction");
    whole.SetIndicateScaleOnTitleBlock(true);
}

// The roundabout's report on A4, with the ring alone on a landscape page at the end: clipped
// to print page 1's zone, drawn at its own scale.
void AddRoundaboutReport(CDocumentData& document)
{
    AddRoundaboutPrintPages(document);
    CReportDefinition& report = AddReport(document, "Four-arm roundabout: AM Peak", PaperSize::A4);
    auto& ring =
        Add<CCarouselNetworkDiagramReportFragment>(report, ReportFragmentType::NetworkDiagram);
    ring.SetName("The ring");
    ring.SetFlowGroupId(document.network.GetCurrentFlowGroup()->GetId());
    ring.SetLandscape(true);
    ring.SetPrintZone(1);
    ring.SetScale(40);
}

// The crossroads' report on A3, its routes list on landscape pages.
void AddCrossroadsReport(CDocumentData& document)
{
    CReportDefinition& report =
        AddReport(document, "Signalised crossroads: AM Peak", PaperSize::A3);
    report.GetFragments().GetFragment(5)->SetLandscape(true);
}

void Write(const std::filesystem::path& path, void (*build)(CNetwork&), const char* title,
           void (*addReport)(CDocumentData&))
{
    CDocumentData document;
    build(document.network);
    addReport(document);
    document.project.title = title;
    CLabel* label = document.labels.InsertLabel(1);
    label->SetText(title);
    label->SetSegment({2000.0, 1700.0}, {5000.0, 1700.0});
    // Lane flows in bands by OD and the OD matrix beside the junction, as a user would set
    // the display for a picture of the flows.
    document.laneFlows.aggregation = ELaneFlowAggregation::ByOD;
    document.odMatrixShown = true;
    document.odMatrix.SetPosition(10400, 2000);
    SaveNetworkFile(path, document, NetworkSettings{});
    std::cout << path.string() << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: gyrolith-make-examples DIR\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    try {
        Write(dir / "roundabout.crs", BuildRoundaboutExample, "Four-arm roundabout",
              AddRoundaboutReport);
        Write(dir / "crossroads.crs", BuildCrossroadsExample, "Signalised crossroads",
              AddCrossroadsReport);
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
