// A lane seen as a node of the route search.
#pragma once

#include "model/lane.h"
#include "graph/routeable.h"

// A lane that is also a Routing node: its id is the lane id, its group the lane's arm, and a
// route may end on it when its arm is an Exit arm. The edge iterators walk the connector lists
// in creation order and yield each connector's edge part.
class CRoutedLane : public CLane, public Routing::CRouteableNode
{
public:
    class CIncomingRoutedLaneConnectorIter : public CLane::CIncomingLaneConnectorIter,
                                             public Routing::CRouteableNode::CIncomingEdgeIter
    {
    public:
        explicit CIncomingRoutedLaneConnectorIter(const CRoutedLane& lane)
            : CLane::CIncomingLaneConnectorIter(lane)
        {}
        Routing::CRouteableEdge* First() override;
        Routing::CRouteableEdge* Next() override;
    };

    class COutgoingRoutedLaneConnectorIter : public CLane::COutgoingLaneConnectorIter,
                                             public Routing::CRouteableNode::COutgoingEdgeIter
    {
    public:
        explicit COutgoingRoutedLaneConnectorIter(const CRoutedLane& lane)
            : CLane::COutgoingLaneConnectorIter(lane)
        {}
        Routing::CRouteableEdge* First() override;
        Routing::CRouteableEdge* Next() override;
    };

    using CLane::CLane;

    // A short lane that now sits between two lanes joined over it takes that lane change over.
    void OnLaneChanged() override;

    std::uint32_t GetId() const override { return GetLaneId(); }
    Routing::CRouteableNodeGroup* GetGroup() const override;
    bool IsRouteEnd() const override;
    std::unique_ptr<Routing::CRouteableNode::CIncomingEdgeIter>
    CreateIncomingEdgeIter() const override;
    std::unique_ptr<Routing::CRouteableNode::COutgoingEdgeIter>
    CreateOutgoingEdgeIter() const override;
};
