// The arm's lane container makes capacity lanes.
#include "model/capacity_lane.h"

#include "model/arm.h"
#include "model/routed_lane_connector.h"
#include "model/route.h"

std::unique_ptr<CLane> CCapLanes::CreateLane(std::uint32_t number)
{
    return std::make_unique<CCapacityLane>(this, number);
}

CCapacityLane* CCapLanes::InsertLane(std::uint32_t number)
{
    return static_cast<CCapacityLane*>(CLanes::InsertLane(number));
}

CCapacityLane* CCapLanes::GetLane(std::uint32_t number) const
{
    return static_cast<CCapacityLane*>(CLanes::GetLane(number));
}

CCapacityLane* CCapLanes::GetLaneById(std::uint32_t id) const
{
    return static_cast<CCapacityLane*>(CLanes::GetLaneById(id));
}

CRouteCollection CCapacityLane::GetStopLineRoutes() const
{
    CRouteCollection routes;
    const CArm* arm = GetArm();
    for (CLaneConnector* connector : GetOutgoingConnectors()) {
        if (connector->GetToLane()->GetArm() != arm) {
            routes.AddAll(static_cast<CRoutedLaneConnector*>(connector)->GetRoutes());
        }
    }
    if (arm && arm->GetKind() == ArmKind::Exit) {
        for (CLaneConnector* connector : GetIncomingConnectors()) {
            if (connector->GetFromLane()->GetArm() != arm) {
                routes.AddAll(static_cast<CRoutedLaneConnector*>(connector)->GetRoutes());
            }
        }
    }
    return routes;
}

CRouteCollection CCapacityLane::GetInflowRoutes() const
{
    CRouteCollection routes;
    for (CLaneConnector* connector : GetIncomingConnectors()) {
        routes.AddAll(static_cast<CRoutedLaneConnector*>(connector)->GetRoutes());
    }
    const CArm* arm = GetArm();
    if (arm && arm->GetKind() == ArmKind::Entry) {
        for (CLaneConnector* connector : GetOutgoingConnectors()) {
            routes.AddAll(static_cast<CRoutedLaneConnector*>(connector)->GetRoutes());
        }
    }
    return routes;
}

double CCapacityLane::GetInflow(const CFlowGroup* group) const
{
    return GetInflowRoutes().SumPermittedFlows(group);
}

double CCapacityLane::GetStopLineFlow(const CFlowGroup* group) const
{
    return GetStopLineRoutes().SumPermittedFlows(group);
}

namespace
{

template <typename Pick>
double SumStopLine(const CCapacityLane& lane, const CFlowGroup* group, Pick pick)
{
    double sum = 0.0;
    for (const CRoute* route : lane.GetStopLineRoutes()) {
        if (route->IsPermitted() && pick(*route)) {
            sum += route->GetFlow(group);
        }
    }
    return sum;
}

} // namespace

double CCapacityLane::GetStopLineFlowTo(const CFlowGroup* group, const CZone* destination) const
{
    return SumStopLine(*this, group, [destination](const CRoute& r) {
        return r.GetDestinationZone() == destination;
    });
}

CRouteCollection CCapacityLane::GetCoupledGroup(const CFlowGroup* group,
                                                const CZone* destination) const
{
    CRouteCollection coupled;
    for (CRoute* route : GetStopLineRoutes()) {
        if (route->GetDestinationZone() == destination && route->IsPermitted() &&
            !route->IsLocked(group)) {
            coupled.Add(route);
        }
    }
    return coupled;
}
