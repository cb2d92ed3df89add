// Route filter: validation, the pass rule and the refresh of the in-filter flags.
#include "routing/route_filter.h"

#include "model/network.h"
#include "routing/route.h"
#include "routing/route_status_notifyer.h"
#include "routing/routes.h"

namespace
{

void ValidateSide(const CNetwork& network, std::uint32_t& zoneId, std::uint32_t& armId,
                  std::uint32_t& laneId)
{
    if (zoneId != 0 && !network.GetZones().GetZoneById(zoneId)) {
        zoneId = armId = laneId = 0;
    }
    const CArm* arm = armId != 0 ? network.GetArms().GetArmById(armId) : nullptr;
    if (!arm) {
        armId = laneId = 0;
    }
    if (laneId != 0 && !arm->GetLanes().GetLaneById(laneId)) {
        laneId = 0;
    }
}

bool Matches(std::uint32_t id, std::uint32_t actual)
{
    return id == 0 || id == actual;
}

template <typename T> std::uint32_t IdOf(const T* object)
{
    return object ? object->GetId() : 0;
}

std::uint32_t LaneIdOf(const CLane* lane)
{
    return lane ? lane->GetLaneId() : 0;
}

} // namespace

void ValidateRouteFilter(CNetwork& network)
{
    CRouteFilter& filter = network.GetRouteFilter();
    ValidateSide(network, filter.originZoneId, filter.originArmId, filter.originLaneId);
    ValidateSide(network, filter.destinationZoneId, filter.destinationArmId,
                 filter.destinationLaneId);
}

bool RoutePassesFilter(CNetwork& network, const CRoute& route)
{
    ValidateRouteFilter(network);
    const CRouteFilter& f = network.GetRouteFilter();
    if (f.originZoneId == 0 && f.destinationZoneId == 0) {
        return true;
    }
    // A set id never matches a missing object: ids start at 1001.
    return Matches(f.originZoneId, IdOf(route.GetOriginZone())) &&
           Matches(f.destinationZoneId, IdOf(route.GetDestinationZone())) &&
           Matches(f.originArmId, IdOf(route.GetOriginArm())) &&
           Matches(f.destinationArmId, IdOf(route.GetDestinationArm())) &&
           Matches(f.originLaneId, LaneIdOf(route.GetOriginStopLineLane())) &&
           Matches(f.destinationLaneId, LaneIdOf(route.GetDestinationStopLineLane()));
}

void RefreshRouteFilter(CNetwork& network)
{
    CRouteStatusChangeNotifyer* notifyer = GetRouteStatusChangeNotifyer();
    CRoutes& routes = network.GetRoutes();
    for (std::uint32_t n = 1; n <= routes.GetRouteCount(); ++n) {
        CRoute* route = routes.GetRoute(n);
        route->SetInFilter(RoutePassesFilter(network, *route));
        if (notifyer) {
            notifyer->RouteChanged(*route);
        }
    }
}
