// Normalising coupled proportions.
#include "model/route_flows.h"

#include "model/network.h"
#include "model/zone_collection.h"
#include "model/route.h"
#include "model/route_collection.h"

#include <cmath>

namespace
{

constexpr double Tolerance = 1e-6;

} // namespace

void NormaliseCoupledGroup(const CRouteCollection& group, CFlowGroup* flowGroup)
{
    if (!flowGroup) {
        return;
    }
    const auto n = static_cast<double>(group.GetCount());
    std::uint32_t k = 0;
    double sum = 0.0;
    for (const CRoute* route : group) {
        if (route->HasProportion(flowGroup)) {
            ++k;
            sum += route->GetProportion(flowGroup);
        }
    }
    if (group.GetCount() == 1) {
        if (k == 1) {
            group.First()->SetProportion(flowGroup, -1.0);
        }
        return;
    }
    if (group.IsEmpty() || k == 0) {
        return;
    }
    const double equal = 1.0 / n;
    if (k == group.GetCount()) {
        if (std::fabs(sum - 1.0) <= Tolerance) {
            return;
        }
        for (CRoute* route : group) {
            route->SetProportion(flowGroup,
                                 sum <= Tolerance ? equal : route->GetProportion(flowGroup) / sum);
        }
        return;
    }
    const double f = sum > Tolerance ? static_cast<double>(k) / (n * sum) : 0.0;
    for (CRoute* route : group) {
        if (route->HasProportion(flowGroup) && f > Tolerance) {
            route->SetProportion(flowGroup, route->GetProportion(flowGroup) * f);
        } else {
            route->SetProportion(flowGroup, equal);
        }
    }
}

void NormaliseProportionsOnArm(CArm& arm, CFlowGroup* flowGroup)
{
    if (!flowGroup) {
        return;
    }
    CCapLanes& lanes = arm.GetLanes();
    CZoneCollection zones;
    for (std::uint32_t n = 1; n <= lanes.GetCount(); ++n) {
        for (const CRoute* route : lanes.GetLane(n)->GetStopLineRoutes()) {
            zones.Add(route->GetDestinationZone());
        }
    }
    for (const CZone* zone : zones.GetZones()) {
        for (std::uint32_t n = 1; n <= lanes.GetCount(); ++n) {
            NormaliseCoupledGroup(lanes.GetLane(n)->GetCoupledGroup(flowGroup, zone), flowGroup);
        }
    }
}

void NormaliseAllArms(CNetwork& network)
{
    CFlowGroups& groups = network.GetFlowGroups();
    CArms& arms = network.GetArms();
    for (std::uint32_t g = 1; g <= groups.GetCount(); ++g) {
        for (std::uint32_t a = 1; a <= arms.GetCount(); ++a) {
            CArm* arm = arms.GetArm(a);
            if (arm->GetKind() == ArmKind::Entry) {
                NormaliseProportionsOnArm(*arm, groups.GetFlowGroup(g));
            }
        }
    }
}

CValidationResult ValidateCoupledProportion(double proportion)
{
    if (!(proportion >= -Tolerance && proportion <= 1.000001)) {
        return CValidationResult::Refuse("Value must be in the range 0 to 100%");
    }
    return CValidationResult::Accept();
}
