// Depth-first route search over the routeable graph interfaces.
#include "routing/route_discoverer.h"

#include <algorithm>
#include <stdexcept>

namespace Routing
{

std::size_t CRouteDiscoverer::DiscoverRoutes(const CRouteableNode& start,
                                             const CRouteableNodeGroup& target)
{
    m_target = &target;
    m_added = 0;
    m_path.clear();
    m_pathNodes.assign(1, &start);
    Search(start);
    m_target = nullptr;
    return m_added;
}

void CRouteDiscoverer::Search(const CRouteableNode& node)
{
    if (m_path.size() >= MaxRouteEdges)
        return;
    const std::unique_ptr<CRouteableNode::COutgoingEdgeIter> edges = node.CreateOutgoingEdgeIter();
    if (!edges)
        return;
    for (CRouteableEdge* edge = edges->First(); edge != nullptr; edge = edges->Next()) {
        // The same refusal AppendEdge would give for an edge that does not leave this node.
        if (!m_path.empty() && edge->GetFromNode() != m_pathNodes.back())
            throw std::runtime_error("Route End Match Error");
        const CRouteableNode* next = edge->GetToNode();
        if (next == nullptr || IsOnPath(next))
            continue;

        m_path.push_back(edge);
        m_pathNodes.push_back(next);
        if (next->IsRouteEnd()) {
            const CRouteableNodeGroup* group = next->GetGroup();
            if (group != nullptr && group->GetId() == m_target->GetId() &&
                !m_routes.ContainsEdgeList(m_path)) {
                CDiscoveredRoute* route = m_routes.AddNewRoute();
                for (CRouteableEdge* step : m_path)
                    route->AppendEdge(step);
                ++m_added;
            }
        } else {
            Search(*next);
        }
        m_path.pop_back();
        m_pathNodes.pop_back();
    }
}

bool CRouteDiscoverer::IsOnPath(const CRouteableNode* node) const
{
    return std::find(m_pathNodes.begin(), m_pathNodes.end(), node) != m_pathNodes.end();
}

} // namespace Routing
