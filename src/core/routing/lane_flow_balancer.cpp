// Lane flow balancing of one arm, and the two balance commands.
#include "routing/lane_flow_balancer.h"

#include "model/network.h"
#include "model/zone_collection.h"
#include "graph/feedback.h"
#include "model/route.h"

#include <algorithm>
#include <unordered_map>

CLaneFlowBalancer::CLaneFlowBalancer(CArm& arm, CFlowGroup* group) : m_arm(&arm), m_group(group) {}

std::vector<CZone*> CLaneFlowBalancer::DestinationZones() const
{
    // Every route that passes the arm's lanes counts, whatever its permission or lock.
    CZoneCollection zones;
    const CCapLanes& lanes = m_arm->GetLanes();
    for (std::uint32_t n = 1; n <= lanes.GetCount(); ++n) {
        for (const CRoute* route : lanes.GetLane(n)->GetStopLineRoutes()) {
            zones.Add(route->GetDestinationZone());
        }
    }
    return zones.GetZones();
}

void CLaneFlowBalancer::Distribute()
{
    if (!m_group) {
        return;
    }
    const std::vector<CZone*> zones = DestinationZones();
    const CCapLanes& lanes = m_arm->GetLanes();
    std::vector<CRoute*> toZone;
    for (std::uint32_t n = 1; n <= lanes.GetCount(); ++n) {
        const CRouteCollection stopLine = lanes.GetLane(n)->GetStopLineRoutes();
        for (const CZone* zone : zones) {
            toZone.clear();
            for (CRoute* route : stopLine) {
                if (route->GetDestinationZone() == zone) {
                    toZone.push_back(route);
                }
            }
            std::size_t permitted = 0;
            for (CRoute* route : toZone) {
                if (!route->IsLocked(m_group)) {
                    route->SetFlow(m_group, 0.0);
                }
                permitted += route->IsPermitted() ? 1 : 0;
            }
            for (CRoute* route : toZone) {
                if (route->IsPermitted() && !route->IsLocked(m_group)) {
                    route->SetFlow(m_group, route->HasProportion(m_group)
                                                ? route->GetProportion(m_group)
                                                : 1.0 / static_cast<double>(permitted));
                }
            }
        }
    }
}

void CLaneFlowBalancer::Prepare()
{
    m_slots.clear();
    m_lanes.clear();
    m_destinations.clear();

    const std::vector<CZone*> zones = DestinationZones();
    const CCapLanes& lanes = m_arm->GetLanes();
    const CZone* origin = m_arm->GetZone();
    const CNetwork* network = m_arm->GetNetwork();
    std::unordered_map<const CZone*, std::size_t> destinationIndex;
    m_destinations.resize(zones.size());
    for (std::size_t d = 0; d < zones.size(); ++d) {
        destinationIndex.emplace(zones[d], d);
        const CODMovement* movement =
            origin && network ? network->GetODMovements().Find(origin, zones[d]) : nullptr;
        m_destinations[d].desired = m_group->GetDesiredFlow(movement);
        m_destinations[d].slotsPerLane.resize(lanes.GetCount());
    }
    m_originTotal = origin ? static_cast<double>(m_group->GetOriginTotal(origin)) : 0.0;

    std::unordered_map<const CRoute*, std::uint32_t> slotOf;
    m_lanes.resize(lanes.GetCount());
    for (std::uint32_t n = 1; n <= lanes.GetCount(); ++n) {
        CLaneState& lane = m_lanes[n - 1];
        for (CRoute* route : lanes.GetLane(n)->GetStopLineRoutes()) {
            if (!route->IsPermitted()) {
                continue; // held at 0 by the route itself
            }
            auto [it, added] = slotOf.emplace(route, static_cast<std::uint32_t>(m_slots.size()));
            if (added) {
                m_slots.push_back({route, route->GetFlow(m_group), route->IsLocked(m_group)});
            }
            lane.slots.push_back(it->second);
            lane.allLocked = lane.allLocked && m_slots[it->second].locked;
            auto destination = destinationIndex.find(route->GetDestinationZone());
            if (destination != destinationIndex.end()) {
                m_destinations[destination->second].slotsPerLane[n - 1].push_back(it->second);
            }
        }
        lane.lockedFlow = Sum(lane.slots, true);
    }
}

double CLaneFlowBalancer::Sum(const std::vector<std::uint32_t>& slots, bool lockedOnly) const
{
    double sum = 0.0;
    for (std::uint32_t s : slots) {
        if (!lockedOnly || m_slots[s].locked) {
            sum += m_slots[s].flow;
        }
    }
    return sum;
}

void CLaneFlowBalancer::ScaleUnlocked(const std::vector<std::uint32_t>& slots, double factor)
{
    for (std::uint32_t s : slots) {
        if (!m_slots[s].locked) {
            m_slots[s].flow *= factor;
        }
    }
}

void CLaneFlowBalancer::LaneBalance()
{
    double total = m_originTotal;
    double lanesLeft = static_cast<double>(m_lanes.size());
    std::vector<const CLaneState*> open;
    for (const CLaneState& lane : m_lanes) {
        if (lane.allLocked) {
            total -= lane.lockedFlow;
            lanesLeft -= 1.0;
        } else {
            open.push_back(&lane);
        }
    }
    std::stable_sort(open.begin(), open.end(), [](const CLaneState* a, const CLaneState* b) {
        return a->lockedFlow < b->lockedFlow;
    });
    for (const CLaneState* lane : open) {
        const double target = total / lanesLeft;
        const double locked = lane->lockedFlow;
        if (locked < target) {
            const double unlocked = Sum(lane->slots, false) - locked;
            if (unlocked > Epsilon) {
                ScaleUnlocked(lane->slots, (target - locked) / unlocked);
                total -= target;
            }
        } else {
            ScaleUnlocked(lane->slots, Epsilon);
            total -= locked;
        }
        lanesLeft -= 1.0;
    }
}

void CLaneFlowBalancer::DestinationBalance()
{
    for (const CDestinationState& destination : m_destinations) {
        double all = 0.0;
        double locked = 0.0;
        for (const auto& slots : destination.slotsPerLane) {
            all += Sum(slots, false);
            locked += Sum(slots, true);
        }
        double unlocked = all - locked;
        double factor = Epsilon;
        if (destination.desired > 0.0) {
            unlocked = std::max(unlocked, Epsilon);
            if (destination.desired > locked) {
                factor = (destination.desired - locked) / unlocked;
            }
        }
        for (const auto& slots : destination.slotsPerLane) {
            ScaleUnlocked(slots, factor);
        }
    }
}

bool CLaneFlowBalancer::Balance(int iterations, CFeedback* feedback, double progressFrom,
                                double progressTo)
{
    if (iterations < 1 || !m_group) {
        return true;
    }
    Prepare();
    for (int i = 0; i < iterations; ++i) {
        if (IsCancelled(feedback)) {
            return false;
        }
        LaneBalance();
        DestinationBalance();
        if (feedback) {
            feedback->SetProgress(progressFrom +
                                  (progressTo - progressFrom) * (i + 1) / iterations);
        }
    }
    for (const CSlot& slot : m_slots) {
        if (!slot.locked) {
            slot.route->SetFlow(m_group, slot.flow);
        }
    }
    return true;
}

bool IsBalanceableArm(const CArm& arm)
{
    return arm.GetKind() == ArmKind::Entry && arm.GetZone() != nullptr;
}

namespace
{

bool BalanceArm(CArm& arm, CFlowGroup* group, CFeedback* feedback, double progressFrom,
                double progressTo)
{
    if (!IsBalanceableArm(arm) || IsCancelled(feedback)) {
        return false;
    }
    CLaneFlowBalancer balancer(arm, group);
    balancer.Distribute();
    return balancer.Balance(CLaneFlowBalancer::CommandIterations, feedback, progressFrom,
                            progressTo);
}

} // namespace

bool BalanceLaneFlowsOnArm(CArm& arm, CFlowGroup* group, CFeedback* feedback)
{
    return BalanceArm(arm, group, feedback, 0.0, 100.0);
}

std::size_t BalanceLaneFlowsOnAllArms(CNetwork& network, CFlowGroup* group, CFeedback* feedback)
{
    std::size_t balanced = 0;
    CArms& arms = network.GetArms();
    const double share = 100.0 / std::max<std::uint32_t>(arms.GetCount(), 1);
    for (std::uint32_t n = 1; n <= arms.GetCount() && !IsCancelled(feedback); ++n) {
        balanced +=
            BalanceArm(*arms.GetArm(n), group, feedback, share * (n - 1), share * n) ? 1 : 0;
        if (feedback) {
            feedback->SetProgress(share * n);
        }
    }
    return balanced;
}
