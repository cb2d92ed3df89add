// The flow values written inside a lane: the lane's stop-line routes added together by OD,
// origin, destination or not at all, each sum coloured by a zone.
#pragma once

#include "platform/geometry.h"
#include "view/render_context.h"

#include <cstdint>
#include <vector>

class CCapacityLane;
class CFlowGroup;
class CRoute;

struct CLaneFlowValue
{
    double value = 0.0;
    ColorRef colour = 0;
    friend bool operator==(const CLaneFlowValue&, const CLaneFlowValue&) = default;
};

// Where a lane lies on a route: arm-to-arm steps made before the first connector leaving the
// lane, and steps still to make. Throws std::logic_error("lane not on route") when no such
// connector exists and the lane is not the route's destination lane.
struct CLanePosition
{
    std::uint32_t before = 0;
    std::uint32_t after = 0;
};
CLanePosition LanePositionOnRoute(const CRoute& route, const CCapacityLane& lane);

// The values of the stop-line routes of the lane that are in the filter and permitted, one
// per distinct aggregation key in ascending key order (routes of equal key keep their number
// order); each colour is that of the origin or destination zone of the key's first route.
// Zero sums stay in the list. With no flow group every value is 0.
std::vector<CLaneFlowValue> LaneFlowValues(const CCapacityLane& lane, const CFlowGroup* group,
                                           ELaneFlowAggregation aggregation,
                                           ELaneFlowColouring colouring);
