// A route of the network: a list of lane connectors from an entry lane to an exit lane.
#pragma once

#include "model/carousel_lane_connector.h"
#include "graph/discovered_route.h"
#include "model/flow_group.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class CArm;
class CCapacityLane;
class CNetwork;
class CRoutes;
class CZone;

// A route held by CRoutes. Its edges are always the network's lane connectors; each connector's
// route collection is kept in step through OnEdgeAdded/OnEdgeRemoved, and destroying a route
// takes it out of those collections and deletes its flow record in every flow group.
// Permission is per route; flow, lock and coupled proportion are per flow group, and the route
// remembers the values of the last group it read so that drawing and balancing do not search
// the group's map each time (the group refreshes that memory whenever it changes the record).
class CRoute : public Routing::CDiscoveredRoute, public virtual Routing::CEdgeRoute
{
public:
    CRoute(CRoutes* owner, std::uint32_t id, std::uint32_t number);
    ~CRoute() override;

    CRoutes* GetRoutes() const;
    CNetwork* GetNetwork() const;

    std::size_t GetConnectorCount() const { return GetLength(); }
    // Inline: lane flows walk the connectors of every route through every lane drawn.
    CCarouselLaneConnector* GetConnector(std::size_t index) const
    {
        return AsConnector(GetEdge(index));
    }

    // Where the route leaves each lane it uses: the lane a connector starts from and the
    // arm-to-arm steps made before it (lane changes are not steps), in route order; and the
    // steps in all. Kept, with the end arms, until the connectors change: lane flows ask for
    // every route through every lane drawn.
    struct CLaneExit
    {
        const CLane* lane;
        std::uint32_t stepsBefore;
    };
    std::span<const CLaneExit> GetLaneExits() const
    {
        if (!m_laneExitsKnown) {
            BuildLaneExits();
        }
        return m_laneExits;
    }
    std::uint32_t GetStepCount() const
    {
        if (!m_laneExitsKnown) {
            BuildLaneExits();
        }
        return m_stepCount;
    }

    // Derived ends; none for an empty route (or a missing zone).
    CCapacityLane* GetOriginLane() const;
    CCapacityLane* GetDestinationLane() const;
    CArm* GetOriginArm() const;
    CArm* GetDestinationArm() const;
    CZone* GetOriginZone() const;
    CZone* GetDestinationZone() const;
    // The lane where the route crosses the stop line out of its origin arm (lane changes on the
    // origin arm skipped), and the lane where it enters its destination arm.
    CCapacityLane* GetOriginStopLineLane() const;
    CCapacityLane* GetDestinationStopLineLane() const;
    // Returns to an arm on an infinitely long lane it already left; short lanes do not count.
    bool IsCircular() const;

    bool IsPermitted() const { return m_permitted; }
    // Stores the flag; a route that is no longer permitted loses flow, lock and proportion in
    // every flow group; proportions on its origin arm are normalised for every group and the
    // route-status notifier is told.
    void SetPermitted(bool permitted);
    bool IsInFilter() const { return m_inFilter; }
    void SetInFilter(bool inFilter) { m_inFilter = inFilter; }

    // Flow operations; with no group the getters read a route without record and the setters
    // do nothing.
    double GetFlow(const CFlowGroup* group) const;
    bool IsLocked(const CFlowGroup* group) const;
    double GetProportion(const CFlowGroup* group) const;
    bool HasProportion(const CFlowGroup* group) const;
    // Stores the value when permitted, 0.0 otherwise.
    void SetFlow(CFlowGroup* group, double flow);
    void ScaleFlow(CFlowGroup* group, double factor);
    // -1.0 clears the proportion. Does not normalise.
    void SetProportion(CFlowGroup* group, double proportion);
    // Locking clears the proportion; then the proportions on the origin arm are normalised.
    void SetLocked(CFlowGroup* group, bool locked);

    // Called by the flow group when it changes or drops this route's record.
    void RefreshFlowCache(const CFlowGroup& group, const CRouteFlowRecord& record) const;
    void ForgetFlowGroup(const CFlowGroup& group) const;

protected:
    void OnEdgeAdded(Routing::CRouteableEdge* edge) override;
    void OnEdgeRemoved(Routing::CRouteableEdge* edge) override;

private:
    // Every edge of a route is a lane connector of its network.
    static CCarouselLaneConnector* AsConnector(Routing::CRouteableEdge* edge)
    {
        return static_cast<CCarouselLaneConnector*>(static_cast<CRoutedLaneConnector*>(edge));
    }
    const CRouteFlowRecord& Cached(const CFlowGroup& group) const;
    void BuildLaneExits() const;

    bool m_permitted = true;
    bool m_inFilter = true;
    mutable const CFlowGroup* m_cachedGroup = nullptr;
    mutable CRouteFlowRecord m_cachedRecord;
    mutable std::vector<CLaneExit> m_laneExits;
    mutable std::uint32_t m_stepCount = 0;
    mutable CArm* m_originArm = nullptr;
    mutable CArm* m_destinationArm = nullptr;
    mutable bool m_laneExitsKnown = false;
};

// True when the value is a proportion (-1.0 stands for none; anything from -0.5 up counts).
inline bool IsProportion(double value)
{
    return value >= -0.5;
}

// The route's status in the group: "Locked", "Shared between routes 3(40%) 5(60%)",
// "Shared equally between Routes 3 5", or empty.
std::string RouteStatusText(const CRoute& route, const CFlowGroup* group);
