// Colour categories of lanes and lane connectors, their cache and the two notifiers that
// invalidate it.
#pragma once

#include "routing/route_status_notifyer.h"

#include <cstdint>

class CCapacityLane;
class CCarouselLaneConnector;
class CNetwork;
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

// The category of a lane or connector: 4 when selected with the selection shown; otherwise
// from the routes through it (non-permitted ones skipped when the network's categories are
// worked out for permitted routes only): 3 at the first that is the selected route while the
// selected route is shown, else 1 when a route in the filter is permitted, else 2 when a route
// in the filter is not, else 0. A lane-change connector is always 5. Cached in the object.
int LaneCategory(const CCapacityLane& lane);
int ConnectorCategory(const CCarouselLaneConnector& connector);

// Drops the cached categories of every lane and connector of the network.
void InvalidateAllCategories(const CNetwork& network);

// Keeps the network's category rules in step with a drawing pass: a change of the
// permitted-only switch or of the selected route invalidates every cached category.
void SetCategoryRules(CNetwork& network, bool permittedOnly, std::uint32_t selectedRouteId);

// The drawing part of a route: the lanes and connectors it passes through.
class CRouteGraphics
{
public:
    explicit CRouteGraphics(const CRoute& route) : m_route(route) {}
    // Drops the cached categories of the route's connectors and of the lanes they join.
    void Invalidate() const;

private:
    const CRoute& m_route;
};

// Installed as the route-status notifier: a route whose permission or filter flag changed
// has its lanes and connectors recoloured.
class CRouteGraphicsRefreshHandler : public CRouteStatusChangeNotifyer
{
public:
    void RouteChanged(CRoute& route) override;
};

// Told once after the route filter was refreshed: every route's drawing is invalidated.
class CInvalidateGraphicsOnFilterRefresh
{
public:
    explicit CInvalidateGraphicsOnFilterRefresh(const CNetwork& network) : m_network(network) {}
    virtual ~CInvalidateGraphicsOnFilterRefresh() = default;
    virtual void Refreshed();

private:
    const CNetwork& m_network;
};
