// Generated roundabouts on the network model, and a route counter that mirrors the search.
#include "junction_generator.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace JunctionBench
{

namespace
{

constexpr std::int32_t FlareLength = 30;
constexpr std::size_t MaxRouteConnectors = 100;

struct CRing
{
    std::vector<CArm*> entries;
    std::vector<CArm*> exits;
    std::vector<CArm*> segments; // segment i runs from leg i to leg i + 1
};

constexpr std::uint32_t MaxArms = 99;

// Keeps the gap between legs on the ring what it is at 16 legs.
double RingScale(const JunctionShape& shape)
{
    return std::max(1.0, shape.legs / 16.0);
}

CArm* AppendArm(CNetwork& network, std::uint32_t lanes, double angle, double radius)
{
    CArm* arm = network.GetArms().InsertArm(network.GetArms().GetCount() + 1);
    for (std::uint32_t n = 1; n <= lanes; ++n) {
        arm->GetLanes().InsertLane(n);
    }
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    arm->SetPoints({5000.0 + radius * c, 5000.0 + radius * s},
                   {5000.0 + (radius + 400.0) * c, 5000.0 + (radius + 400.0) * s});
    return arm;
}

void Connect(CNetwork& network, CArm* from, std::uint32_t fromLane, CArm* to, std::uint32_t toLane)
{
    network.GetLaneConnectors().AddConnector(from->GetLanes().GetLane(fromLane),
                                             to->GetLanes().GetLane(toLane));
}

CRing MakeRing(CNetwork& network, const JunctionShape& shape, double offset)
{
    CRing ring;
    const std::uint32_t legs = shape.legs;
    const double step = 2.0 * std::numbers::pi / legs;
    const double scale = RingScale(shape);
    for (std::uint32_t i = 0; i < legs; ++i) {
        const double angle = offset + step * i;
        ring.entries.push_back(AppendArm(network, shape.lanes, angle - step / 6, 1200.0 * scale));
        ring.exits.push_back(AppendArm(network, shape.lanes, angle + step / 6, 1200.0 * scale));
        ring.segments.push_back(AppendArm(network, shape.lanes, angle + step / 2, 600.0 * scale));
    }
    const std::uint32_t k = shape.lanes;
    for (std::uint32_t i = 0; i < legs; ++i) {
        CArm* entry = ring.entries[i];
        CArm* segment = ring.segments[i];
        CArm* next = ring.segments[(i + 1) % legs];
        CArm* exit = ring.exits[(i + 1) % legs];
        for (std::uint32_t j = 1; j <= k; ++j) {
            Connect(network, entry, j, segment, j);
            Connect(network, segment, j, next, j);
            Connect(network, segment, j, exit, j);
        }
        if (shape.laneChanges) {
            for (std::uint32_t j = 1; j < k; ++j) {
                Connect(network, segment, j, segment, j + 1);
                Connect(network, segment, j + 1, segment, j);
            }
        }
        if (shape.flares) {
            // The flare goes in at the nearside, beside the former lane 1.
            CCapacityLane* flare = entry->GetLanes().InsertLane(1);
            flare->SetLength(FlareLength);
            Connect(network, entry, 2, entry, 1);
            Connect(network, entry, 1, segment, 1);
        }
    }
    return ring;
}

CArm* MakeLink(CNetwork& network, const JunctionShape& shape, CArm* from, CArm* to)
{
    CArm* link = AppendArm(network, shape.lanes, 0.0, 3000.0 * RingScale(shape));
    for (std::uint32_t j = 1; j <= shape.lanes; ++j) {
        Connect(network, from, j, link, j);
        Connect(network, link, j, to, j);
    }
    return link;
}

void AddZones(CNetwork& network, const CRing& ring)
{
    for (std::size_t i = 0; i < ring.entries.size(); ++i) {
        CZone* zone = network.GetZones().InsertZone(network.GetZones().GetCount() + 1);
        if (!zone || !zone->SetEntryArm(ring.entries[i]) || !zone->SetExitArm(ring.exits[i])) {
            throw std::logic_error("generated junction: zone not attached");
        }
    }
}

// Simple paths from `lane` with the search's rules; `onPath` marks lanes by id.
class CPathCounter
{
public:
    CPathCounter(const CArm& target, std::size_t cap) : m_target(target), m_cap(cap) {}

    std::size_t Count(const CLane& start)
    {
        m_onPath.assign(1, &start);
        m_count = 0;
        Walk(start, 0);
        return m_count;
    }

private:
    void Walk(const CLane& lane, std::size_t depth)
    {
        if (depth >= MaxRouteConnectors || m_count > m_cap) {
            return;
        }
        for (const CLaneConnector* connector : lane.GetOutgoingConnectors()) {
            const CLane* next = connector->GetToLane();
            bool seen = false;
            for (const CLane* held : m_onPath) {
                seen = seen || held == next;
            }
            if (seen) {
                continue;
            }
            const CArm* arm = next->GetArm();
            if (arm->GetKind() == ArmKind::Exit) {
                m_count += arm == &m_target ? 1 : 0;
                continue;
            }
            m_onPath.push_back(next);
            Walk(*next, depth + 1);
            m_onPath.pop_back();
        }
    }

    const CArm& m_target;
    std::size_t m_cap;
    std::vector<const CLane*> m_onPath;
    std::size_t m_count = 0;
};

// The kinds of shape ShapeForRouteCount chooses from; each grows with its number of legs.
const JunctionShape Kinds[] = {
    {3, 1, true, false, false}, {3, 2, true, false, false}, {3, 2, true, true, false},
    {3, 2, true, true, true},   {3, 3, true, true, false},  {3, 2, false, true, false},
};

} // namespace

CNetwork& MakeJunction(CNetwork& network, const JunctionShape& shape)
{
    const std::uint32_t arms = shape.twin ? 6 * shape.legs + 2 : 3 * shape.legs;
    if (shape.legs < 2 || arms > MaxArms || shape.lanes < 1 || shape.lanes > 9) {
        throw std::invalid_argument("junction shape out of range");
    }
    if (network.GetArms().GetCount() != 0 || network.GetZones().GetCount() != 0) {
        throw std::invalid_argument("junction generator needs an empty network");
    }
    const CRing first = MakeRing(network, shape, 0.0);
    AddZones(network, first);
    if (shape.twin) {
        const CRing second = MakeRing(network, shape, std::numbers::pi / shape.legs);
        AddZones(network, second);
        MakeLink(network, shape, first.segments[0], second.segments[0]);
        MakeLink(network, shape, second.segments[0], first.segments[0]);
    }
    CFlowGroup* group =
        network.GetFlowGroups().InsertFlowGroup(network.GetFlowGroups().GetCount() + 1);
    network.SetCurrentFlowGroup(group);
    return network;
}

std::size_t CountRoutes(const CNetwork& network, std::size_t cap)
{
    std::size_t count = 0;
    const CODMovements& movements = network.GetODMovements();
    for (const CODMovement* movement = movements.First(); movement;
         movement = movements.Next(movement)) {
        const CArm* entry = movement->GetOrigin()->GetEntryArm();
        const CArm* exit = movement->GetDestination()->GetExitArm();
        if (!entry || !exit) {
            continue;
        }
        CPathCounter counter(*exit, cap);
        for (std::uint32_t n = 1; n <= entry->GetLanes().GetCount(); ++n) {
            const CLane* lane = entry->GetLanes().GetLane(n);
            if (!lane->IsShort()) {
                count += counter.Count(*lane);
                if (count > cap) {
                    return count;
                }
            }
        }
    }
    return count;
}

std::size_t CountRoutes(const JunctionShape& shape, std::size_t cap)
{
    CNetwork network;
    MakeJunction(network, shape);
    CArmKindFreeze freeze(network.GetArms());
    return CountRoutes(network, cap);
}

JunctionShape ShapeForRouteCount(std::size_t target)
{
    JunctionShape best;
    double bestDistance = std::numeric_limits<double>::infinity();
    const std::size_t cap = 4 * target + 16;
    for (const JunctionShape& kind : Kinds) {
        for (std::uint32_t legs = 2; legs <= 16; ++legs) {
            JunctionShape shape = kind;
            shape.legs = legs;
            const std::size_t count = CountRoutes(shape, cap);
            // On a log scale: twice too many is as far off as half as many.
            const double distance = std::fabs(std::log(static_cast<double>(count) + 1.0) -
                                              std::log(static_cast<double>(target) + 1.0));
            if (distance < bestDistance) {
                best = shape;
                bestDistance = distance;
            }
            if (count > cap) {
                break; // more legs only give more routes
            }
        }
    }
    return best;
}

std::string Describe(const JunctionShape& shape)
{
    std::string text =
        "legs=" + std::to_string(shape.legs) + " lanes=" + std::to_string(shape.lanes);
    text += shape.flares ? " flares" : "";
    text += shape.laneChanges ? " lanechanges" : "";
    text += shape.twin ? " twin" : "";
    return text;
}

void SetSampleFlows(CNetwork& network)
{
    CFlowGroup* group = network.GetCurrentFlowGroup();
    if (!group) {
        return;
    }
    CRoutes& routes = network.GetRoutes();
    for (std::uint32_t n = 1; n <= routes.GetRouteCount(); ++n) {
        routes.GetRoute(n)->SetFlow(group, 1.0 + n % 7);
    }
    const CODMovements& movements = network.GetODMovements();
    std::int32_t flow = 10;
    for (CODMovement* movement = movements.First(); movement; movement = movements.Next(movement)) {
        group->SetDesiredFlow(movement, flow);
        flow = flow % 500 + 37;
    }
}

} // namespace JunctionBench
