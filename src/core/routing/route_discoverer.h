// The depth-first search that finds every route from a node to a target node group.
#pragma once

#include "routing/discovered_route.h"

#include <cstddef>
#include <vector>

namespace Routing
{

// Enumerates the simple paths from a start node along outgoing edges, in edge-iterator order,
// depth first. A path ends at the first route-end node it reaches: when that node's group has the
// target's id and the collection does not hold the same route yet, the route is added at the end
// of the collection; in either case the path is not extended. Paths never revisit a node (the
// start node included) and have at most MaxRouteEdges edges. The search works on one path it
// extends and shortens; a route object is made only for a route that is added.
class CRouteDiscoverer
{
public:
    static constexpr std::size_t MaxRouteEdges = 100;

    explicit CRouteDiscoverer(CDiscoveredRoutes& routes) : m_routes(routes) {}

    // Adds the routes from start to target; returns how many were added.
    std::size_t DiscoverRoutes(const CRouteableNode& start, const CRouteableNodeGroup& target);

private:
    void Search(const CRouteableNode& node);
    bool IsOnPath(const CRouteableNode* node) const;

    CDiscoveredRoutes& m_routes;
    const CRouteableNodeGroup* m_target = nullptr;
    std::size_t m_added = 0;
    std::vector<CRouteableEdge*> m_path;
    std::vector<const CRouteableNode*> m_pathNodes; // start node, then each edge's to-node
};

} // namespace Routing
