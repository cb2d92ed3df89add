// A small in-memory graph behind the routeable interfaces, for the routing tests and benchmarks,
// and the route search written plainly (a copied route per step, duplicates found by comparing
// with every held route) as the reference the real search must agree with.
#pragma once

#include "graph/discovered_route.h"
#include "graph/edge_route.h"
#include "graph/routeable.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace RoutingToy
{

class CToyEdge;

class CToyGroup : public Routing::CRouteableNodeGroup
{
public:
    explicit CToyGroup(std::uint32_t id) : m_id(id) {}
    std::uint32_t GetId() const override { return m_id; }

private:
    std::uint32_t m_id;
};

class CToyNode : public Routing::CRouteableNode
{
public:
    CToyNode(std::uint32_t id, CToyGroup* group, bool routeEnd)
        : m_id(id), m_group(group), m_routeEnd(routeEnd)
    {}

    std::uint32_t GetId() const override { return m_id; }
    Routing::CRouteableNodeGroup* GetGroup() const override { return m_group; }
    bool IsRouteEnd() const override { return m_routeEnd; }
    std::unique_ptr<CIncomingEdgeIter> CreateIncomingEdgeIter() const override
    {
        return std::make_unique<CIter<CIncomingEdgeIter>>(m_incoming);
    }
    std::unique_ptr<COutgoingEdgeIter> CreateOutgoingEdgeIter() const override
    {
        return std::make_unique<CIter<COutgoingEdgeIter>>(m_outgoing);
    }

    std::vector<Routing::CRouteableEdge*> m_incoming;
    std::vector<Routing::CRouteableEdge*> m_outgoing;

private:
    template <class TBase> class CIter : public TBase
    {
    public:
        explicit CIter(const std::vector<Routing::CRouteableEdge*>& edges) : m_edges(edges) {}
        Routing::CRouteableEdge* First() override
        {
            m_next = 0;
            return Next();
        }
        Routing::CRouteableEdge* Next() override
        {
            return m_next < m_edges.size() ? m_edges[m_next++] : nullptr;
        }

    private:
        const std::vector<Routing::CRouteableEdge*>& m_edges;
        std::size_t m_next = 0;
    };

    std::uint32_t m_id;
    CToyGroup* m_group;
    bool m_routeEnd;
};

class CToyEdge : public Routing::CRouteableEdge
{
public:
    CToyEdge(CToyNode* from, CToyNode* to) : m_from(from), m_to(to) {}
    Routing::CRouteableNode* GetFromNode() const override { return m_from; }
    Routing::CRouteableNode* GetToNode() const override { return m_to; }

private:
    CToyNode* m_from;
    CToyNode* m_to;
};

// Owns groups, nodes and edges; an edge is listed at its from-node and to-node in creation order.
class CToyGraph
{
public:
    CToyGroup* AddGroup(std::uint32_t id)
    {
        return m_groups.emplace_back(std::make_unique<CToyGroup>(id)).get();
    }
    CToyNode* AddNode(CToyGroup* group, bool routeEnd = false)
    {
        return m_nodes.emplace_back(std::make_unique<CToyNode>(m_nextNodeId++, group, routeEnd))
            .get();
    }
    CToyEdge* AddEdge(CToyNode* from, CToyNode* to)
    {
        CToyEdge* edge = m_edges.emplace_back(std::make_unique<CToyEdge>(from, to)).get();
        from->m_outgoing.push_back(edge);
        to->m_incoming.push_back(edge);
        return edge;
    }

private:
    std::deque<std::unique_ptr<CToyGroup>> m_groups;
    std::deque<std::unique_ptr<CToyNode>> m_nodes;
    std::deque<std::unique_ptr<CToyEdge>> m_edges;
    std::uint32_t m_nextNodeId = 1;
};

// A route collection whose DiscoverRoutes is not used; tests and benchmarks drive the search.
class CToyRoutes : public Routing::CDiscoveredRoutes
{
public:
    void DiscoverRoutes() override {}
};

inline bool ContainsRouteOneByOne(const Routing::CDiscoveredRoutes& routes,
                                  const Routing::CEdgeRoute& route)
{
    for (const auto& held : routes.GetRoutes()) {
        if (held->IsSameRoute(route))
            return true;
    }
    return false;
}

// The search exactly as first written down: copy the route at every step, compare a found route
// with every held one.
inline void SearchPlainly(Routing::CDiscoveredRoutes& routes, const Routing::CRouteableNode& node,
                          const Routing::CEdgeRoute& route,
                          const Routing::CRouteableNodeGroup& target)
{
    if (route.GetLength() > 99)
        return;
    const auto edges = node.CreateOutgoingEdgeIter();
    for (Routing::CRouteableEdge* edge = edges->First(); edge != nullptr; edge = edges->Next()) {
        Routing::CRouteableNode* next = edge->GetToNode();
        if (!route.IsEmpty() && route.ContainsNode(next))
            continue;
        Routing::CEdgeRoute extended(route);
        extended.AppendEdge(edge);
        if (next->IsRouteEnd()) {
            if (next->GetGroup()->GetId() == target.GetId() &&
                !ContainsRouteOneByOne(routes, extended))
                routes.AddNewRoute()->AppendRoute(extended);
        } else {
            SearchPlainly(routes, *next, extended, target);
        }
    }
}

} // namespace RoutingToy
