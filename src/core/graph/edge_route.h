// A route as a contiguous list of graph edges, with the edits that keep it contiguous.
#pragma once

#include "graph/routeable.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace Routing
{

// An ordered list of non-owning edge pointers in which each edge starts where the one before it
// ends. Every edit keeps that invariant or refuses: joins that do not meet throw
// std::runtime_error("Route End Match Error"), the ends of an empty route throw
// std::runtime_error("Empty Route"), and ReplaceSubRoute returns false. Subclasses learn of each
// edge added or removed through OnEdgeAdded / OnEdgeRemoved (called with the list already
// changed); a route is copied only by construction, never by assignment, so those hooks are never
// bypassed.
class CEdgeRoute
{
public:
    CEdgeRoute() = default;
    // An empty route followed by AppendRoute(source); hooks of a subclass are not called.
    CEdgeRoute(const CEdgeRoute& source);
    CEdgeRoute& operator=(const CEdgeRoute&) = delete;
    virtual ~CEdgeRoute() = default;

    void AppendEdge(CRouteableEdge* edge);
    void PrependEdge(CRouteableEdge* edge);
    void AppendRoute(const CEdgeRoute& other);
    void PrependRoute(const CEdgeRoute& other);

    // Replaces the first occurrence of the run oldRun by newRun; false (route unchanged) when
    // oldRun is empty, does not occur, or the result would not be contiguous.
    bool ReplaceSubRoute(const CEdgeRoute& oldRun, const CEdgeRoute& newRun);

    CRouteableNode* FirstNode() const;
    CRouteableNode* LastNode() const;
    bool ContainsNode(const CRouteableNode* node) const;
    bool IsSameRoute(const CEdgeRoute& other) const;

    bool IsEmpty() const { return m_edges.empty(); }
    std::size_t GetLength() const { return m_edges.size(); }
    CRouteableEdge* GetEdge(std::size_t index) const { return m_edges.at(index); }
    std::span<CRouteableEdge* const> GetEdges() const { return m_edges; }

    // IsSameRoute on two bare edge lists: same length, same first and last node ids, same edges
    // in the same order. Two empty lists are the same route.
    static bool IsSameEdgeList(std::span<CRouteableEdge* const> a,
                               std::span<CRouteableEdge* const> b);

protected:
    virtual void OnEdgeAdded(CRouteableEdge* edge);
    virtual void OnEdgeRemoved(CRouteableEdge* edge);
    // Called after every change of the list, before OnEdgeAdded / OnEdgeRemoved; lets a
    // collection that indexes its routes by their edges know that an entry is out of date.
    virtual void OnEdgeListChanged();

private:
    std::vector<CRouteableEdge*> m_edges;
};

} // namespace Routing
