// Routes: their connectors, derived ends, flows and the records that follow them.
#include "model/route.h"

#include "model/capacity_lane.h"
#include "model/network.h"
#include "model/route_flows.h"
#include "model/route_status_notifyer.h"
#include "model/routes.h"

#include <cstdio>
#include <set>
#include <stdexcept>
#include <typeinfo>

namespace
{

CCapacityLane* AsCapacityLane(CLane* lane)
{
    return static_cast<CCapacityLane*>(lane);
}

} // namespace

CRoute::CRoute(CRoutes* owner, std::uint32_t id, std::uint32_t number)
    : Routing::CEdgeRoute(), Routing::CDiscoveredRoute(owner, id, number)
{}

CRoute::~CRoute()
{
    for (Routing::CRouteableEdge* edge : GetEdges()) {
        AsConnector(edge)->GetRoutes().Remove(this);
    }
    if (CNetwork* network = GetNetwork()) {
        network->GetFlowGroups().RemoveRoute(GetId());
    }
}

CRoutes* CRoute::GetRoutes() const
{
    return static_cast<CRoutes*>(GetOwner());
}

CNetwork* CRoute::GetNetwork() const
{
    CRoutes* routes = GetRoutes();
    return routes ? routes->GetNetwork() : nullptr;
}

void CRoute::OnEdgeAdded(Routing::CRouteableEdge* edge)
{
    // typeid first: an exact match is one comparison, and it is what every route holds.
    if (!edge || (typeid(*edge) != typeid(CCarouselLaneConnector) &&
                  !dynamic_cast<CCarouselLaneConnector*>(edge))) {
        throw std::logic_error("A route of the network holds lane connectors only");
    }
    AsConnector(edge)->GetRoutes().Add(this);
    m_laneExitsKnown = false;
}

void CRoute::OnEdgeRemoved(Routing::CRouteableEdge* edge)
{
    m_laneExitsKnown = false;
    // An edit may pass the same connector twice; keep the link while the route still uses it.
    for (Routing::CRouteableEdge* held : GetEdges()) {
        if (held == edge) {
            return;
        }
    }
    AsConnector(edge)->GetRoutes().Remove(this);
}

void CRoute::BuildLaneExits() const
{
    m_laneExits.clear();
    m_laneExits.reserve(GetConnectorCount());
    std::uint32_t steps = 0;
    for (Routing::CRouteableEdge* edge : GetEdges()) {
        const CCarouselLaneConnector* connector = AsConnector(edge);
        m_laneExits.push_back({connector->GetFromLane(), steps});
        if (!connector->IsLaneChange()) {
            ++steps;
        }
    }
    m_stepCount = steps;
    m_originArm = IsEmpty() ? nullptr : AsCapacityLane(GetConnector(0)->GetFromLane())->GetArm();
    m_destinationArm =
        IsEmpty() ? nullptr : AsCapacityLane(GetConnector(GetLength() - 1)->GetToLane())->GetArm();
    m_laneExitsKnown = true;
}

CCapacityLane* CRoute::GetOriginLane() const
{
    return IsEmpty() ? nullptr : AsCapacityLane(GetConnector(0)->GetFromLane());
}

CCapacityLane* CRoute::GetDestinationLane() const
{
    return IsEmpty() ? nullptr : AsCapacityLane(GetConnector(GetLength() - 1)->GetToLane());
}

CArm* CRoute::GetOriginArm() const
{
    if (!m_laneExitsKnown) {
        BuildLaneExits();
    }
    return m_originArm;
}

CArm* CRoute::GetDestinationArm() const
{
    if (!m_laneExitsKnown) {
        BuildLaneExits();
    }
    return m_destinationArm;
}

CZone* CRoute::GetOriginZone() const
{
    CArm* arm = GetOriginArm();
    return arm ? arm->GetZone() : nullptr;
}

CZone* CRoute::GetDestinationZone() const
{
    CArm* arm = GetDestinationArm();
    return arm ? arm->GetZone() : nullptr;
}

CCapacityLane* CRoute::GetOriginStopLineLane() const
{
    const CArm* arm = GetOriginArm();
    for (std::size_t i = 0; i < GetLength(); ++i) {
        const CCarouselLaneConnector* connector = GetConnector(i);
        if (!(connector->IsLaneChange() && connector->GetToLane()->GetArm() == arm)) {
            return AsCapacityLane(connector->GetFromLane());
        }
    }
    return nullptr;
}

CCapacityLane* CRoute::GetDestinationStopLineLane() const
{
    const CArm* arm = GetDestinationArm();
    for (std::size_t i = GetLength(); i-- > 0;) {
        const CCarouselLaneConnector* connector = GetConnector(i);
        if (connector->GetFromLane()->GetArm() != arm) {
            return AsCapacityLane(connector->GetToLane());
        }
    }
    return nullptr;
}

bool CRoute::IsCircular() const
{
    std::set<std::uint32_t> seen;
    auto visit = [&seen](const CLane* lane) {
        return !lane->IsShort() && !seen.insert(lane->GetArm()->GetId()).second;
    };
    for (std::size_t i = 0; i < GetLength(); ++i) {
        if (visit(GetConnector(i)->GetFromLane())) {
            return true;
        }
    }
    const CLane* last = GetDestinationLane();
    return last && visit(last);
}

void CRoute::SetPermitted(bool permitted)
{
    m_permitted = permitted;
    if (CNetwork* network = GetNetwork()) {
        CFlowGroups& groups = network->GetFlowGroups();
        for (std::uint32_t n = 1; n <= groups.GetCount(); ++n) {
            CFlowGroup* group = groups.GetFlowGroup(n);
            if (!permitted) {
                group->SetRouteFlow(GetId(), this, 0.0);
                SetLocked(group, false);
                group->SetProportion(GetId(), this, -1.0);
            }
            if (CArm* arm = GetOriginArm()) {
                NormaliseProportionsOnArm(*arm, group);
            }
        }
    }
    if (CRouteStatusChangeNotifyer* notifyer = GetRouteStatusChangeNotifyer()) {
        notifyer->RouteChanged(*this);
    }
}

const CRouteFlowRecord& CRoute::Cached(const CFlowGroup& group) const
{
    if (m_cachedGroup != &group) {
        m_cachedRecord = group.GetRouteFlowRecord(GetId());
        m_cachedGroup = &group;
    }
    return m_cachedRecord;
}

void CRoute::RefreshFlowCache(const CFlowGroup& group, const CRouteFlowRecord& record) const
{
    m_cachedGroup = &group;
    m_cachedRecord = record;
}

void CRoute::ForgetFlowGroup(const CFlowGroup& group) const
{
    if (m_cachedGroup == &group) {
        m_cachedGroup = nullptr;
    }
}

double CRoute::GetFlow(const CFlowGroup* group) const
{
    return group ? Cached(*group).flow : 0.0;
}

bool CRoute::IsLocked(const CFlowGroup* group) const
{
    return group && Cached(*group).locked;
}

double CRoute::GetProportion(const CFlowGroup* group) const
{
    return group ? Cached(*group).proportion : -1.0;
}

bool CRoute::HasProportion(const CFlowGroup* group) const
{
    return IsProportion(GetProportion(group));
}

void CRoute::SetFlow(CFlowGroup* group, double flow)
{
    if (group) {
        group->SetRouteFlow(GetId(), this, m_permitted ? flow : 0.0);
    }
}

void CRoute::ScaleFlow(CFlowGroup* group, double factor)
{
    SetFlow(group, GetFlow(group) * factor);
}

void CRoute::SetProportion(CFlowGroup* group, double proportion)
{
    if (group) {
        group->SetProportion(GetId(), this, proportion);
    }
}

void CRoute::SetLocked(CFlowGroup* group, bool locked)
{
    if (!group) {
        return;
    }
    group->SetLocked(GetId(), this, locked);
    if (locked) {
        group->SetProportion(GetId(), this, -1.0);
    }
    if (CArm* arm = GetOriginArm()) {
        NormaliseProportionsOnArm(*arm, group);
    }
}

std::string RouteStatusText(const CRoute& route, const CFlowGroup* group)
{
    if (!group) {
        return {};
    }
    if (route.IsLocked(group)) {
        return "Locked";
    }
    const CCapacityLane* lane = route.GetOriginLane();
    if (!lane) {
        return {};
    }
    const CRouteCollection coupled = lane->GetCoupledGroup(group, route.GetDestinationZone());
    if (!coupled.Contains(&route) || coupled.GetCount() < 2) {
        return {};
    }
    bool anyProportion = false;
    for (const CRoute* member : coupled) {
        anyProportion = anyProportion || member->HasProportion(group);
    }
    std::string text = anyProportion ? "Shared between routes" : "Shared equally between Routes";
    char part[64];
    for (const CRoute* member : coupled) {
        if (anyProportion) {
            std::snprintf(part, sizeof part, " %u(%.0f%%)", member->GetNumber(),
                          member->GetProportion(group) * 100.0);
        } else {
            std::snprintf(part, sizeof part, " %u", member->GetNumber());
        }
        text += part;
    }
    return text;
}
