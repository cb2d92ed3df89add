// Route filter: validation, the pass rule and the refresh of the in-filter flags.
#include "model/route_filter.h"

#include "model/network.h"
#include "model/route.h"
#include "model/route_status_notifyer.h"
#include "model/routes.h"

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
    if (CRouteFilterRefreshNotifyer* refreshed = network.GetRouteFilterRefreshNotifyer()) {
        refreshed->Refreshed();
    }
}

void SetRouteFilter(CNetwork& network, const CRouteFilter& filter)
{
    network.GetRouteFilter() = filter;
    ValidateRouteFilter(network);
    RefreshRouteFilter(network);
}

namespace
{

void SideToNumbers(const CNetwork& network, std::uint32_t zoneId, std::uint32_t armId,
                   std::uint32_t laneId, std::uint32_t& zone, std::uint32_t& arm,
                   std::uint32_t& lane)
{
    const CZone* z = zoneId ? network.GetZones().GetZoneById(zoneId) : nullptr;
    const CArm* a = armId ? network.GetArms().GetArmById(armId) : nullptr;
    const CLane* l = a && laneId ? a->GetLanes().GetLaneById(laneId) : nullptr;
    zone = z ? z->GetNumber() : 0;
    arm = a ? a->GetNumber() : 0;
    lane = l ? l->GetNumber() : 0;
}

void SideFromNumbers(const CNetwork& network, std::uint32_t zone, std::uint32_t arm,
                     std::uint32_t lane, std::uint32_t& zoneId, std::uint32_t& armId,
                     std::uint32_t& laneId)
{
    const CZone* z = zone ? network.GetZones().GetZone(zone) : nullptr;
    const CArm* a = arm ? network.GetArms().GetArm(arm) : nullptr;
    const CLane* l = a && lane ? a->GetLanes().GetLane(lane) : nullptr;
    zoneId = IdOf(z);
    armId = IdOf(a);
    laneId = LaneIdOf(l);
}

} // namespace

CRouteFilterNumbers RouteFilterToNumbers(const CNetwork& network)
{
    const CRouteFilter& f = network.GetRouteFilter();
    CRouteFilterNumbers n;
    SideToNumbers(network, f.originZoneId, f.originArmId, f.originLaneId, n.originZone, n.originArm,
                  n.originLane);
    SideToNumbers(network, f.destinationZoneId, f.destinationArmId, f.destinationLaneId,
                  n.destinationZone, n.destinationArm, n.destinationLane);
    return n;
}

CRouteFilter RouteFilterFromNumbers(const CNetwork& network, const CRouteFilterNumbers& numbers)
{
    CRouteFilter f;
    SideFromNumbers(network, numbers.originZone, numbers.originArm, numbers.originLane,
                    f.originZoneId, f.originArmId, f.originLaneId);
    SideFromNumbers(network, numbers.destinationZone, numbers.destinationArm,
                    numbers.destinationLane, f.destinationZoneId, f.destinationArmId,
                    f.destinationLaneId);
    return f;
}
