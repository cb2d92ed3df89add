// The network's own lane connectors and their collection.
#pragma once

#include "model/routed_lane_connector.h"

class CArm;
class CLane;

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

// The arm where a zone's trips begin (its entry arm) or end (its exit arm).
bool IsZoneOriginArm(const CArm& arm);
bool IsZoneDestinationArm(const CArm& arm);

// Whether the network view may join two lanes by a connector: both lanes exist, they differ and
// lie on different arms, the pair has no connector in that direction yet, the to-lane is
// infinitely long, the to-lane's arm is not a zone's origin arm and the from-lane's arm not a
// zone's destination arm.
bool CanAddLaneConnector(const CLane* from, const CLane* to);
