// Colour categories of lanes and lane connectors, and the two notifiers that invalidate them.
#pragma once

#include "model/route_filter_refresh_notifyer.h"
#include "model/route_status_notifyer.h"

class CCapacityLane;
class CCarouselLaneConnector;
class CNetworkViewState;
class CNetworkViewStates;
class CRoute;

namespace ColourCategory
{
constexpr int Normal = 0;
constexpr int FilteredPermitted = 1;
constexpr int FilteredNotPermitted = 2;
constexpr int SelectedRoute = 3;
constexpr int SelectedItem = 4;
constexpr int NotDrawn = 5; // lane-change connectors
constexpr int Count = 6;
} // namespace ColourCategory

// The category of a lane or connector in a view: 4 when it is selected there and the selection
// is shown; otherwise from the routes through it (non-permitted ones skipped under the
// permitted-only rule): 3 at the first route the view has selected while selected routes are
// shown, else 1 when a route in the filter is permitted, else 2 when a route in the filter is
// not, else 0. A lane-change connector is always 5. Not cached: CNetworkViewState caches.
int ComputeLaneCategory(const CCapacityLane& lane, const CNetworkViewState& state);
int ComputeConnectorCategory(const CCarouselLaneConnector& connector,
                             const CNetworkViewState& state);

// Installed by the document as the route-status notifier: a route whose permission or filter
// flag changed is recoloured in every view of that document.
class CRouteGraphicsRefreshHandler : public CRouteStatusChangeNotifyer
{
public:
    explicit CRouteGraphicsRefreshHandler(const CNetworkViewStates& states) : m_states(states) {}
    void RouteChanged(CRoute& route) override;
    bool Serves(const CNetworkViewStates& states) const { return &states == &m_states; }

private:
    const CNetworkViewStates& m_states;
};

// Installed by the document on its network: after the route filter was refreshed every view
// works its categories out again.
class CInvalidateGraphicsOnFilterRefresh : public CRouteFilterRefreshNotifyer
{
public:
    explicit CInvalidateGraphicsOnFilterRefresh(const CNetworkViewStates& states) : m_states(states)
    {}
    void Refreshed() override;

private:
    const CNetworkViewStates& m_states;
};
