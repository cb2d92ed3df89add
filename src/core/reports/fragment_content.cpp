// Shared pieces of fragment content.
#include "reports/fragment_content.h"

#include "model/network.h"
#include "reports/flow_group_report_fragment_component.h"
#include "reports/report_fragment.h"
#include "routing/flow_group_commands.h"

#include <charconv>
#include <cmath>

namespace ReportContent
{
const CFlowGroup* FlowGroupOrMissing(const CNetwork& network,
                                     const CCarouselFlowGroupReportFragmentComponent& fragment,
                                     CReportSection& section, const std::string& what)
{
    const CFlowGroup* group = network.GetFlowGroups().GetFlowGroupById(fragment.GetFlowGroupId());
    if (group == nullptr)
        section.AddParagraph("FlowGroup not specified for " + what);
    return group;
}

namespace
{
void AddCaptionRow(CReportTable& table, std::string text, bool header)
{
    CReportTableRow& row = table.AddRow();
    if (header)
        row.GetProperties().row.SetHeader(true);
    CReportTableCell& cell = AddTextCell(row, std::move(text));
    cell.GetProperties().paragraph.SetAlignment(ParagraphAlignment::Centre);
}
} // namespace

CReportTable& AddFragmentTable(CReportSection& section, const CReportFragment& fragment,
                               const CFlowGroup& group, bool headerRows)
{
    CReportTable& table = section.AddTable();
    table.GetProperties().paragraph.SetAlignment(ParagraphAlignment::Centre);
    if (fragment.GetShowFragmentName())
        AddCaptionRow(table, fragment.GetName(), headerRows);
    const auto* flows = dynamic_cast<const CCarouselFlowGroupReportFragmentComponent*>(&fragment);
    if (flows && flows->GetShowFlowGroupDescription()) {
        AddCaptionRow(table,
                      group.GetDescription() + " : " + FormatTimeOfDay(group.GetStart()) + " - " +
                          FormatTimeOfDay(group.GetEnd()),
                      headerRows);
    }
    return table;
}

CReportTable& AddNestedTable(CReportTable& outer)
{
    CReportTable& nested = outer.AddRow().AddCell().AddTable();
    nested.GetProperties().paragraph.SetAlignment(ParagraphAlignment::Centre);
    return nested;
}

CReportTableCell& AddTextCell(CReportTableRow& row, std::string text, int columnSpan)
{
    CReportTableCell& cell = row.AddCell(columnSpan, 1);
    cell.AddParagraph(std::move(text));
    return cell;
}

std::string FormatDecimals(double value, int decimals)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    // to_chars writes as printf does in the "C" locale, whatever locale the program runs in.
    char digits[400];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    return std::string(digits, result.ptr);
}
} // namespace ReportContent
