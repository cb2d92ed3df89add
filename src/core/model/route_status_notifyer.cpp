// The one installed route status notifier.
#include "model/route_status_notifyer.h"

namespace
{

std::unique_ptr<CRouteStatusChangeNotifyer>& Installed()
{
    static std::unique_ptr<CRouteStatusChangeNotifyer> notifyer;
    return notifyer;
}

} // namespace

void InstallRouteStatusChangeNotifyer(std::unique_ptr<CRouteStatusChangeNotifyer> notifyer)
{
    Installed() = std::move(notifyer);
}

CRouteStatusChangeNotifyer* GetRouteStatusChangeNotifyer()
{
    return Installed().get();
}
