// The network diagram of a generated report.
#include "reports/network_diagram_report_fragment.h"

#include "model/network.h"
#include "printing/print_page.h"
#include "reports/fragment_content.h"
#include "reports/report_source.h"

#include <optional>

void CCarouselNetworkDiagramReportFragment::AddToReport(const CReportSource& source,
                                                        CReportSection& section,
                                                        const CReportDefinition&) const
{
    using namespace ReportContent;
    const CFlowGroup* group =
        FlowGroupOrMissing(source.diagram.network, *this, section, "Network Diagram");
    if (group == nullptr)
        return;
    CReportTable& outer = AddFragmentTable(section, *this, *group, false);
    CReportParagraph& holder = outer.AddRow().AddCell().AddParagraph();
    holder.GetProperties().paragraph.SetAlignment(ParagraphAlignment::Centre);

    // The document's drawing with this fragment's lane flows and highlighting; the document's
    // own settings are copied, never changed.
    CDiagramSource diagram = source.diagram;
    diagram.settings.laneFlows = m_laneFlows;
    diagram.settings.highlightFilteredRoutes = m_highlightFilteredRoutes;
    diagram.settings.highlightSelectedRoute = m_highlightSelectedRoutes;
    std::optional<CRect> clip;
    if (const CPrintPage* page = diagram.printPages.GetPage(m_printZone)) {
        const CPrintZone& zone = page->GetPrintZone();
        clip = CRect{zone.GetLeft(), zone.GetTop(), zone.GetRight(), zone.GetBottom()};
    }
    CReportDataEnhancedMetafile& picture = holder.AddPicture(
        RecordNetworkEmf(diagram, group, clip, source.measurer, "Network Diagram Metafile"));

    // Any scale below 1 (a damaged file can hold one) fits the page width like -1 does.
    if (m_scale < 1)
        picture.GetProperties().picture.SetFit(true, false);
    else
        picture.GetProperties().picture.SetScale(m_scale, m_scale);
}
