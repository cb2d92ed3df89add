// The route filter's pass rule and the refresh of every route's in-filter flag.
#pragma once

#include "model/network.h"

#include <cstdint>

class CRoute;

// The filter as numbers (zone number, arm number, lane number within that arm; 0 unused), the
// form that survives an undo snapshot, whose restore gives every object a new id.
struct CRouteFilterNumbers
{
    std::uint32_t originZone = 0;
    std::uint32_t originArm = 0;
    std::uint32_t originLane = 0;
    std::uint32_t destinationZone = 0;
    std::uint32_t destinationArm = 0;
    std::uint32_t destinationLane = 0;
    friend bool operator==(const CRouteFilterNumbers&, const CRouteFilterNumbers&) = default;
};

// Clears filter ids that no longer name their object: a missing zone clears its side's zone,
// arm and lane; a missing arm clears arm and lane; a lane not on the filter's arm clears the lane.
void ValidateRouteFilter(CNetwork& network);
// Validates, then: with both zone ids 0 every route passes; otherwise each id that is set must
// match the route's zone, arm and stop-line lane on that side.
bool RoutePassesFilter(CNetwork& network, const CRoute& route);
// Sets every route's in-filter flag and tells the route-status notifier about each route, then
// the network's filter-refresh notifier once.
void RefreshRouteFilter(CNetwork& network);
// Stores the six ids, validates them and refreshes.
void SetRouteFilter(CNetwork& network, const CRouteFilter& filter);

// An id that names nothing becomes 0, and so does a lane that is not on the filter's arm.
CRouteFilterNumbers RouteFilterToNumbers(const CNetwork& network);
// Numbers that name nothing become 0; a lane number needs the arm number of its side.
CRouteFilter RouteFilterFromNumbers(const CNetwork& network, const CRouteFilterNumbers& numbers);
