// The flows matrix of a generated report.
#include "reports/flows_report_fragment.h"

#include "model/network.h"
#include "model/zone_letter.h"
#include "reports/fragment_content.h"
#include "reports/report_source.h"
#include "routing/od_flow_matrix.h"

#include <vector>

namespace
{
const char* MatrixTitle(CCarouselFlowsReportFragment::FlowMatrixKind kind)
{
    switch (kind) {
    case CCarouselFlowsReportFragment::FlowMatrixKind::Actual:
        return "OD Matrix - Actual Flows";
    case CCarouselFlowsReportFragment::FlowMatrixKind::Difference:
        return "OD Matrix - Difference Flows";
    case CCarouselFlowsReportFragment::FlowMatrixKind::Desired:
        break;
    }
    return "OD Matrix - Desired Flows";
}

ODFlowKind FlowKindOf(CCarouselFlowsReportFragment::FlowMatrixKind kind)
{
    switch (kind) {
    case CCarouselFlowsReportFragment::FlowMatrixKind::Actual:
        return ODFlowKind::Actual;
    case CCarouselFlowsReportFragment::FlowMatrixKind::Difference:
        return ODFlowKind::Difference;
    case CCarouselFlowsReportFragment::FlowMatrixKind::Desired:
        break;
    }
    return ODFlowKind::Desired;
}
} // namespace

void CCarouselFlowsReportFragment::AddToReport(const CReportSource& source, CReportSection& section,
                                               const CReportDefinition&) const
{
    using namespace ReportContent;
    const CNetwork& network = source.diagram.network;
    const CFlowGroup* group = FlowGroupOrMissing(network, *this, section, "Flows Matrix");
    if (group == nullptr)
        return;
    CReportTable& outer = AddFragmentTable(section, *this, *group, true);

    std::vector<const CZone*> zones;
    for (std::uint32_t n = 1; n <= network.GetZones().GetCount(); ++n)
        zones.push_back(network.GetZones().GetZone(n));
    const CODFlowMatrix matrix(network, group);
    const ODFlowKind kind = FlowKindOf(m_matrixKind);
    const auto number = [this](double value) {
        return FormatDecimals(value, m_precision);
    };

    CReportTable& nested = AddNestedTable(outer);
    CReportTableRow& title = nested.AddRow();
    title.GetProperties().row.SetHeader(true);
    AddTextCell(title, MatrixTitle(m_matrixKind), static_cast<int>(zones.size()) + 2);

    CReportTableRow& headings = nested.AddRow();
    headings.GetProperties().row.SetHeader(true);
    AddTextCell(headings, "");
    for (const CZone* zone : zones)
        AddTextCell(headings, ZoneLetter(zone->GetNumber()));
    AddTextCell(headings, "Tot.");

    for (const CZone* origin : zones) {
        CReportTableRow& row = nested.AddRow();
        AddTextCell(row, ZoneLetter(origin->GetNumber()));
        for (const CZone* destination : zones)
            AddTextCell(row, number(matrix.GetCell(kind, *origin, *destination)));
        AddTextCell(row, number(matrix.GetOriginTotal(kind, *origin)));
    }

    CReportTableRow& totals = nested.AddRow();
    AddTextCell(totals, "Tot.");
    double sum = 0.0;
    for (const CZone* destination : zones) {
        const double total = matrix.GetDestinationTotal(kind, *destination);
        sum += total;
        AddTextCell(totals, number(total));
    }
    AddTextCell(totals, number(sum));
}
