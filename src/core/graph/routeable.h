// The three abstract interfaces the route search is written against: nodes, edges and node
// groups. The network model implements them (a lane is a node, a lane connector an edge, an
// arm a node group), so the search itself never sees a lane or an arm.
#pragma once

#include <cstdint>
#include <memory>

namespace Routing
{

class CRouteableEdge;

// A set of nodes that a route may target as a whole (an arm).
class CRouteableNodeGroup
{
public:
    virtual ~CRouteableNodeGroup() = default;
    virtual std::uint32_t GetId() const = 0;
};

// A place a route passes through (a lane). The edge iterators walk its incoming or outgoing
// edges in a fixed order, which the search relies on for the order in which it finds routes.
class CRouteableNode
{
public:
    class CIncomingEdgeIter
    {
    public:
        virtual ~CIncomingEdgeIter() = default;
        virtual CRouteableEdge* First() = 0; // none when there is no edge
        virtual CRouteableEdge* Next() = 0;  // none past the last edge
    };

    class COutgoingEdgeIter
    {
    public:
        virtual ~COutgoingEdgeIter() = default;
        virtual CRouteableEdge* First() = 0;
        virtual CRouteableEdge* Next() = 0;
    };

    virtual ~CRouteableNode() = default;
    virtual std::uint32_t GetId() const = 0;
    virtual CRouteableNodeGroup* GetGroup() const = 0;
    // True when a route may end at this node.
    virtual bool IsRouteEnd() const = 0;
    virtual std::unique_ptr<CIncomingEdgeIter> CreateIncomingEdgeIter() const = 0;
    virtual std::unique_ptr<COutgoingEdgeIter> CreateOutgoingEdgeIter() const = 0;
};

// A directed link between two nodes (a lane connector).
class CRouteableEdge
{
public:
    virtual ~CRouteableEdge() = default;
    virtual CRouteableNode* GetFromNode() const = 0;
    virtual CRouteableNode* GetToNode() const = 0;
};

} // namespace Routing
