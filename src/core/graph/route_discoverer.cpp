// Depth-first route search over the routeable graph interfaces.
#include "graph/route_discoverer.h"

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
    for (CRouteableEdge* edge = edges->First(); edge != nullptr && !m_limitReached;
         edge = edges->Next()) {
        if (IsCancelled(m_feedback))
            return;
        // The same refusal AppendEdge would give for an edge that does not leave this node.
        if (!m_path.empty() && edge->GetFromNode() != m_pathNodes.back())
            throw std::runtime_error("Route End Match Error");
        const CRouteableNode* next = edge->GetToNode();
        if (next == nullptr || IsOnPath(next))
            continue;

        m_path.push_back(edge);
        m_pathNodes.push_back(next);
        if (next->IsRouteEnd()) {
            if (const CRouteableNodeGroup* group = next->GetGroup())
                RouteEndReached(*group);
        } else {
            Search(*next);
        }
        m_path.pop_back();
        m_pathNodes.pop_back();
    }
}

void CRouteDiscoverer::RouteEndReached(const CRouteableNodeGroup& group)
{
    const std::uint32_t id = group.GetId();
    if (!m_collecting) {
        if (id == m_target->GetId() && !m_routes.ContainsEdgeList(m_path)) {
            CDiscoveredRoute* route = m_routes.AddNewRoute();
            for (CRouteableEdge* step : m_path)
                route->AppendEdge(step);
            ++m_added;
        }
        return;
    }
    const auto it = std::lower_bound(m_targetIds.begin(), m_targetIds.end(),
                                     std::pair<std::uint32_t, std::size_t>(id, 0));
    // Every target with this id (groups are told apart by id only) keeps the path.
    for (auto at = it; at != m_targetIds.end() && at->first == id; ++at) {
        if (++m_collectedPaths > m_limit) {
            m_limitReached = true;
            return;
        }
        m_collected[(m_startCount - 1) * m_targetCount + at->second].push_back(
            {m_collectedEdges.size(), m_path.size()});
        m_collectedEdges.insert(m_collectedEdges.end(), m_path.begin(), m_path.end());
    }
}

void CRouteDiscoverer::BeginCollecting(std::span<const CRouteableNodeGroup* const> targets)
{
    m_collecting = true;
    m_targetIds.clear();
    for (std::size_t t = 0; t < targets.size(); ++t)
        m_targetIds.emplace_back(targets[t]->GetId(), t);
    std::sort(m_targetIds.begin(), m_targetIds.end());
    m_targetCount = targets.size();
    m_startCount = 0;
    m_collectedEdges.clear();
    m_collected.clear();
}

void CRouteDiscoverer::CollectFrom(const CRouteableNode& start)
{
    if (!m_collecting)
        throw std::logic_error("CollectFrom without BeginCollecting");
    ++m_startCount;
    m_collected.resize(m_startCount * m_targetCount);
    m_path.clear();
    m_pathNodes.assign(1, &start);
    Search(start);
}

std::size_t CRouteDiscoverer::AddCollected()
{
    std::size_t added = 0;
    for (std::size_t t = 0; t < m_targetCount && !m_limitReached; ++t) {
        for (std::size_t s = 0; s < m_startCount && !m_limitReached; ++s) {
            for (const CPathSlice& slice : m_collected[s * m_targetCount + t]) {
                const std::span<CRouteableEdge* const> edges(m_collectedEdges.data() + slice.begin,
                                                             slice.length);
                if (m_routes.ContainsEdgeList(edges))
                    continue;
                if (m_routes.GetCount() >= m_limit) {
                    m_limitReached = true;
                    break;
                }
                CDiscoveredRoute* route = m_routes.AddNewRoute();
                for (CRouteableEdge* step : edges)
                    route->AppendEdge(step);
                ++added;
            }
        }
    }
    m_collecting = false;
    m_collectedEdges.clear();
    m_collected.clear();
    m_startCount = 0;
    return added;
}

bool CRouteDiscoverer::IsOnPath(const CRouteableNode* node) const
{
    return std::find(m_pathNodes.begin(), m_pathNodes.end(), node) != m_pathNodes.end();
}

} // namespace Routing
