// Commands on the route set.
#include "routing/route_commands.h"

#include "model/network.h"
#include "routing/flow_group_commands.h"
#include "routing/route_flows.h"

std::size_t BuildRoutes(CNetwork& network)
{
    CRoutes& routes = network.GetRoutes();
    const std::size_t before = routes.GetCount();
    routes.DiscoverRoutes();
    NormaliseAllArms(network);
    return routes.GetCount() - before;
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
