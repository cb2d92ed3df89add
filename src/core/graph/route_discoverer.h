// The depth-first search that finds every route from a node to a target node group.
#pragma once

#include "graph/discovered_route.h"
#include "graph/feedback.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace Routing
{

// Enumerates the simple paths from a start node along outgoing edges, in edge-iterator order,
// depth first. A path ends at the first route-end node it reaches: when that node's group has the
// target's id and the collection does not hold the same route yet, the route is added at the end
// of the collection; in either case the path is not extended. Paths never revisit a node (the
// start node included) and have at most MaxRouteEdges edges. The search works on one path it
// extends and shortens; a route object is made only for a route that is added.
//
// A search does not depend on its target, which only picks the paths kept. So the routes from
// several start nodes to several targets can be found with one search per start node:
// BeginCollecting names the targets, CollectFrom searches from each start node and keeps its
// paths aside, and AddCollected then adds them target by target, start by start, each in search
// order, which is exactly what DiscoverRoutes called for every target and start in that order
// would add.
//
// With a feedback object the search stops as soon as it sees the cancel flag; what was added
// until then stays, and the caller decides what to keep.
//
// A route limit stops a collecting search as soon as the routes would certainly be more than
// the limit (every path kept is a different route) and AddCollected before the collection would
// pass it; LimitReached then says so, and what was added before stays for the caller to drop.
class CRouteDiscoverer
{
public:
    static constexpr std::size_t MaxRouteEdges = 100;

    explicit CRouteDiscoverer(CDiscoveredRoutes& routes, const CFeedback* feedback = nullptr)
        : m_routes(routes), m_feedback(feedback)
    {}

    // Adds the routes from start to target; returns how many were added.
    std::size_t DiscoverRoutes(const CRouteableNode& start, const CRouteableNodeGroup& target);

    void BeginCollecting(std::span<const CRouteableNodeGroup* const> targets);
    void CollectFrom(const CRouteableNode& start);
    // Adds what was collected (skipping routes already held) and forgets it; returns how many.
    std::size_t AddCollected();

    void SetRouteLimit(std::size_t limit) { m_limit = limit; }
    bool LimitReached() const { return m_limitReached; }

private:
    struct CPathSlice
    {
        std::size_t begin;
        std::size_t length;
    };

    void Search(const CRouteableNode& node);
    void RouteEndReached(const CRouteableNodeGroup& group);
    bool IsOnPath(const CRouteableNode* node) const;

    CDiscoveredRoutes& m_routes;
    const CFeedback* m_feedback;
    const CRouteableNodeGroup* m_target = nullptr;
    std::size_t m_added = 0;
    std::size_t m_limit = SIZE_MAX;
    std::size_t m_collectedPaths = 0; // since the first BeginCollecting
    bool m_limitReached = false;
    // Collecting: target ids sorted (with their index), and per (start, target) the paths.
    bool m_collecting = false;
    std::vector<std::pair<std::uint32_t, std::size_t>> m_targetIds;
    std::size_t m_targetCount = 0;
    std::size_t m_startCount = 0;
    std::vector<CRouteableEdge*> m_collectedEdges;
    std::vector<std::vector<CPathSlice>> m_collected; // index start * targets + target
    std::vector<CRouteableEdge*> m_path;
    std::vector<const CRouteableNode*> m_pathNodes; // start node, then each edge's to-node
};

} // namespace Routing
