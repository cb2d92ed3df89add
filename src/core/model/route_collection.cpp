// Route sets in route number order.
#include "model/route_collection.h"

#include "model/route.h"

#include <algorithm>

namespace
{

bool NumberBefore(const CRoute* a, const CRoute* b)
{
    return a->GetNumber() < b->GetNumber();
}

} // namespace

CRouteCollection::const_iterator CRouteCollection::Find(const CRoute* route) const
{
    auto it = std::lower_bound(m_routes.begin(), m_routes.end(), route, NumberBefore);
    return it != m_routes.end() && *it == route ? it : m_routes.end();
}

bool CRouteCollection::Add(CRoute* route)
{
    if (!route) {
        return false;
    }
    // Routes mostly arrive in number order (discovery appends), so try the end first.
    if (m_routes.empty() || NumberBefore(m_routes.back(), route)) {
        m_routes.push_back(route);
        return true;
    }
    auto it = std::lower_bound(m_routes.begin(), m_routes.end(), route, NumberBefore);
    if (it != m_routes.end() && *it == route) {
        return false;
    }
    m_routes.insert(it, route);
    return true;
}

bool CRouteCollection::Remove(const CRoute* route)
{
    if (!route) {
        return false;
    }
    auto it = Find(route);
    if (it == m_routes.end()) {
        return false;
    }
    m_routes.erase(it);
    return true;
}

bool CRouteCollection::Contains(const CRoute* route) const
{
    return route && Find(route) != m_routes.end();
}

CRoute* CRouteCollection::Next(const CRoute* route) const
{
    auto it = route ? Find(route) : m_routes.end();
    if (it == m_routes.end() || ++it == m_routes.end()) {
        return nullptr;
    }
    return *it;
}

void CRouteCollection::AddAll(const CRouteCollection& other)
{
    if (m_routes.empty()) {
        m_routes = other.m_routes;
        return;
    }
    std::vector<CRoute*> merged;
    merged.reserve(m_routes.size() + other.m_routes.size());
    std::set_union(m_routes.begin(), m_routes.end(), other.m_routes.begin(), other.m_routes.end(),
                   std::back_inserter(merged), NumberBefore);
    m_routes = std::move(merged);
}

double CRouteCollection::SumPermittedFlows(const CFlowGroup* group) const
{
    double sum = 0.0;
    for (const CRoute* route : m_routes) {
        if (route->IsPermitted()) {
            sum += route->GetFlow(group);
        }
    }
    return sum;
}
