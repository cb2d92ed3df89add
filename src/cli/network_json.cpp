// Building the JSON of `show`.
#include "network_json.h"

#include "model/label.h"
#include "model/network.h"
#include "model/zone_letter.h"
#include "routing/flow_group_commands.h"
#include "routing/od_flow_matrix.h"
#include "model/route.h"

#include <cmath>
#include <limits>

using nlohmann::ordered_json;

const char* ArmKindName(ArmKind kind)
{
    switch (kind) {
    case ArmKind::Entry:
        return "entry";
    case ArmKind::Exit:
        return "exit";
    case ArmKind::Circulatory:
        return "circulatory";
    case ArmKind::Unconnected:
        break;
    }
    return "unconnected";
}

namespace
{

template <typename T> std::uint32_t NumberOf(const T* object)
{
    return object ? object->GetNumber() : 0;
}

std::string ZoneName(const CZone* zone)
{
    return zone ? ZoneLetter(zone->GetNumber()) : "";
}

// Flows are sums of route flows and carry the noise of binary fractions (600.0000000000001);
// nine decimals are far finer than any flow and read as the engineer means them. From 1e9 on a
// double has no nine decimals to round (and scaling it could overflow), so it stays as it is.
// JSON has no infinity: a sum that overflowed shows as the largest number of its sign, and
// one that has no value at all (overflows of both signs met) as 0.
double Rounded(double value)
{
    if (std::isnan(value)) {
        return 0.0;
    }
    if (std::isinf(value)) {
        return std::copysign(std::numeric_limits<double>::max(), value);
    }
    if (!(std::fabs(value) < 1e9)) {
        return value;
    }
    const double rounded = std::round(value * 1e9) / 1e9;
    return rounded == 0.0 ? 0.0 : rounded;
}

ordered_json LaneRef(const CLane* lane)
{
    return ordered_json::array({lane->GetArm()->GetNumber(), lane->GetNumber()});
}

ordered_json Arms(const CNetwork& network, const CFlowGroup* group)
{
    ordered_json arms = ordered_json::array();
    for (std::uint32_t a = 1; a <= network.GetArms().GetCount(); ++a) {
        const CArm* arm = network.GetArms().GetArm(a);
        ordered_json lanes = ordered_json::array();
        for (std::uint32_t n = 1; n <= arm->GetLanes().GetCount(); ++n) {
            const CCapacityLane* lane = arm->GetLanes().GetLane(n);
            lanes.push_back({{"number", n},
                             {"length", lane->GetLength()},
                             {"inflow", Rounded(lane->GetInflow(group))},
                             {"stop_line_flow", Rounded(lane->GetStopLineFlow(group))}});
        }
        arms.push_back({{"number", a},
                        {"label", arm->GetLabel()},
                        {"kind", ArmKindName(arm->GetKind())},
                        {"lanes", std::move(lanes)}});
    }
    return arms;
}

ordered_json Zones(const CNetwork& network)
{
    ordered_json zones = ordered_json::array();
    for (std::uint32_t z = 1; z <= network.GetZones().GetCount(); ++z) {
        const CZone* zone = network.GetZones().GetZone(z);
        zones.push_back({{"number", z},
                         {"name", ZoneLetter(z)},
                         {"entry_arm", NumberOf(zone->GetEntryArm())},
                         {"exit_arm", NumberOf(zone->GetExitArm())}});
    }
    return zones;
}

ordered_json Connectors(const CNetwork& network)
{
    ordered_json connectors = ordered_json::array();
    for (const CLaneConnector* c : network.GetLaneConnectors().GetConnectorsInCreationOrder()) {
        connectors.push_back({{"from_arm", c->GetFromLane()->GetArm()->GetNumber()},
                              {"from_lane", c->GetFromLane()->GetNumber()},
                              {"to_arm", c->GetToLane()->GetArm()->GetNumber()},
                              {"to_lane", c->GetToLane()->GetNumber()}});
    }
    return connectors;
}

ordered_json Routes(const CNetwork& network, const CFlowGroup* group)
{
    ordered_json routes = ordered_json::array();
    for (std::uint32_t n = 1; n <= network.GetRoutes().GetRouteCount(); ++n) {
        const CRoute* route = network.GetRoutes().GetRoute(n);
        ordered_json lanes = ordered_json::array();
        if (route->GetConnectorCount() > 0) {
            lanes.push_back(LaneRef(route->GetConnector(0)->GetFromLane()));
        }
        for (std::size_t i = 0; i < route->GetConnectorCount(); ++i) {
            lanes.push_back(LaneRef(route->GetConnector(i)->GetToLane()));
        }
        routes.push_back({{"number", n},
                          {"permitted", route->IsPermitted()},
                          {"circular", route->IsCircular()},
                          {"origin_zone", ZoneName(route->GetOriginZone())},
                          {"destination_zone", ZoneName(route->GetDestinationZone())},
                          {"lanes", std::move(lanes)},
                          {"flow", Rounded(route->GetFlow(group))},
                          {"locked", route->IsLocked(group)},
                          {"proportion", Rounded(route->GetProportion(group))},
                          {"balancing", RouteStatusText(*route, group)}});
    }
    return routes;
}

ordered_json FlowGroups(const CNetwork& network)
{
    ordered_json groups = ordered_json::array();
    for (std::uint32_t n = 1; n <= network.GetFlowGroups().GetCount(); ++n) {
        const CFlowGroup* g = network.GetFlowGroups().GetFlowGroup(n);
        groups.push_back({{"number", n},
                          {"description", g->GetDescription()},
                          {"start", FormatTimeOfDay(g->GetStart())},
                          {"end", FormatTimeOfDay(g->GetEnd())},
                          {"current", g == network.GetCurrentFlowGroup()}});
    }
    return groups;
}

// Desired flows are whole numbers and are written as such; actual and difference are sums of
// route flows.
ordered_json Value(ODFlowKind kind, double value)
{
    return kind == ODFlowKind::Desired ? ordered_json(static_cast<std::int64_t>(value))
                                       : ordered_json(Rounded(value));
}

ordered_json OdMatrix(const CNetwork& network, const CFlowGroup* group)
{
    const CZones& zones = network.GetZones();
    const CODFlowMatrix matrix(network, group);
    ordered_json od;
    ordered_json names = ordered_json::array();
    for (std::uint32_t z = 1; z <= zones.GetCount(); ++z) {
        names.push_back(ZoneLetter(z));
    }
    od["zones"] = std::move(names);
    const std::pair<const char*, ODFlowKind> kinds[] = {{"desired", ODFlowKind::Desired},
                                                        {"actual", ODFlowKind::Actual},
                                                        {"difference", ODFlowKind::Difference}};
    for (const auto& [name, kind] : kinds) {
        ordered_json rows = ordered_json::array();
        for (std::uint32_t o = 1; o <= zones.GetCount(); ++o) {
            ordered_json row = ordered_json::array();
            for (std::uint32_t d = 1; d <= zones.GetCount(); ++d) {
                row.push_back(
                    Value(kind, matrix.GetCell(kind, *zones.GetZone(o), *zones.GetZone(d))));
            }
            rows.push_back(std::move(row));
        }
        od[name] = std::move(rows);
    }
    ordered_json origins;
    ordered_json destinations;
    for (const auto& [name, kind] : kinds) {
        if (kind == ODFlowKind::Difference) {
            continue;
        }
        ordered_json o = ordered_json::array();
        ordered_json d = ordered_json::array();
        for (std::uint32_t z = 1; z <= zones.GetCount(); ++z) {
            o.push_back(Value(kind, matrix.GetOriginTotal(kind, *zones.GetZone(z))));
            d.push_back(Value(kind, matrix.GetDestinationTotal(kind, *zones.GetZone(z))));
        }
        origins[name] = std::move(o);
        destinations[name] = std::move(d);
    }
    od["origin_totals"] = std::move(origins);
    od["destination_totals"] = std::move(destinations);
    return od;
}

ordered_json CapacityAssessors(const CNetwork& network, const CFlowGroup* group)
{
    ordered_json assessors = ordered_json::array();
    for (std::uint32_t n = 1; n <= network.GetCapacityAssessors().GetCount(); ++n) {
        const CCapacityAssessor* a = network.GetCapacityAssessors().GetCapacityAssessor(n);
        assessors.push_back({{"number", n},
                             {"entry_arm", NumberOf(a->GetEntryArm())},
                             {"circulatory_arm", NumberOf(a->GetCirculatoryArm())},
                             {"threshold", a->GetThreshold()},
                             {"assessed_flow", a->GetAssessedFlow(group)},
                             {"exceeded", a->IsExceeded(group)}});
    }
    return assessors;
}

ordered_json Labels(const CLabels* labels)
{
    ordered_json list = ordered_json::array();
    for (std::uint32_t n = 1; labels && n <= labels->GetCount(); ++n) {
        list.push_back({{"number", n}, {"text", labels->GetLabel(n)->GetText()}});
    }
    return list;
}

} // namespace

ordered_json NetworkToJson(const CNetwork& network, const CLabels* labels, const CFlowGroup* group)
{
    ordered_json json;
    json["arms"] = Arms(network, group);
    json["zones"] = Zones(network);
    json["connectors"] = Connectors(network);
    json["routes"] = Routes(network, group);
    json["flow_groups"] = FlowGroups(network);
    json["od"] = OdMatrix(network, group);
    json["capacity_assessors"] = CapacityAssessors(network, group);
    json["labels"] = Labels(labels);
    return json;
}
