// The routes list of a generated report.
#include "reports/routes_report_fragment.h"

#include "model/network.h"
#include "model/zone_letter.h"
#include "reports/fragment_content.h"
#include "reports/report_source.h"

#include <functional>
#include <string>
#include <vector>

namespace
{
std::string ZoneText(const CZone* zone)
{
    return zone ? ZoneLetter(zone->GetNumber()) : std::string();
}

std::string ArmText(const CArm* arm)
{
    return arm ? arm->GetLabel() : std::string();
}

std::string LaneText(const CLane* lane)
{
    return lane ? std::to_string(lane->GetNumber()) : std::string();
}

// One column of the list: its heading and how a route's cell is filled.
struct CRoutesColumn
{
    const char* heading;
    std::function<void(CReportTableRow&, const CRoute&)> fill;
};
} // namespace

void CCarouselRoutesReportFragment::AddToReport(const CReportSource& source,
                                                CReportSection& section,
                                                const CReportDefinition&) const
{
    using namespace ReportContent;
    const CNetwork& network = source.diagram.network;
    const CFlowGroup* group = FlowGroupOrMissing(network, *this, section, "Routes List");
    if (group == nullptr)
        return;

    std::vector<CRoutesColumn> columns;
    const auto add = [&columns](bool shown, const char* heading,
                                std::function<std::string(const CRoute&)> value) {
        if (shown) {
            columns.push_back(
                {heading, [value = std::move(value)](CReportTableRow& row, const CRoute& route) {
                     AddTextCell(row, value(route));
                 }});
        }
    };
    add(m_indicateIfRouteIsPermitted, "Permitted",
        [](const CRoute& r) { return r.IsPermitted() ? "Y" : "N"; });
    add(m_showRouteNumber, "Route Num",
        [](const CRoute& r) { return std::to_string(r.GetNumber()); });
    add(m_showOriginZone, "Origin Zone",
        [](const CRoute& r) { return ZoneText(r.GetOriginZone()); });
    add(m_showOriginArm, "Origin Arm", [](const CRoute& r) { return ArmText(r.GetOriginArm()); });
    add(m_showOriginLane, "Origin Lane",
        [](const CRoute& r) { return LaneText(r.GetOriginLane()); });
    add(m_showDestinationZone, "Dest. Zone",
        [](const CRoute& r) { return ZoneText(r.GetDestinationZone()); });
    add(m_showDestinationArm, "Dest. Arm",
        [](const CRoute& r) { return ArmText(r.GetDestinationArm()); });
    add(m_showDestinationLane, "Dest Lane",
        [](const CRoute& r) { return LaneText(r.GetDestinationLane()); });
    if (m_showRouteFlow) {
        columns.push_back({"Flow", [group](CReportTableRow& row, const CRoute& route) {
                               AddTextCell(row, FormatDecimals(route.GetFlow(group), 1))
                                   .GetProperties()
                                   .paragraph.SetAlignment(ParagraphAlignment::Right);
                           }});
    }
    if (m_showFlowLockStatus) {
        columns.push_back({"Locked", [group](CReportTableRow& row, const CRoute& route) {
                               AddTextCell(row, route.IsLocked(group) ? "Locked" : "")
                                   .GetProperties()
                                   .paragraph.SetAlignment(ParagraphAlignment::Centre);
                           }});
    }

    CReportTable* list = nullptr;
    const CRoutes& routes = network.GetRoutes();
    for (std::uint32_t n = 1; n <= routes.GetRouteCount(); ++n) {
        const CRoute& route = *routes.GetRoute(n);
        if (m_showAllowedRoutesOnly && !route.IsPermitted())
            continue;
        if (list == nullptr) {
            list = &AddNestedTable(AddFragmentTable(section, *this, *group, true));
            CReportTableRow& headings = list->AddRow();
            headings.GetProperties().row.SetHeader(true);
            for (const CRoutesColumn& column : columns)
                AddTextCell(headings, column.heading);
        }
        CReportTableRow& row = list->AddRow();
        for (const CRoutesColumn& column : columns)
            column.fill(row, route);
    }
}
