// The model side of the commands on the whole route set and on route flows.
#pragma once

#include "model/validation.h"

#include <cstddef>

class CNetwork;
class CRoute;

// "Build Routes": appends the routes not held yet, refreshes the filter flags and normalises
// the coupled proportions of every Entry arm in every flow group. Returns the routes added.
std::size_t BuildRoutes(CNetwork& network);
// "Delete All Routes" (after the user said Yes), then normalise.
void DeleteAllRoutes(CNetwork& network);
// "Delete Route", then normalise; false when the route is not the network's.
bool DeleteRoute(CNetwork& network, CRoute& route);
// "Make Circular Routes Non-Permitted": returns how many routes were made not permitted.
std::size_t MakeCircularRoutesNonPermitted(CNetwork& network);
// "Allow All Routes" / "Disallow All Routes": every route in the filter, then normalise.
void SetAllFilteredRoutesPermitted(CNetwork& network, bool permitted);
// "Lock Route Flow": toggles the lock in the current flow group; refused without one.
CValidationResult ToggleRouteLock(CNetwork& network, CRoute& route);
