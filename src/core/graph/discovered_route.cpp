// The numbered route collection and its index of edge lists.
#include "graph/discovered_route.h"

#include <algorithm>
#include <stdexcept>

namespace Routing
{

CDiscoveredRoute::CDiscoveredRoute(CDiscoveredRoutes* owner, std::uint32_t id, std::uint32_t number)
    : m_owner(owner), m_id(id), m_number(number)
{}

void CDiscoveredRoute::OnEdgeListChanged()
{
    if (m_owner != nullptr)
        m_owner->RouteEdgesChanged(*this);
}

CDiscoveredRoutes::~CDiscoveredRoutes()
{
    RemoveAllRoutes();
}

std::unique_ptr<CDiscoveredRoute>
CDiscoveredRoutes::CreateRoute(CDiscoveredRoutes* owner, std::uint32_t id, std::uint32_t number)
{
    return std::make_unique<CDiscoveredRoute>(owner, id, number);
}

CDiscoveredRoute* CDiscoveredRoutes::AddNewRoute()
{
    const auto number = static_cast<std::uint32_t>(m_routes.size() + 1);
    const std::uint32_t id = m_nextId++;
    std::unique_ptr<CDiscoveredRoute> route = CreateRoute(this, id, number);
    if (!route || route->m_owner != this || route->m_id != id || route->m_number != number)
        throw std::logic_error("CreateRoute made a route that does not belong here");
    CDiscoveredRoute* added = route.get();
    m_routes.push_back(std::move(route));
    m_byId.emplace(id, added);
    MarkStale(*added);
    return added;
}

bool CDiscoveredRoutes::RemoveRoute(std::uint32_t number)
{
    if (number < 1 || number > m_routes.size())
        return false;
    const auto at = m_routes.begin() + static_cast<std::ptrdiff_t>(number - 1);
    std::unique_ptr<CDiscoveredRoute> route = std::move(*at);
    Unindex(*route);
    m_byId.erase(route->m_id);
    m_routes.erase(at);
    route.reset();
    for (std::size_t i = number - 1; i < m_routes.size(); ++i)
        --m_routes[i]->m_number;
    return true;
}

std::size_t CDiscoveredRoutes::RemoveRoutes(std::span<CDiscoveredRoute* const> routes)
{
    std::vector<std::uint32_t> numbers;
    numbers.reserve(routes.size());
    for (const CDiscoveredRoute* route : routes) {
        if (route != nullptr && GetRouteByNumber(route->m_number) == route)
            numbers.push_back(route->m_number);
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    if (numbers.empty())
        return 0;
    // Destroy while every number is still right (collections ordered by number look routes up
    // by it), highest first so that lists ordered by number shrink from their end.
    for (auto it = numbers.rbegin(); it != numbers.rend(); ++it) {
        std::unique_ptr<CDiscoveredRoute>& slot = m_routes[*it - 1];
        Unindex(*slot);
        m_byId.erase(slot->m_id);
        slot.reset();
    }
    std::erase(m_routes, nullptr);
    for (std::size_t i = numbers.front() - 1; i < m_routes.size(); ++i)
        m_routes[i]->m_number = static_cast<std::uint32_t>(i + 1);
    return numbers.size();
}

void CDiscoveredRoutes::RemoveAllRoutes()
{
    BeforeRemoveAllRoutes();
    // Taking every route out first and then destroying them in number order gives what removing
    // route 1 again and again gives, without renumbering the rest each time.
    std::vector<std::unique_ptr<CDiscoveredRoute>> routes = std::move(m_routes);
    m_routes.clear();
    m_byId.clear();
    m_index.clear();
    m_stale.clear();
    for (auto& route : routes) {
        route->m_indexState = CDiscoveredRoute::EIndexState::Detached;
        route.reset();
    }
}

bool CDiscoveredRoutes::ContainsRoute(const CEdgeRoute& route) const
{
    return ContainsEdgeList(route.GetEdges());
}

bool CDiscoveredRoutes::ContainsEdgeList(std::span<CRouteableEdge* const> edges) const
{
    RefreshIndex();
    const auto [first, last] = m_index.equal_range(KeyOf(edges));
    for (auto it = first; it != last; ++it) {
        if (CEdgeRoute::IsSameEdgeList(it->second->GetEdges(), edges))
            return true;
    }
    return false;
}

CDiscoveredRoute* CDiscoveredRoutes::GetRouteByNumber(std::uint32_t number) const
{
    if (number < 1 || number > m_routes.size())
        return nullptr;
    return m_routes[number - 1].get();
}

CDiscoveredRoute* CDiscoveredRoutes::GetRouteById(std::uint32_t id) const
{
    const auto it = m_byId.find(id);
    return it == m_byId.end() ? nullptr : it->second;
}

CDiscoveredRoute* CDiscoveredRoutes::GetNextRoute(const CDiscoveredRoute& route) const
{
    if (route.m_owner != this || route.m_number >= m_routes.size())
        return nullptr;
    return GetRouteByNumber(route.m_number + 1);
}

void CDiscoveredRoutes::RouteEdgesChanged(CDiscoveredRoute& route)
{
    if (route.m_indexState == CDiscoveredRoute::EIndexState::Indexed) {
        Unindex(route);
        MarkStale(route);
    }
}

void CDiscoveredRoutes::MarkStale(CDiscoveredRoute& route)
{
    route.m_indexState = CDiscoveredRoute::EIndexState::Stale;
    route.m_staleSlot = m_stale.size();
    m_stale.push_back(&route);
}

void CDiscoveredRoutes::Unindex(CDiscoveredRoute& route)
{
    using EIndexState = CDiscoveredRoute::EIndexState;
    if (route.m_indexState == EIndexState::Indexed) {
        const auto [first, last] = m_index.equal_range(route.m_indexKey);
        for (auto it = first; it != last; ++it) {
            if (it->second == &route) {
                m_index.erase(it);
                break;
            }
        }
    } else if (route.m_indexState == EIndexState::Stale) {
        // Swap with the last waiting route so that removal stays constant time.
        CDiscoveredRoute* moved = m_stale.back();
        m_stale[route.m_staleSlot] = moved;
        moved->m_staleSlot = route.m_staleSlot;
        m_stale.pop_back();
    }
    route.m_indexState = EIndexState::Detached;
}

void CDiscoveredRoutes::RefreshIndex() const
{
    for (CDiscoveredRoute* route : m_stale) {
        route->m_indexKey = KeyOf(route->GetEdges());
        route->m_indexState = CDiscoveredRoute::EIndexState::Indexed;
        m_index.emplace(route->m_indexKey, route);
    }
    m_stale.clear();
}

std::uint64_t CDiscoveredRoutes::KeyOf(std::span<CRouteableEdge* const> edges)
{
    // The same edges in the same order always give the same key, which is all IsSameRoute needs.
    std::uint64_t key = 0xcbf29ce484222325ULL ^ edges.size();
    for (const CRouteableEdge* edge : edges) {
        std::uint64_t x = reinterpret_cast<std::uintptr_t>(edge);
        x ^= x >> 33;
        x *= 0xff51afd7ed558ccdULL;
        x ^= x >> 33;
        key = (key ^ x) * 0x100000001b3ULL;
    }
    return key;
}

} // namespace Routing
