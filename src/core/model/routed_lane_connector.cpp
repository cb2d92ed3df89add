// Lane connectors as Routing edges.
#include "model/routed_lane_connector.h"

#include "model/routed_lane.h"

Routing::CRouteableNode* CRoutedLaneConnector::GetFromNode() const
{
    return dynamic_cast<CRoutedLane*>(GetFromLane());
}

Routing::CRouteableNode* CRoutedLaneConnector::GetToNode() const
{
    return dynamic_cast<CRoutedLane*>(GetToLane());
}

std::unique_ptr<CLaneConnector> CRoutedLaneConnectors::CreateConnector(CLane* fromLane,
                                                                       CLane* toLane)
{
    return std::make_unique<CRoutedLaneConnector>(this, fromLane, toLane);
}
