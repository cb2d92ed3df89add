#include "view/network_view_state.h"

#include "model/capacity_lane.h"
#include "model/route.h"
#include "view/colour_category.h"

#include <algorithm>

namespace
{

std::uint64_t ConnectorKey(const CLaneConnector& connector)
{
    return (static_cast<std::uint64_t>(connector.GetFromLane()->GetLaneId()) << 32) |
           connector.GetToLane()->GetLaneId();
}

template <typename Key> int Cached(std::unordered_map<Key, int>& cache, Key key, auto compute)
{
    const auto [it, inserted] = cache.try_emplace(key, 0);
    if (inserted) {
        it->second = compute();
    }
    return it->second;
}

} // namespace

CNetworkViewState::CNetworkViewState(CNetworkViewStates& document)
    : m_owner(&document), m_routes(document.m_selectedRoutes)
{
    document.m_states.push_back(this);
}

CNetworkViewState::~CNetworkViewState()
{
    if (m_owner != nullptr) {
        std::erase(m_owner->m_states, this);
    }
}

void CNetworkViewState::InvalidateSelected()
{
    if (!m_rules.showSelection) {
        return;
    }
    // By id: a selected lane may have gone already.
    for (const std::uint32_t id : m_lanes.GetLaneIds()) {
        m_laneCategories.erase(id);
    }
    if (m_kind == ESelectionKind::Connector) {
        m_connectorCategories.erase(m_selectedConnector);
    }
}

void CNetworkViewState::ClearSelection()
{
    InvalidateSelected();
    m_kind = ESelectionKind::None;
    m_selectedId = 0;
    m_selectedConnector = 0;
    m_lanes.Clear();
}

void CNetworkViewState::Select(ESelectionKind kind, std::uint32_t id)
{
    ClearSelection();
    if (kind == ESelectionKind::Lanes || kind == ESelectionKind::Connector) {
        return; // those are selected by object
    }
    m_kind = kind;
    m_selectedId = kind == ESelectionKind::ODMatrix ? 0 : id;
}

void CNetworkViewState::SelectLane(CCapacityLane& lane)
{
    ClearSelection();
    ToggleLane(lane);
}

bool CNetworkViewState::ToggleLane(CCapacityLane& lane)
{
    if (m_kind != ESelectionKind::Lanes) {
        ClearSelection();
    }
    m_laneCategories.erase(lane.GetLaneId());
    const bool added = m_lanes.Toggle(lane);
    m_kind = m_lanes.IsEmpty() ? ESelectionKind::None : ESelectionKind::Lanes;
    return added;
}

void CNetworkViewState::SelectConnector(const CCarouselLaneConnector& connector)
{
    ClearSelection();
    m_kind = ESelectionKind::Connector;
    m_selectedConnector = ConnectorKey(connector);
    InvalidateSelected();
}

bool CNetworkViewState::IsSelected(ESelectionKind kind, std::uint32_t id) const
{
    return m_kind == kind && (kind == ESelectionKind::ODMatrix || m_selectedId == id);
}

bool CNetworkViewState::IsLaneSelected(const CCapacityLane& lane) const
{
    return m_lanes.Contains(lane);
}

bool CNetworkViewState::IsConnectorSelected(const CCarouselLaneConnector& connector) const
{
    return m_kind == ESelectionKind::Connector && m_selectedConnector == ConnectorKey(connector);
}

void CNetworkViewState::SetSelectedRoutes(const std::set<std::uint32_t>& routeIds)
{
    if (routeIds == m_routes) {
        return;
    }
    m_routes = routeIds;
    // Categories cached without showing selected routes do not depend on them.
    if (m_rules.showSelectedRoute) {
        InvalidateCategories();
    }
}

void CNetworkViewState::SetCategoryRules(const CCategoryRules& rules)
{
    if (rules != m_rules) {
        m_rules = rules;
        InvalidateCategories();
    }
}

int CNetworkViewState::LaneCategory(const CCapacityLane& lane)
{
    return Cached(m_laneCategories, lane.GetLaneId(),
                  [&] { return ComputeLaneCategory(lane, *this); });
}

int CNetworkViewState::ConnectorCategory(const CCarouselLaneConnector& connector)
{
    return Cached(m_connectorCategories, ConnectorKey(connector),
                  [&] { return ComputeConnectorCategory(connector, *this); });
}

void CNetworkViewState::InvalidateRoute(const CRoute& route)
{
    for (std::size_t i = 0; i < route.GetConnectorCount(); ++i) {
        const CCarouselLaneConnector* c = route.GetConnector(i);
        m_connectorCategories.erase(ConnectorKey(*c));
        m_laneCategories.erase(c->GetFromLane()->GetLaneId());
        m_laneCategories.erase(c->GetToLane()->GetLaneId());
    }
}

void CNetworkViewState::InvalidateCategories()
{
    m_laneCategories.clear();
    m_connectorCategories.clear();
}

void CNetworkViewState::ForgetObjects()
{
    ClearSelection();
    m_routes.clear();
    InvalidateCategories();
}

CNetworkViewStates::~CNetworkViewStates()
{
    for (CNetworkViewState* state : m_states) {
        state->m_owner = nullptr;
    }
}

void CNetworkViewStates::RouteChanged(const CRoute& route) const
{
    for (CNetworkViewState* state : m_states) {
        state->InvalidateRoute(route);
    }
}

void CNetworkViewStates::InvalidateCategories() const
{
    for (CNetworkViewState* state : m_states) {
        state->InvalidateCategories();
    }
}

void CNetworkViewStates::ForgetObjects()
{
    m_selectedRoutes.clear();
    for (CNetworkViewState* state : m_states) {
        state->ForgetObjects();
    }
}

void CNetworkViewStates::MirrorSelectedRoutes(const std::set<std::uint32_t>& routeIds)
{
    m_selectedRoutes = routeIds;
    for (CNetworkViewState* state : m_states) {
        state->SetSelectedRoutes(routeIds);
    }
}
