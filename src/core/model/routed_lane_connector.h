// A lane connector seen as an edge of the route search.
#pragma once

#include "model/lane_connector.h"
#include "model/route_collection.h"
#include "graph/routeable.h"

// A connector that is also a Routing edge: its from- and to-nodes are the node parts of its
// lanes. It holds the routes that use it, kept up to date by the routes themselves.
class CRoutedLaneConnector : public CLaneConnector, public Routing::CRouteableEdge
{
public:
    using CLaneConnector::CLaneConnector;

    Routing::CRouteableNode* GetFromNode() const override;
    Routing::CRouteableNode* GetToNode() const override;

    CRouteCollection& GetRoutes() { return m_routes; }
    const CRouteCollection& GetRoutes() const { return m_routes; }

private:
    CRouteCollection m_routes;
};

// Connector collection that makes routed connectors.
class CRoutedLaneConnectors : public CLaneConnectors
{
public:
    using CLaneConnectors::CLaneConnectors;

protected:
    std::unique_ptr<CLaneConnector> CreateConnector(CLane* fromLane, CLane* toLane) override;
};
