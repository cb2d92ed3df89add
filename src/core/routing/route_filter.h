// The route filter's pass rule and the refresh of every route's in-filter flag.
#pragma once

class CNetwork;
class CRoute;

// Clears filter ids that no longer name their object: a missing zone clears its side's zone,
// arm and lane; a missing arm clears arm and lane; a lane not on the filter's arm clears the lane.
void ValidateRouteFilter(CNetwork& network);
// Validates, then: with both zone ids 0 every route passes; otherwise each id that is set must
// match the route's zone, arm and stop-line lane on that side.
bool RoutePassesFilter(CNetwork& network, const CRoute& route);
// Sets every route's in-filter flag and tells the route-status notifier about each route.
void RefreshRouteFilter(CNetwork& network);
