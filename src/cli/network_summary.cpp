// Building the text of `summary`.
#include "network_summary.h"

#include "model/network.h"
#include "model/zone_letter.h"
#include "network_json.h"
#include "routing/flow_group_commands.h"
#include "routing/od_flow_matrix.h"
#include "model/route.h"
#include "text_table.h"

#include <charconv>
#include <cmath>
#include <map>
#include <utility>

namespace
{
using Align = CTextTable::Align;

std::string Counted(std::size_t count, const std::string& what)
{
    return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

// One decimal, as the flows views show them; a value no person would type (a damaged file's)
// in scientific form rather than as hundreds of digits.
std::string Flow(double value)
{
    char text[64];
    const bool plain = std::fabs(value) < 1e12;
    const auto result =
        plain ? std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1)
              : std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 3);
    std::string flow(text, result.ptr);
    return flow == "-0.0" ? "0.0" : flow;
}

// Zone names down the left, numbers right-aligned under the zone names across.
std::vector<Align> ZoneMatrixAlign(std::size_t columns)
{
    std::vector<Align> align(columns, Align::Right);
    align[0] = Align::Left;
    return align;
}

std::string ArmName(const CArm* arm)
{
    return arm ? arm->GetLabel() : "-";
}

std::string Header(const CNetwork& network, const CFlowGroup* group)
{
    const CRoutes& routes = network.GetRoutes();
    std::size_t permitted = 0;
    for (std::uint32_t n = 1; n <= routes.GetRouteCount(); ++n) {
        permitted += routes.GetRoute(n)->IsPermitted() ? 1 : 0;
    }
    const CFlowGroups& groups = network.GetFlowGroups();
    std::string text =
        Counted(network.GetArms().GetCount(), "arm") + ", " +
        Counted(network.GetZones().GetCount(), "zone") + ", " +
        Counted(network.GetLaneConnectors().GetConnectorsInCreationOrder().size(),
                "lane connector") +
        ", " + Counted(routes.GetRouteCount(), "route") + " (" + std::to_string(permitted) +
        " permitted), " + Counted(groups.GetCount(), "flow group") + ", " +
        Counted(network.GetCapacityAssessors().GetCount(), "capacity assessor") + "\n";
    if (group == nullptr) {
        return text + "No flow group chosen: every flow reads 0\n";
    }
    return text + "Flows of flow group " + std::to_string(group->GetNumber()) + " of " +
           std::to_string(groups.GetCount()) + ": " + group->GetDescription() + ", " +
           FormatTimeOfDay(group->GetStart()) + " to " + FormatTimeOfDay(group->GetEnd()) + "\n";
}

std::string Arms(const CNetwork& network, const CFlowGroup* group)
{
    CTextTable table({"Arm", "Label", "Kind", "Lane lengths", "Stop-line flows"},
                     {Align::Right, Align::Left, Align::Left, Align::Left, Align::Left});
    const CArms& arms = network.GetArms();
    for (std::uint32_t a = 1; a <= arms.GetCount(); ++a) {
        const CArm* arm = arms.GetArm(a);
        std::string lengths;
        std::string flows;
        for (std::uint32_t n = 1; n <= arm->GetLanes().GetCount(); ++n) {
            const CCapacityLane* lane = arm->GetLanes().GetLane(n);
            const std::string separator = n > 1 ? " " : "";
            lengths += separator + (lane->IsShort() ? std::to_string(lane->GetLength()) : "long");
            flows += separator + Flow(lane->GetStopLineFlow(group));
        }
        table.AddRow(
            {std::to_string(a), arm->GetLabel(), ArmKindName(arm->GetKind()), lengths, flows});
    }
    return "Arms (lanes from the left; lengths in PCU, long: infinitely long)\n" + table.Format();
}

std::string Zones(const CNetwork& network)
{
    CTextTable table({"Zone", "Entry arm", "Exit arm"}, {Align::Left, Align::Left, Align::Left});
    const CZones& zones = network.GetZones();
    for (std::uint32_t z = 1; z <= zones.GetCount(); ++z) {
        const CZone* zone = zones.GetZone(z);
        table.AddRow({ZoneLetter(z), ArmName(zone->GetEntryArm()), ArmName(zone->GetExitArm())});
    }
    return "Zones\n" + table.Format();
}

std::string Matrix(const CNetwork& network, const CFlowGroup* group, ODFlowKind kind,
                   const std::string& title)
{
    const CZones& zones = network.GetZones();
    const CODFlowMatrix matrix(network, group);
    // Desired flows are whole numbers as entered.
    const auto cell = [kind](double value) {
        return kind == ODFlowKind::Desired ? std::to_string(static_cast<long long>(value))
                                           : Flow(value);
    };
    std::vector<std::string> header{"From \\ to"};
    for (std::uint32_t d = 1; d <= zones.GetCount(); ++d) {
        header.push_back(ZoneLetter(d));
    }
    header.push_back("Total");
    CTextTable table(header, ZoneMatrixAlign(header.size()));
    std::vector<std::string> totals{"Total"};
    double all = 0.0;
    for (std::uint32_t z = 1; z <= zones.GetCount(); ++z) {
        const CZone& zone = *zones.GetZone(z);
        std::vector<std::string> row{ZoneLetter(z)};
        for (std::uint32_t d = 1; d <= zones.GetCount(); ++d) {
            row.push_back(cell(matrix.GetCell(kind, zone, *zones.GetZone(d))));
        }
        const double originTotal = matrix.GetOriginTotal(kind, zone);
        all += originTotal;
        row.push_back(cell(originTotal));
        table.AddRow(std::move(row));
        totals.push_back(cell(matrix.GetDestinationTotal(kind, zone)));
    }
    totals.push_back(cell(all));
    table.AddRow(std::move(totals));
    return title + "\n" + table.Format();
}

std::string CapacityAssessors(const CNetwork& network, const CFlowGroup* group)
{
    CTextTable table(
        {"Assessor", "Entry arm", "Circulatory arm", "Threshold", "Assessed flow", "Margin", ""},
        {Align::Right, Align::Left, Align::Left, Align::Right, Align::Right, Align::Right,
         Align::Left});
    const CCapacityAssessors& assessors = network.GetCapacityAssessors();
    for (std::uint32_t n = 1; n <= assessors.GetCount(); ++n) {
        const CCapacityAssessor* a = assessors.GetCapacityAssessor(n);
        const std::int64_t assessed = a->GetAssessedFlow(group);
        table.AddRow({std::to_string(n), ArmName(a->GetEntryArm()), ArmName(a->GetCirculatoryArm()),
                      std::to_string(a->GetThreshold()), std::to_string(assessed),
                      std::to_string(a->GetThreshold() - assessed),
                      a->IsExceeded(group) ? "exceeded" : ""});
    }
    return "Capacity assessors (margin: threshold less assessed flow)\n" + table.Format();
}

std::string RoutesByOD(const CNetwork& network)
{
    // (origin, destination) -> (permitted, all)
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::pair<std::size_t, std::size_t>> counts;
    const CRoutes& routes = network.GetRoutes();
    for (std::uint32_t n = 1; n <= routes.GetRouteCount(); ++n) {
        const CRoute* route = routes.GetRoute(n);
        const CZone* origin = route->GetOriginZone();
        const CZone* destination = route->GetDestinationZone();
        if (origin == nullptr || destination == nullptr) {
            continue;
        }
        auto& [permitted, all] = counts[{origin->GetNumber(), destination->GetNumber()}];
        permitted += route->IsPermitted() ? 1 : 0;
        ++all;
    }
    const std::uint32_t zones = network.GetZones().GetCount();
    std::vector<std::string> header{"From \\ to"};
    for (std::uint32_t d = 1; d <= zones; ++d) {
        header.push_back(ZoneLetter(d));
    }
    CTextTable table(header, ZoneMatrixAlign(header.size()));
    for (std::uint32_t o = 1; o <= zones; ++o) {
        std::vector<std::string> row{ZoneLetter(o)};
        for (std::uint32_t d = 1; d <= zones; ++d) {
            const auto found = counts.find({o, d});
            row.push_back(found == counts.end() ? "-"
                                                : std::to_string(found->second.first) + "/" +
                                                      std::to_string(found->second.second));
        }
        table.AddRow(std::move(row));
    }
    return "Routes by origin and destination (permitted/all)\n" + table.Format();
}

} // namespace

std::string NetworkSummary(const CNetwork& network, const CFlowGroup* group)
{
    std::string text = Header(network, group);
    if (network.GetArms().GetCount() > 0) {
        text += "\n" + Arms(network, group);
    }
    if (network.GetZones().GetCount() > 0) {
        text += "\n" + Zones(network);
        text += "\n" + Matrix(network, group, ODFlowKind::Desired, "Desired flows");
        text += "\n" + Matrix(network, group, ODFlowKind::Actual, "Actual flows");
        text +=
            "\n" + Matrix(network, group, ODFlowKind::Difference, "Difference (actual - desired)");
        text += "\n" + RoutesByOD(network);
    }
    if (network.GetCapacityAssessors().GetCount() > 0) {
        text += "\n" + CapacityAssessors(network, group);
    }
    return text;
}
