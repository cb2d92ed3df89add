// Edits of an edge route; each checks before it changes anything, so a refused edit leaves the
// route as it was.
#include "graph/edge_route.h"

#include <algorithm>
#include <stdexcept>

namespace Routing
{

namespace
{

void ThrowEndMatch()
{
    throw std::runtime_error("Route End Match Error");
}

CRouteableEdge* CheckedEdge(CRouteableEdge* edge)
{
    // A null edge would only crash later, far from the caller that passed it.
    if (edge == nullptr)
        throw std::invalid_argument("Route edge is null");
    return edge;
}

} // namespace

CEdgeRoute::CEdgeRoute(const CEdgeRoute& source)
{
    AppendRoute(source);
}

void CEdgeRoute::AppendEdge(CRouteableEdge* edge)
{
    CheckedEdge(edge);
    if (!m_edges.empty() && edge->GetFromNode() != LastNode())
        ThrowEndMatch();
    m_edges.push_back(edge);
    OnEdgeListChanged();
    OnEdgeAdded(edge);
}

void CEdgeRoute::PrependEdge(CRouteableEdge* edge)
{
    CheckedEdge(edge);
    if (!m_edges.empty() && edge->GetToNode() != FirstNode())
        ThrowEndMatch();
    m_edges.insert(m_edges.begin(), edge);
    OnEdgeListChanged();
    OnEdgeAdded(edge);
}

void CEdgeRoute::AppendRoute(const CEdgeRoute& other)
{
    if (!m_edges.empty() && !other.m_edges.empty() && LastNode() != other.FirstNode())
        ThrowEndMatch();
    // By index over the original length: appending a route to itself grows the list we read.
    const std::size_t count = other.m_edges.size();
    for (std::size_t i = 0; i < count; ++i)
        AppendEdge(other.m_edges[i]);
}

void CEdgeRoute::PrependRoute(const CEdgeRoute& other)
{
    if (!m_edges.empty() && !other.m_edges.empty() && other.LastNode() != FirstNode())
        ThrowEndMatch();
    // A copy, so that prepending a route to itself reads the list as it was.
    const std::vector<CRouteableEdge*> edges = other.m_edges;
    for (auto it = edges.rbegin(); it != edges.rend(); ++it)
        PrependEdge(*it);
}

bool CEdgeRoute::ReplaceSubRoute(const CEdgeRoute& oldRun, const CEdgeRoute& newRun)
{
    if (oldRun.m_edges.empty())
        return false;
    // Nothing can occur in an empty route; refuse instead of asking it for its ends.
    if (m_edges.empty())
        return false;
    if (!newRun.m_edges.empty()) {
        if (oldRun.FirstNode() != newRun.FirstNode() && oldRun.FirstNode() != FirstNode())
            return false;
        if (oldRun.LastNode() != newRun.LastNode() && oldRun.LastNode() != LastNode())
            return false;
    }

    const auto first = std::find(m_edges.begin(), m_edges.end(), oldRun.m_edges.front());
    if (first == m_edges.end())
        return false;
    const auto start = static_cast<std::size_t>(first - m_edges.begin());
    const std::size_t oldCount = oldRun.m_edges.size();
    if (m_edges.size() - start < oldCount ||
        !std::equal(oldRun.m_edges.begin(), oldRun.m_edges.end(), first))
        return false;

    // The checks above leave two ways to break the route: an empty replacement of a run in the
    // middle, and a run found away from the end it was checked against (a route that passes its
    // own first or last node again). Check the joins of the result itself.
    const std::size_t end = start + oldCount;
    const CRouteableNode* before = start > 0 ? m_edges[start - 1]->GetToNode() : nullptr;
    const CRouteableNode* after = end < m_edges.size() ? m_edges[end]->GetFromNode() : nullptr;
    if (newRun.m_edges.empty()) {
        if (before != nullptr && after != nullptr && before != after)
            return false;
    } else {
        if (before != nullptr && before != newRun.FirstNode())
            return false;
        if (after != nullptr && after != newRun.LastNode())
            return false;
    }

    const std::vector<CRouteableEdge*> removed(m_edges.begin() + static_cast<std::ptrdiff_t>(start),
                                               m_edges.begin() + static_cast<std::ptrdiff_t>(end));
    const std::vector<CRouteableEdge*> added = newRun.m_edges; // newRun may be this route
    auto at = m_edges.begin() + static_cast<std::ptrdiff_t>(start);
    for (CRouteableEdge* edge : removed) {
        at = m_edges.erase(at);
        OnEdgeListChanged();
        OnEdgeRemoved(edge);
    }
    for (CRouteableEdge* edge : added) {
        at = m_edges.insert(at, edge) + 1;
        OnEdgeListChanged();
        OnEdgeAdded(edge);
    }
    return true;
}

CRouteableNode* CEdgeRoute::FirstNode() const
{
    if (m_edges.empty())
        throw std::runtime_error("Empty Route");
    return m_edges.front()->GetFromNode();
}

CRouteableNode* CEdgeRoute::LastNode() const
{
    if (m_edges.empty())
        throw std::runtime_error("Empty Route");
    return m_edges.back()->GetToNode();
}

bool CEdgeRoute::ContainsNode(const CRouteableNode* node) const
{
    return std::any_of(m_edges.begin(), m_edges.end(), [node](const CRouteableEdge* edge) {
        return edge->GetFromNode() == node || edge->GetToNode() == node;
    });
}

bool CEdgeRoute::IsSameRoute(const CEdgeRoute& other) const
{
    return IsSameEdgeList(m_edges, other.m_edges);
}

bool CEdgeRoute::IsSameEdgeList(std::span<CRouteableEdge* const> a,
                                std::span<CRouteableEdge* const> b)
{
    if (a.size() != b.size())
        return false;
    if (a.empty())
        return true;
    if (a.front()->GetFromNode()->GetId() != b.front()->GetFromNode()->GetId() ||
        a.back()->GetToNode()->GetId() != b.back()->GetToNode()->GetId())
        return false;
    return std::equal(a.begin(), a.end(), b.begin());
}

void CEdgeRoute::OnEdgeAdded(CRouteableEdge*) {}

void CEdgeRoute::OnEdgeRemoved(CRouteableEdge*) {}

void CEdgeRoute::OnEdgeListChanged() {}

} // namespace Routing
