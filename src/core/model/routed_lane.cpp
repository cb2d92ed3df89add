// Lanes as Routing nodes.
#include "model/routed_lane.h"

#include "model/arm.h"
#include "model/carousel_lane_connector.h"
#include "model/routed_lane_connector.h"
#include "model/lane_edits.h"

#include <typeinfo>

namespace
{

Routing::CRouteableEdge* AsEdge(CLaneConnector* connector)
{
    // The network's own connectors are by far the common case and need no search of the class
    // graph; the search asks this for every step it takes.
    if (connector && typeid(*connector) == typeid(CCarouselLaneConnector)) {
        return static_cast<CCarouselLaneConnector*>(connector);
    }
    return dynamic_cast<CRoutedLaneConnector*>(connector);
}

} // namespace

Routing::CRouteableEdge* CRoutedLane::CIncomingRoutedLaneConnectorIter::First()
{
    return AsEdge(CLane::CIncomingLaneConnectorIter::First());
}

Routing::CRouteableEdge* CRoutedLane::CIncomingRoutedLaneConnectorIter::Next()
{
    return AsEdge(CLane::CIncomingLaneConnectorIter::Next());
}

Routing::CRouteableEdge* CRoutedLane::COutgoingRoutedLaneConnectorIter::First()
{
    return AsEdge(CLane::COutgoingLaneConnectorIter::First());
}

Routing::CRouteableEdge* CRoutedLane::COutgoingRoutedLaneConnectorIter::Next()
{
    return AsEdge(CLane::COutgoingLaneConnectorIter::Next());
}

Routing::CRouteableNodeGroup* CRoutedLane::GetGroup() const
{
    return GetArm();
}

bool CRoutedLane::IsRouteEnd() const
{
    const CArm* arm = GetArm();
    return arm && arm->IsExitArm();
}

std::unique_ptr<Routing::CRouteableNode::CIncomingEdgeIter>
CRoutedLane::CreateIncomingEdgeIter() const
{
    return std::make_unique<CIncomingRoutedLaneConnectorIter>(*this);
}

std::unique_ptr<Routing::CRouteableNode::COutgoingEdgeIter>
CRoutedLane::CreateOutgoingEdgeIter() const
{
    return std::make_unique<COutgoingRoutedLaneConnectorIter>(*this);
}

void CRoutedLane::OnLaneChanged()
{
    ReplaceLaneChangesOver(*this);
}
