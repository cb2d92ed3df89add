// Flow groups: the route-flow and desired-flow records of one time period, and their list.
#include "model/flow_group.h"

#include "model/network.h"
#include "model/od_movement.h"
#include "model/route.h"
#include "model/routes.h"

std::string DefaultFlowGroupDescription(std::uint32_t number)
{
    return "Flow Group " + std::to_string(number);
}

CFlowGroup::CFlowGroup(CFlowGroups* owner, std::uint32_t number, std::uint32_t id)
    : m_owner(owner), m_number(number), m_id(id), m_description(DefaultFlowGroupDescription(number))
{}

CNetwork* CFlowGroup::GetNetwork() const
{
    return m_owner ? m_owner->GetNetwork() : nullptr;
}

std::int64_t CFlowGroup::GetDuration() const
{
    const std::int64_t end = m_end > m_start ? m_end : m_end + SecondsPerDay;
    return end - m_start;
}

CRouteFlowRecord CFlowGroup::GetRouteFlowRecord(std::uint32_t routeId) const
{
    auto it = m_routeFlows.find(routeId);
    return it != m_routeFlows.end() ? it->second : CRouteFlowRecord{};
}

double CFlowGroup::GetRouteFlow(std::uint32_t routeId) const
{
    return GetRouteFlowRecord(routeId).flow;
}

bool CFlowGroup::IsLocked(std::uint32_t routeId) const
{
    return GetRouteFlowRecord(routeId).locked;
}

double CFlowGroup::GetProportion(std::uint32_t routeId) const
{
    return GetRouteFlowRecord(routeId).proportion;
}

CFlowGroup::~CFlowGroup()
{
    for (const auto& [id, record] : m_routeFlows) {
        if (record.route) {
            record.route->ForgetFlowGroup(*this);
        }
    }
    // A route that only read from this group remembers it too, without a record here; a later
    // group made at the same address must not answer from that memory.
    if (CNetwork* network = GetNetwork()) {
        for (const auto& route : network->GetRoutes().GetRoutes()) {
            static_cast<const CRoute*>(route.get())->ForgetFlowGroup(*this);
        }
    }
}

CRouteFlowRecord& CFlowGroup::Record(std::uint32_t routeId, CRoute* route)
{
    CRouteFlowRecord& record = m_routeFlows[routeId];
    if (route) {
        record.route = route;
    } else if (!record.route) {
        // A caller that only knows the id (a file reader): find the route so that its
        // remembered values can be refreshed.
        if (CNetwork* network = GetNetwork()) {
            record.route = network->GetRoutes().GetRouteById(routeId);
        }
    }
    return record;
}

void CFlowGroup::Changed(const CRouteFlowRecord& record) const
{
    if (record.route) {
        record.route->RefreshFlowCache(*this, record);
    }
}

void CFlowGroup::SetRouteFlow(std::uint32_t routeId, CRoute* route, double flow)
{
    CRouteFlowRecord& record = Record(routeId, route);
    record.flow = flow;
    Changed(record);
}

void CFlowGroup::SetLocked(std::uint32_t routeId, CRoute* route, bool locked)
{
    CRouteFlowRecord& record = Record(routeId, route);
    record.locked = locked;
    Changed(record);
}

void CFlowGroup::SetProportion(std::uint32_t routeId, CRoute* route, double proportion)
{
    CRouteFlowRecord& record = Record(routeId, route);
    record.proportion = proportion;
    Changed(record);
}

void CFlowGroup::RemoveRoute(std::uint32_t routeId)
{
    auto it = m_routeFlows.find(routeId);
    if (it == m_routeFlows.end()) {
        return;
    }
    if (it->second.route) {
        it->second.route->ForgetFlowGroup(*this);
    }
    m_routeFlows.erase(it);
}

std::int32_t CFlowGroup::GetDesiredFlow(const CODMovement* movement) const
{
    if (!movement) {
        return 0;
    }
    auto it = m_desiredFlows.find(movement->GetPairKey());
    return it != m_desiredFlows.end() ? it->second.flow : 0;
}

void CFlowGroup::SetDesiredFlow(CODMovement* movement, std::int32_t flow)
{
    if (movement) {
        m_desiredFlows[movement->GetPairKey()] = {movement, flow};
    }
}

void CFlowGroup::RemoveMovement(const CPairKey& movementKey)
{
    m_desiredFlows.erase(movementKey);
}

std::int64_t CFlowGroup::GetOriginTotal(const CZone* zone) const
{
    std::int64_t total = 0;
    for (const auto& [key, record] : m_desiredFlows) {
        if (zone && record.movement->GetOrigin() == zone) {
            total += record.flow;
        }
    }
    return total;
}

std::int64_t CFlowGroup::GetDestinationTotal(const CZone* zone) const
{
    std::int64_t total = 0;
    for (const auto& [key, record] : m_desiredFlows) {
        if (zone && record.movement->GetDestination() == zone) {
            total += record.flow;
        }
    }
    return total;
}

CFlowGroups::CFlowGroups(CNetwork* network) : m_network(network) {}

CFlowGroup* CFlowGroups::InsertFlowGroup(std::uint32_t number)
{
    if (number < 1 || number > MaxFlowGroups || GetCount() >= MaxFlowGroups) {
        return nullptr;
    }
    while (GetCount() + 1 < number) {
        InsertFlowGroup(GetCount() + 1);
    }
    auto group = std::make_unique<CFlowGroup>(this, number, m_nextId++);
    CFlowGroup* raw = group.get();
    m_groups.insert(m_groups.begin() + (number - 1), std::move(group));
    m_byId[raw->GetId()] = raw;
    Renumber();
    return raw;
}

bool CFlowGroups::RemoveFlowGroup(std::uint32_t number)
{
    CFlowGroup* group = GetFlowGroup(number);
    if (!group) {
        return false;
    }
    if (m_network && m_network->GetCurrentFlowGroup() == group) {
        m_network->SetCurrentFlowGroup(nullptr);
    }
    m_byId.erase(group->GetId());
    std::unique_ptr<CFlowGroup> doomed = std::move(m_groups[number - 1]);
    m_groups.erase(m_groups.begin() + (number - 1));
    Renumber();
    return true;
}

bool CFlowGroups::MoveFlowGroup(std::uint32_t fromNumber, std::uint32_t toNumber)
{
    if (fromNumber < 1 || fromNumber > GetCount() || toNumber < 1 || toNumber > GetCount() + 1) {
        return false;
    }
    std::unique_ptr<CFlowGroup> group = std::move(m_groups[fromNumber - 1]);
    m_groups.erase(m_groups.begin() + (fromNumber - 1));
    const std::size_t at = std::min<std::size_t>(toNumber - 1, m_groups.size());
    m_groups.insert(m_groups.begin() + static_cast<std::ptrdiff_t>(at), std::move(group));
    Renumber();
    return true;
}

void CFlowGroups::RemoveAllFlowGroups()
{
    while (GetCount() > 0) {
        RemoveFlowGroup(GetCount());
    }
}

CFlowGroup* CFlowGroups::GetFlowGroup(std::uint32_t number) const
{
    return number >= 1 && number <= GetCount() ? m_groups[number - 1].get() : nullptr;
}

CFlowGroup* CFlowGroups::GetFlowGroupById(std::uint32_t id) const
{
    auto it = m_byId.find(id);
    return it != m_byId.end() ? it->second : nullptr;
}

void CFlowGroups::RemoveRoute(std::uint32_t routeId)
{
    for (auto& group : m_groups) {
        group->RemoveRoute(routeId);
    }
}

void CFlowGroups::RemoveMovement(const CPairKey& movementKey)
{
    for (auto& group : m_groups) {
        group->RemoveMovement(movementKey);
    }
}

void CFlowGroups::Renumber()
{
    for (std::size_t i = 0; i < m_groups.size(); ++i) {
        m_groups[i]->m_number = static_cast<std::uint32_t>(i + 1);
    }
}
