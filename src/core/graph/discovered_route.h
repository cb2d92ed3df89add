// Routes owned and numbered by a route collection, and the collection itself.
#pragma once

#include "graph/edge_route.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <unordered_map>
#include <vector>

namespace Routing
{

class CDiscoveredRoutes;

// A route held by a CDiscoveredRoutes: its owner, an id that is never reused while the owner
// lives, and a number, its 1-based position in the owner, which shifts when a route before it is
// removed. CEdgeRoute is a virtual base, so a subclass may also name CEdgeRoute as a (virtual)
// base and still have one edge list. Only the owner creates routes (through CreateRoute) and
// changes numbers.
class CDiscoveredRoute : public virtual CEdgeRoute
{
public:
    CDiscoveredRoute(CDiscoveredRoutes* owner, std::uint32_t id, std::uint32_t number);
    CDiscoveredRoute(const CDiscoveredRoute&) = delete;
    CDiscoveredRoute& operator=(const CDiscoveredRoute&) = delete;
    ~CDiscoveredRoute() override = default;

    CDiscoveredRoutes* GetOwner() const { return m_owner; }
    std::uint32_t GetId() const { return m_id; }
    std::uint32_t GetNumber() const { return m_number; }

protected:
    // Keeps the owner's index of edge lists right; subclasses use OnEdgeAdded/OnEdgeRemoved.
    void OnEdgeListChanged() final;

private:
    friend class CDiscoveredRoutes;
    enum class EIndexState
    {
        Detached, // not (or no longer) held by the owner
        Indexed,  // entered in the owner's index under m_indexKey
        Stale     // held, waiting in the owner's list of routes to index again
    };

    CDiscoveredRoutes* m_owner;
    std::uint32_t m_id;
    std::uint32_t m_number;
    EIndexState m_indexState = EIndexState::Detached;
    std::uint64_t m_indexKey = 0;
    std::size_t m_staleSlot = 0;
};

// The owning, numbered collection of routes: route k is at number k, ids count from 1001 and are
// never reused while the collection lives. A hash index over the held routes' edge lists answers
// ContainsRoute with the same result as comparing with every route by IsSameRoute; routes whose
// edges change are indexed again lazily at the next query. A subclass that makes its own route
// class in CreateRoute should call RemoveAllRoutes in its own destructor, so that its routes die
// while the subclass is still whole.
class CDiscoveredRoutes
{
public:
    static constexpr std::uint32_t FirstRouteId = 1001;

    CDiscoveredRoutes() = default;
    CDiscoveredRoutes(const CDiscoveredRoutes&) = delete;
    CDiscoveredRoutes& operator=(const CDiscoveredRoutes&) = delete;
    virtual ~CDiscoveredRoutes();

    virtual void DiscoverRoutes() = 0;

    // Appends a new, empty route made by CreateRoute and returns it.
    CDiscoveredRoute* AddNewRoute();
    // Destroys route `number` and moves the routes behind it down by one; false when number is
    // not 1 ... count.
    bool RemoveRoute(std::uint32_t number);
    // Removes every given route held here (others are ignored) as RemoveRoute one by one would,
    // but renumbers once; routes are destroyed from the highest number down. Returns how many.
    std::size_t RemoveRoutes(std::span<CDiscoveredRoute* const> routes);
    void RemoveAllRoutes();

    bool ContainsRoute(const CEdgeRoute& route) const;
    bool ContainsEdgeList(std::span<CRouteableEdge* const> edges) const;

    std::size_t GetCount() const { return m_routes.size(); }
    // None when number is not 1 ... count.
    CDiscoveredRoute* GetRouteByNumber(std::uint32_t number) const;
    // None when no held route has the id.
    CDiscoveredRoute* GetRouteById(std::uint32_t id) const;
    CDiscoveredRoute* GetFirstRoute() const { return GetRouteByNumber(1); }
    // The route numbered one more than `route`, none after the last.
    CDiscoveredRoute* GetNextRoute(const CDiscoveredRoute& route) const;
    // All routes in number order.
    std::span<const std::unique_ptr<CDiscoveredRoute>> GetRoutes() const { return m_routes; }

protected:
    // Makes the route object for AddNewRoute; owner is always this collection.
    virtual std::unique_ptr<CDiscoveredRoute> CreateRoute(CDiscoveredRoutes* owner,
                                                          std::uint32_t id, std::uint32_t number);
    // Called by RemoveAllRoutes before the first route goes, so that a subclass can drop links
    // to all routes at once instead of route by route. Not called from the destructor.
    virtual void BeforeRemoveAllRoutes() {}

private:
    friend class CDiscoveredRoute;
    using CIndex = std::unordered_multimap<std::uint64_t, CDiscoveredRoute*>;

    void RouteEdgesChanged(CDiscoveredRoute& route);
    void MarkStale(CDiscoveredRoute& route);
    void Unindex(CDiscoveredRoute& route);
    void RefreshIndex() const;
    static std::uint64_t KeyOf(std::span<CRouteableEdge* const> edges);

    std::vector<std::unique_ptr<CDiscoveredRoute>> m_routes;
    std::unordered_map<std::uint32_t, CDiscoveredRoute*> m_byId;
    std::uint32_t m_nextId = FirstRouteId;
    mutable CIndex m_index;
    mutable std::vector<CDiscoveredRoute*> m_stale;
};

} // namespace Routing
