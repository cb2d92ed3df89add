// The model side of the commands on the whole route set and on route flows.
#pragma once

#include "model/validation.h"
#include "model/route_collection.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

class CFeedback;
class CFlowGroup;
class CNetwork;
class CRoute;

// "Build Routes": appends the routes not held yet, refreshes the filter flags and normalises
// the coupled proportions of every Entry arm in every flow group. Returns the routes added, or
// none when the search was cancelled or stopped at CRoutes::MaxRoutes and left the routes as
// they were.
std::optional<std::size_t> BuildRoutes(CNetwork& network, CFeedback* feedback = nullptr);
// Why Build Routes left the routes as they were.
std::string TooManyRoutesMessage();
// "Delete All Routes" (after the user said Yes), then normalise.
void DeleteAllRoutes(CNetwork& network);
// "Delete Route", then normalise; false when the route is not the network's.
bool DeleteRoute(CNetwork& network, CRoute& route);
// "Delete Route" on several routes at once, normalising once; returns how many went.
std::size_t DeleteRoutes(CNetwork& network, const CRouteCollection& routes);
// "Make Circular Routes Non-Permitted": returns how many routes were made not permitted.
std::size_t MakeCircularRoutesNonPermitted(CNetwork& network);
// "Allow All Routes" / "Disallow All Routes": every route in the filter, then normalise.
void SetAllFilteredRoutesPermitted(CNetwork& network, bool permitted);
// "Lock Route Flow": toggles the lock in the current flow group; refused without one.
CValidationResult ToggleRouteLock(CNetwork& network, CRoute& route);

// What the "Edit Route" sheet hands back: the route's flow and lock, and the coupled
// proportions, keyed by route id, unless the flows are shared equally.
struct CRouteFlowEdit
{
    double flow = 0.0;
    bool locked = false;
    bool shareEqually = true;
    std::map<std::uint32_t, double> proportions;
};

// The routes the sheet shows as coupled with the route: G(lane where it leaves its origin arm,
// its destination zone, group), in route number order.
CRouteCollection CoupledRoutesOf(const CRoute& route, const CFlowGroup* group);

// "Edit Route" on OK, in the current flow group: sets the flow and the lock, then gives every
// route still coupled after the lock its proportion (-1.0 when shared equally; a route missing
// from the map keeps its own), and normalises the origin arm. A route just locked is no longer
// coupled, so it keeps the cleared proportion that locking gave it. Refused without a current
// flow group.
CValidationResult EditRouteFlow(CNetwork& network, CRoute& route, const CRouteFlowEdit& edit);
