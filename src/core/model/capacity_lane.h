// The lane kind an arm holds, with its drawing part, and the container that makes it.
#pragma once

#include "model/lane.h"
#include "model/routed_lane.h"
#include "model/route_collection.h"

class CFlowGroup;
class CZone;

// The lane of an arm: routed, and the lane flow measures. The stop-line routes of a
// lane are those that leave it by a connector to another arm and, on an Exit arm, those that
// enter it from another arm; the inflow routes are those on its incoming connectors and, on an
// Entry arm, those on its outgoing ones too. Sums count each route once and only permitted
// routes; with no flow group every flow is 0.
class CCapacityLane : public CRoutedLane
{
public:
    using CRoutedLane::CRoutedLane;

    CRouteCollection GetStopLineRoutes() const;
    CRouteCollection GetInflowRoutes() const;

    double GetInflow(const CFlowGroup* group) const;
    double GetStopLineFlow(const CFlowGroup* group) const;
    double GetStopLineFlowTo(const CFlowGroup* group, const CZone* destination) const;
    // G(lane, destination, group): the permitted stop-line routes to the destination zone that
    // are not locked in the group, in route number order.
    CRouteCollection GetCoupledGroup(const CFlowGroup* group, const CZone* destination) const;
};

// The lanes of an arm as capacity lanes.
class CCapLanes : public CLanes
{
public:
    using CLanes::CLanes;

    CCapacityLane* InsertLane(std::uint32_t number);
    CCapacityLane* GetLane(std::uint32_t number) const;
    CCapacityLane* GetLaneById(std::uint32_t id) const;

protected:
    std::unique_ptr<CLane> CreateLane(std::uint32_t number) override;
};
