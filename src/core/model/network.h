// One network: arms, connectors, OD movements, zones and flow groups, and what links them.
#pragma once

#include "model/arm.h"
#include "model/capacity_assessor.h"
#include "model/carousel_lane_connector.h"
#include "model/network_observer.h"
#include "model/zone.h"
#include "model/flow_group.h"
#include "model/od_movement.h"
#include "model/route_filter_refresh_notifyer.h"
#include "model/routes.h"

#include <cstdint>
#include <memory>
#include <vector>

// The route filter: ids of the origin and destination zone, arm and lane; 0 leaves that
// criterion unused.
struct CRouteFilter
{
    std::uint32_t originZoneId = 0;
    std::uint32_t originArmId = 0;
    std::uint32_t originLaneId = 0;
    std::uint32_t destinationZoneId = 0;
    std::uint32_t destinationArmId = 0;
    std::uint32_t destinationLaneId = 0;
    friend bool operator==(const CRouteFilter&, const CRouteFilter&) = default;
};

// The container of one network. Members are declared in the order they are built and so torn
// down in reverse: assessors and flow groups before zones, zones before movements, routes
// before connectors, connectors before arms; the routes are emptied first of all, while the
// flow groups that hold their records are still there. The routes and the capacity assessors
// are observers of their own network; outside observers are not told during teardown.
class CNetwork
{
public:
    CNetwork();
    virtual ~CNetwork();
    CNetwork(const CNetwork&) = delete;
    CNetwork& operator=(const CNetwork&) = delete;

    CArms& GetArms() { return m_arms; }
    const CArms& GetArms() const { return m_arms; }
    CCarouselLaneConnectors& GetLaneConnectors() { return m_laneConnectors; }
    const CCarouselLaneConnectors& GetLaneConnectors() const { return m_laneConnectors; }
    CRoutes& GetRoutes() { return m_routes; }
    const CRoutes& GetRoutes() const { return m_routes; }
    CODMovements& GetODMovements() { return m_odMovements; }
    const CODMovements& GetODMovements() const { return m_odMovements; }
    CZones& GetZones() { return m_zones; }
    const CZones& GetZones() const { return m_zones; }
    CFlowGroups& GetFlowGroups() { return m_flowGroups; }
    const CFlowGroups& GetFlowGroups() const { return m_flowGroups; }
    CCapacityAssessors& GetCapacityAssessors() { return m_capacityAssessors; }
    const CCapacityAssessors& GetCapacityAssessors() const { return m_capacityAssessors; }

    CFlowGroup* GetCurrentFlowGroup() const { return m_currentFlowGroup; }
    // Accepts none or a flow group of this network; false (and no change) otherwise.
    bool SetCurrentFlowGroup(CFlowGroup* group);

    CRouteFilter& GetRouteFilter() { return m_routeFilter; }
    const CRouteFilter& GetRouteFilter() const { return m_routeFilter; }
    // The network owns the filter-refresh listener; installing one destroys the previous one.
    void SetRouteFilterRefreshNotifyer(std::unique_ptr<CRouteFilterRefreshNotifyer> notifyer)
    {
        m_filterRefreshNotifyer = std::move(notifyer);
    }
    CRouteFilterRefreshNotifyer* GetRouteFilterRefreshNotifyer() const
    {
        return m_filterRefreshNotifyer.get();
    }

    // Observers are not owned; remove one before it dies.
    void AddObserver(CNetworkObserver* observer);
    void RemoveObserver(CNetworkObserver* observer);

    // Called by the collections before they take an object away.
    void NotifyLaneConnectorRemoving(CCarouselLaneConnector& connector);
    void NotifyZoneRemoving(CZone& zone);
    void NotifyZoneArmDetaching(CZone& zone, CArm& previousArm);
    void NotifyArmRemoving(CArm& arm);

private:
    CArms m_arms;
    CCarouselLaneConnectors m_laneConnectors;
    CRoutes m_routes;
    CODMovements m_odMovements;
    CZones m_zones;
    CFlowGroups m_flowGroups;
    CCapacityAssessors m_capacityAssessors;
    CFlowGroup* m_currentFlowGroup = nullptr;
    CRouteFilter m_routeFilter;
    std::unique_ptr<CRouteFilterRefreshNotifyer> m_filterRefreshNotifyer;
    std::vector<CNetworkObserver*> m_observers;
};
