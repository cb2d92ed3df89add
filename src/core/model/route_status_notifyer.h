// The process-wide listener for route status changes (permission, filter), installed by the
// document so that drawings can drop what they cached about a route.
#pragma once

#include <memory>

class CRoute;

// Told whenever a route's permission or in-filter flag may have changed.
class CRouteStatusChangeNotifyer
{
public:
    virtual ~CRouteStatusChangeNotifyer() = default;
    virtual void RouteChanged(CRoute& route) = 0;
};

// Installing a notifier destroys the one installed before; none uninstalls.
void InstallRouteStatusChangeNotifyer(std::unique_ptr<CRouteStatusChangeNotifyer> notifyer);
// The installed notifier, or none.
CRouteStatusChangeNotifyer* GetRouteStatusChangeNotifyer();
