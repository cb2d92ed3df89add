// The network's routes: discovery ("Build Routes") and the removals that keep them consistent.
#pragma once

#include "model/network_observer.h"
#include "graph/discovered_route.h"
#include "graph/feedback.h"
#include "model/route.h"

#include <cstddef>
#include <cstdint>

class CArm;
class CNetwork;
class CRouteCollection;
class CZone;

// The numbered routes of one network. It listens to the network: a connector, zone or zone arm
// that goes takes its routes with it. DiscoverRoutes walks the OD movements in key order and,
// for each, the infinitely long lanes of the origin's entry arm in lane order, appending every
// route not held yet; routes kept from earlier builds keep number, id and flows. Given a feedback
// object, it reports progress by start lane and, when cancelled, removes what it added and
// refreshes nothing, leaving the routes exactly as they were. A network holds at most MaxRoutes
// routes, the most that the five columns of the network file's route count hold: a search that
// would pass it stops the same way.
class CRoutes : public Routing::CDiscoveredRoutes, public CNetworkObserver
{
public:
    explicit CRoutes(CNetwork* network);
    ~CRoutes() override;

    CNetwork* GetNetwork() const { return m_network; }

    static constexpr std::uint32_t MaxRoutes = 99999;

    void DiscoverRoutes() override;
    // False when cancelled or stopped at MaxRoutes, the routes left as they were either way
    // (IsCancelled on the feedback tells which).
    bool DiscoverRoutes(CFeedback* feedback);

    // A new, empty route at count + 1 (what the file reader fills with AppendEdge).
    CRoute* AddRoute();
    CRoute* GetRoute(std::uint32_t number) const;
    CRoute* GetRouteById(std::uint32_t id) const;
    std::uint32_t GetRouteCount() const { return static_cast<std::uint32_t>(GetCount()); }

    // Removes the route (false when it is not one of ours).
    bool RemoveRoute(CRoute& route);
    using Routing::CDiscoveredRoutes::RemoveRoute;
    // Removes every route of the collection; returns how many went.
    std::size_t RemoveRoutes(const CRouteCollection& routes);
    std::size_t RemoveRoutesOfZone(const CZone& zone);
    std::size_t RemoveRoutesOfArm(const CArm& arm);

    // Sets every route's in-filter flag from the network's route filter.
    void RefreshInFilterFlags();

    void OnLaneConnectorRemoving(CCarouselLaneConnector& connector) override;
    void OnZoneRemoving(CZone& zone) override;
    void OnZoneArmDetaching(CZone& zone, CArm& previousArm) override;

protected:
    std::unique_ptr<Routing::CDiscoveredRoute>
    CreateRoute(Routing::CDiscoveredRoutes* owner, std::uint32_t id, std::uint32_t number) override;
    // Empties every connector's route collection at once; dropping each route from the front
    // of every collection in turn would be quadratic.
    void BeforeRemoveAllRoutes() override;

private:
    CNetwork* m_network;
};
