// Commands on the route set.
#include "routing/route_commands.h"

#include "model/capacity_lane.h"
#include "model/network.h"
#include "routing/flow_group_commands.h"
#include "model/route_flows.h"

std::optional<std::size_t> BuildRoutes(CNetwork& network, CFeedback* feedback)
{
    CRoutes& routes = network.GetRoutes();
    const std::size_t before = routes.GetCount();
    if (!routes.DiscoverRoutes(feedback)) {
        return std::nullopt;
    }
    NormaliseAllArms(network);
    return routes.GetCount() - before;
}

std::string TooManyRoutesMessage()
{
    return "Build Routes stopped: the network has more than " + std::to_string(CRoutes::MaxRoutes) +
           " routes, the most a network file can hold. The routes were left as they were.";
}

void DeleteAllRoutes(CNetwork& network)
{
    network.GetRoutes().RemoveAllRoutes();
    NormaliseAllArms(network);
}

bool DeleteRoute(CNetwork& network, CRoute& route)
{
    if (!network.GetRoutes().RemoveRoute(route)) {
        return false;
    }
    NormaliseAllArms(network);
    return true;
}

std::size_t DeleteRoutes(CNetwork& network, const CRouteCollection& routes)
{
    const std::size_t removed = network.GetRoutes().RemoveRoutes(routes);
    NormaliseAllArms(network);
    return removed;
}

std::size_t MakeCircularRoutesNonPermitted(CNetwork& network)
{
    CRoutes& routes = network.GetRoutes();
    std::size_t changed = 0;
    for (std::uint32_t n = 1; n <= routes.GetRouteCount(); ++n) {
        CRoute* route = routes.GetRoute(n);
        if (route->IsCircular()) {
            route->SetPermitted(false);
            ++changed;
        }
    }
    return changed;
}

void SetAllFilteredRoutesPermitted(CNetwork& network, bool permitted)
{
    CRoutes& routes = network.GetRoutes();
    for (std::uint32_t n = 1; n <= routes.GetRouteCount(); ++n) {
        CRoute* route = routes.GetRoute(n);
        if (route->IsInFilter()) {
            route->SetPermitted(permitted);
        }
    }
    NormaliseAllArms(network);
}

CValidationResult ToggleRouteLock(CNetwork& network, CRoute& route)
{
    CValidationResult allowed = ValidateFlowEditAllowed(network);
    if (allowed) {
        CFlowGroup* group = network.GetCurrentFlowGroup();
        route.SetLocked(group, !route.IsLocked(group));
    }
    return allowed;
}

CRouteCollection CoupledRoutesOf(const CRoute& route, const CFlowGroup* group)
{
    const CCapacityLane* lane = route.GetOriginStopLineLane();
    return lane ? lane->GetCoupledGroup(group, route.GetDestinationZone()) : CRouteCollection();
}

CValidationResult EditRouteFlow(CNetwork& network, CRoute& route, const CRouteFlowEdit& edit)
{
    CValidationResult allowed = ValidateFlowEditAllowed(network);
    if (!allowed) {
        return allowed;
    }
    CFlowGroup* group = network.GetCurrentFlowGroup();
    route.SetFlow(group, edit.flow);
    route.SetLocked(group, edit.locked);
    for (CRoute* coupled : CoupledRoutesOf(route, group)) {
        if (edit.shareEqually) {
            coupled->SetProportion(group, -1.0);
        } else if (const auto it = edit.proportions.find(coupled->GetId());
                   it != edit.proportions.end()) {
            coupled->SetProportion(group, it->second);
        }
    }
    if (CArm* arm = route.GetOriginArm()) {
        NormaliseProportionsOnArm(*arm, group);
    }
    return allowed;
}
