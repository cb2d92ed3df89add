// A set of routes ordered by route number, as kept by every lane connector.
#pragma once

#include <cstdint>
#include <vector>

class CFlowGroup;
class CRoute;

// Non-owning routes in ascending route number, each route once. Numbers of held routes shift
// together when a route before them is removed, so the order stays right without re-sorting;
// a route removes itself from every collection that must not outlive it (its connectors'),
// other holders are short-lived query results.
class CRouteCollection
{
public:
    using const_iterator = std::vector<CRoute*>::const_iterator;

    // True when the route was not held yet; none is never added.
    bool Add(CRoute* route);
    bool Remove(const CRoute* route);
    bool Contains(const CRoute* route) const;
    std::uint32_t GetCount() const { return static_cast<std::uint32_t>(m_routes.size()); }
    bool IsEmpty() const { return m_routes.empty(); }
    // First route, and the route after `route` (none past the last or for a route not held).
    CRoute* First() const { return m_routes.empty() ? nullptr : m_routes.front(); }
    CRoute* Next(const CRoute* route) const;
    void AddAll(const CRouteCollection& other);
    // Replaces the contents by those of `other`.
    void Assign(const CRouteCollection& other) { m_routes = other.m_routes; }
    void Clear() { m_routes.clear(); }

    // Sum of the flows of the permitted routes in the group.
    double SumPermittedFlows(const CFlowGroup* group) const;

    const_iterator begin() const { return m_routes.begin(); }
    const_iterator end() const { return m_routes.end(); }
    const std::vector<CRoute*>& GetRoutes() const { return m_routes; }

private:
    const_iterator Find(const CRoute* route) const;

    std::vector<CRoute*> m_routes;
};
