// Building routes over the network and dropping the ones an edit invalidates.
#include "model/routes.h"

#include "model/network.h"
#include "model/route_collection.h"
#include "graph/route_discoverer.h"
#include "model/route_filter.h"

#include <algorithm>
#include <vector>

CRoutes::CRoutes(CNetwork* network) : m_network(network) {}

CRoutes::~CRoutes()
{
    // Our routes must die while we are still a CRoutes.
    RemoveAllRoutes();
}

std::unique_ptr<Routing::CDiscoveredRoute>
CRoutes::CreateRoute(Routing::CDiscoveredRoutes* owner, std::uint32_t id, std::uint32_t number)
{
    return std::make_unique<CRoute>(static_cast<CRoutes*>(owner), id, number);
}

CRoute* CRoutes::AddRoute()
{
    return static_cast<CRoute*>(AddNewRoute());
}

CRoute* CRoutes::GetRoute(std::uint32_t number) const
{
    return static_cast<CRoute*>(GetRouteByNumber(number));
}

CRoute* CRoutes::GetRouteById(std::uint32_t id) const
{
    return static_cast<CRoute*>(Routing::CDiscoveredRoutes::GetRouteById(id));
}

void CRoutes::DiscoverRoutes()
{
    DiscoverRoutes(nullptr);
}

bool CRoutes::DiscoverRoutes(CFeedback* feedback)
{
    if (!m_network) {
        return true;
    }
    // When cancelled or past the limit, the routes added so far are removed again; only routes
    // were appended, so dropping those behind the old count restores them.
    const std::size_t before = GetCount();
    auto takeBack = [&] {
        std::vector<Routing::CDiscoveredRoute*> added;
        for (std::size_t i = before; i < GetCount(); ++i) {
            added.push_back(GetRoutes()[i].get());
        }
        Routing::CDiscoveredRoutes::RemoveRoutes(added);
        return false;
    };
    const double origins = std::max<double>(1.0, m_network->GetZones().GetCount());
    double originsDone = 0.0;
    // Arm kinds cannot change while we search; computing them once per arm instead of at
    // every step of the search is most of the time saved on a large network.
    CArms& arms = m_network->GetArms();
    CArmKindFreeze freeze(arms);
    Routing::CRouteDiscoverer discoverer(*this, feedback);
    discoverer.SetRouteLimit(MaxRoutes);
    const CODMovements& movements = m_network->GetODMovements();
    // Movements come by origin first: one search per lane of an origin serves all of its
    // destinations, and the routes are then added in movement order as if searched one by one.
    const CODMovement* movement = movements.First();
    std::vector<const Routing::CRouteableNodeGroup*> targets;
    while (movement) {
        const CZone* origin = movement->GetOrigin();
        targets.clear();
        for (; movement && movement->GetOrigin() == origin; movement = movements.Next(movement)) {
            if (const CArm* exit = movement->GetDestination()->GetExitArm()) {
                targets.push_back(exit);
            }
        }
        const CArm* entry = origin->GetEntryArm();
        originsDone += 1.0;
        if (!entry || targets.empty()) {
            if (feedback) {
                feedback->SetProgress(100.0 * originsDone / origins);
            }
            continue;
        }
        discoverer.BeginCollecting(targets);
        const CCapLanes& lanes = entry->GetLanes();
        for (std::uint32_t n = 1;
             n <= lanes.GetCount() && !IsCancelled(feedback) && !discoverer.LimitReached(); ++n) {
            const CCapacityLane* lane = lanes.GetLane(n);
            if (!lane->IsShort()) {
                discoverer.CollectFrom(*lane);
            }
            if (feedback) {
                feedback->SetProgress(
                    100.0 * (originsDone - 1.0 + static_cast<double>(n) / lanes.GetCount()) /
                    origins);
            }
        }
        if (IsCancelled(feedback)) {
            return takeBack();
        }
        discoverer.AddCollected();
        if (discoverer.LimitReached()) {
            return takeBack();
        }
    }
    if (feedback) {
        feedback->SetProgress(100.0);
    }
    if (IsCancelled(feedback)) {
        return takeBack();
    }
    RefreshInFilterFlags();
    return true;
}

bool CRoutes::RemoveRoute(CRoute& route)
{
    if (route.GetOwner() != this || GetRouteByNumber(route.GetNumber()) != &route) {
        return false;
    }
    return Routing::CDiscoveredRoutes::RemoveRoute(route.GetNumber());
}

std::size_t CRoutes::RemoveRoutes(const CRouteCollection& routes)
{
    // Copy first: the collection may be a connector's, which shrinks as the routes go.
    const std::vector<CRoute*> doomed = routes.GetRoutes();
    const std::vector<Routing::CDiscoveredRoute*> held(doomed.begin(), doomed.end());
    return Routing::CDiscoveredRoutes::RemoveRoutes(held);
}

void CRoutes::BeforeRemoveAllRoutes()
{
    if (!m_network) {
        return;
    }
    for (CCarouselLaneConnector* connector :
         m_network->GetLaneConnectors().GetConnectorsInCreationOrder()) {
        connector->GetRoutes().Clear();
    }
}

std::size_t CRoutes::RemoveRoutesOfZone(const CZone& zone)
{
    CRouteCollection doomed;
    for (const auto& held : GetRoutes()) {
        auto* route = static_cast<CRoute*>(held.get());
        if (route->GetOriginZone() == &zone || route->GetDestinationZone() == &zone) {
            doomed.Add(route);
        }
    }
    return RemoveRoutes(doomed);
}

std::size_t CRoutes::RemoveRoutesOfArm(const CArm& arm)
{
    CRouteCollection doomed;
    for (const auto& held : GetRoutes()) {
        auto* route = static_cast<CRoute*>(held.get());
        if (route->GetOriginArm() == &arm || route->GetDestinationArm() == &arm) {
            doomed.Add(route);
        }
    }
    return RemoveRoutes(doomed);
}

void CRoutes::RefreshInFilterFlags()
{
    if (m_network) {
        RefreshRouteFilter(*m_network);
    }
}

void CRoutes::OnLaneConnectorRemoving(CCarouselLaneConnector& connector)
{
    RemoveRoutes(connector.GetRoutes());
}

void CRoutes::OnZoneRemoving(CZone& zone)
{
    RemoveRoutesOfZone(zone);
}

void CRoutes::OnZoneArmDetaching(CZone& zone, CArm& previousArm)
{
    (void)zone;
    RemoveRoutesOfArm(previousArm);
}
