#include "tables/route_dialog.h"

#include "model/network.h"
#include "model/zone_letter.h"
#include "routing/flow_group_commands.h"
#include "model/route.h"
#include "model/route_flows.h"
#include "tables/dialog_text.h"

#include <algorithm>
#include <cmath>

namespace
{

std::string ZoneText(const CZone* zone)
{
    return zone != nullptr ? ZoneLetter(zone->GetNumber()) : "-";
}

std::string ArmText(const CArm* arm)
{
    return arm != nullptr ? arm->GetLabel() : "-";
}

std::string LaneText(const CLane* lane)
{
    return lane != nullptr ? FormatNumber("%i", static_cast<int>(lane->GetNumber())) : "-";
}

std::string FlowFormat(int precision)
{
    return "%." + std::to_string(precision) + "f";
}

} // namespace

CRouteFlowPageModel::CRouteFlowPageModel(const CRoute& route, const CFlowGroup& group,
                                         int flowPrecision)
    : m_precision(flowPrecision),
      m_routeText(FormatNumber("%d", static_cast<int>(route.GetNumber()))),
      m_originZone(ZoneText(route.GetOriginZone())), m_originArm(ArmText(route.GetOriginArm())),
      m_originLane(LaneText(route.GetOriginLane())),
      m_destinationZone(ZoneText(route.GetDestinationZone())),
      m_destinationArm(ArmText(route.GetDestinationArm())),
      m_destinationLane(LaneText(route.GetDestinationLane())), m_flow(route.GetFlow(&group)),
      m_locked(route.IsLocked(&group))
{
    m_flowText = FormatFlow();
}

std::string CRouteFlowPageModel::FormatFlow() const
{
    return FormatNumber(FlowFormat(m_showAll ? 5 : m_precision).c_str(), m_flow);
}

void CRouteFlowPageModel::SetFlowText(std::string text)
{
    m_flowText = std::move(text);
    const std::optional<double> flow = ParseNumber(m_flowText);
    m_textIsNumber = flow.has_value();
    if (flow) {
        m_flow = *flow;
    }
}

void CRouteFlowPageModel::SetShowAllDecimals(bool showAll)
{
    m_showAll = showAll;
    m_flowText = FormatFlow();
    m_textIsNumber = true;
}

CValidationResult CRouteFlowPageModel::Validate() const
{
    if (!m_textIsNumber || !(std::fabs(m_flow) < FlowLimit)) {
        return CValidationResult::Refuse(
            "The route flow must be a number of less than 100000 in size");
    }
    return CValidationResult::Accept();
}

CRouteCoupledFlowPageModel::CRouteCoupledFlowPageModel(const CRoute& route, const CFlowGroup& group,
                                                       int flowPrecision)
    : m_precision(flowPrecision)
{
    const CRouteCollection coupled = CoupledRoutesOf(route, &group);
    const double equal = coupled.IsEmpty() ? 0.0 : 1.0 / coupled.GetCount();
    for (const CRoute* r : coupled) {
        if (r->HasProportion(&group)) {
            m_shareEqually = false;
        }
    }
    for (const CRoute* r : coupled) {
        m_rows.push_back(
            {r->GetId(), r->GetNumber(),
             !m_shareEqually && r->HasProportion(&group) ? r->GetProportion(&group) : equal,
             r->GetFlow(&group)});
    }
}

void CRouteCoupledFlowPageModel::SetShareEqually(bool shareEqually)
{
    m_shareEqually = shareEqually;
    if (shareEqually) {
        for (CRow& row : m_rows) {
            row.proportion = 1.0 / static_cast<double>(m_rows.size());
        }
    }
}

std::string CRouteCoupledFlowPageModel::GetProportionText(std::size_t row) const
{
    return m_shareEqually ? SharedEqually : FormatNumber("%.5g", m_rows.at(row).proportion * 100.0);
}

std::string CRouteCoupledFlowPageModel::GetRouteText(std::size_t row) const
{
    return FormatNumber("%d", static_cast<int>(m_rows.at(row).routeNumber));
}

std::string CRouteCoupledFlowPageModel::GetFlowText(std::size_t row) const
{
    return FormatNumber(FlowFormat(m_precision).c_str(), m_rows.at(row).flow);
}

CValidationResult CRouteCoupledFlowPageModel::SetProportionText(std::size_t row,
                                                                std::string_view text)
{
    const std::optional<double> percent = ParseNumber(text);
    // To 1e-12 of a proportion, so that a percentage typed at a limit ("100.0001") is not
    // refused for the rounding of the division.
    const double proportion = percent ? std::round(*percent * 1e10) / 1e12 : -1.0;
    const CValidationResult accepted = ValidateCoupledProportion(proportion);
    if (accepted) {
        // The slack stays out of the model, whose proportions lie in 0..1.
        m_rows.at(row).proportion = std::clamp(proportion, 0.0, 1.0);
    }
    return accepted;
}

CValidationResult CanEditRoute(const CNetwork& network)
{
    return ValidateFlowEditAllowed(network);
}

CRouteFlowEdit RouteFlowEditOf(const CRouteFlowPageModel& flow,
                               const CRouteCoupledFlowPageModel& coupled)
{
    CRouteFlowEdit edit;
    edit.flow = flow.GetFlow();
    edit.locked = flow.IsLocked();
    edit.shareEqually = coupled.IsShareEqually();
    if (!edit.shareEqually) {
        for (const CRouteCoupledFlowPageModel::CRow& row : coupled.GetRows()) {
            edit.proportions[row.routeId] = row.proportion;
        }
    }
    return edit;
}
