// The network's own lane connectors and their collection.
#pragma once

#include "model/routed_lane_connector.h"

// The connector kind the network holds. How a view draws it is the view's own state.
class CCarouselLaneConnector : public CRoutedLaneConnector
{
public:
    using CRoutedLaneConnector::CRoutedLaneConnector;
};

// All connectors of one network. Removing one, whether asked for directly or as part of
// deleting a lane or an arm, first tells the network's observers (OnLaneConnectorRemoving),
// so route cleanup hooks in at this one place.
class CCarouselLaneConnectors : public CRoutedLaneConnectors
{
public:
    using CRoutedLaneConnectors::CRoutedLaneConnectors;

    CCarouselLaneConnector* AddConnector(CLane* fromLane, CLane* toLane);
    CCarouselLaneConnector* FindConnector(const CLane* fromLane, const CLane* toLane) const;
    std::vector<CCarouselLaneConnector*> GetConnectorsInKeyOrder() const;
    std::vector<CCarouselLaneConnector*> GetConnectorsInCreationOrder() const;

protected:
    std::unique_ptr<CLaneConnector> CreateConnector(CLane* fromLane, CLane* toLane) override;
    void BeforeRemove(CLaneConnector& connector) override;
};
