// Sample networks.
#include "example_networks.h"

#include "model/network.h"
#include "routing/flow_group_commands.h"
#include "routing/lane_flow_balancer.h"
#include "routing/route_commands.h"

#include <array>
#include <cmath>
#include <numbers>

namespace
{

constexpr double Centre = 6000.0;

CArm* AddArm(CNetwork& network, std::uint32_t lanes)
{
    CArm* arm = network.GetArms().InsertArm(network.GetArms().GetCount() + 1);
    for (std::uint32_t n = 1; n <= lanes; ++n) {
        arm->GetLanes().InsertLane(n);
    }
    return arm;
}

void Connect(CNetwork& network, CArm* from, std::uint32_t fromLane, CArm* to, std::uint32_t toLane)
{
    network.GetLaneConnectors().AddConnector(from->GetLanes().GetLane(fromLane),
                                             to->GetLanes().GetLane(toLane));
}

// A point `r` plan units from the centre along a bearing (0 north, clockwise), shifted `side`
// units to the right of someone facing along the bearing.
CPlanPoint At(double bearingDegrees, double r, double side)
{
    const double a = bearingDegrees * std::numbers::pi / 180.0;
    const double dx = std::sin(a);
    const double dy = -std::cos(a);
    return {std::round(Centre + r * dx - side * dy), std::round(Centre + r * dy + side * dx)};
}

// An arm along the bearing of its approach, its first point `first` units off the centre and
// its second `second` units off. An arm's first point is its stop line, where traffic leaves
// its lanes, and its lanes lie on the right seen from the first point towards the second: so
// an entry starts at the junction and an exit ends there, and with traffic on the left each
// arm runs `Kerb` units to that right of the road's centre line.
constexpr double Kerb = 50.0;

void Place(CArm* arm, double bearingDegrees, double first, double second)
{
    const double side = first < second ? Kerb : -Kerb;
    arm->SetPoints(At(bearingDegrees, first, side), At(bearingDegrees, second, side));
}

// A circulatory arm: a chord of the ring from the stop line at `toBearing` back to where
// traffic enters it at `fromBearing`, so that traffic moves clockwise; its lanes lie outside.
void PlaceOnRing(CArm* arm, double fromBearing, double toBearing, double radius)
{
    arm->SetPoints(At(toBearing, radius, 0.0), At(fromBearing, radius, 0.0));
}

// Four zones with the colours the program offers first, one per approach.
std::array<CZone*, 4> AddZones(CNetwork& network)
{
    constexpr std::array<std::uint32_t, 4> colours{0x000000FF, 0x00008000, 0x00FF0000, 0x0000A5FF};
    std::array<CZone*, 4> zones{};
    for (std::uint32_t n = 1; n <= 4; ++n) {
        zones[n - 1] = network.GetZones().InsertZone(n);
        zones[n - 1]->SetColour(colours[n - 1]);
    }
    return zones;
}

using Matrix = std::array<std::array<std::int32_t, 4>, 4>;

CFlowGroup* AddPeak(CNetwork& network, const std::array<CZone*, 4>& zones, const char* name,
                    std::int64_t start, const Matrix& flows)
{
    CFlowGroups& groups = network.GetFlowGroups();
    CFlowGroup* group = groups.InsertFlowGroup(groups.GetCount() + 1);
    group->SetDescription(name);
    group->SetStart(start);
    group->SetEnd(start + 3600);
    for (std::size_t o = 0; o < 4; ++o) {
        for (std::size_t d = 0; d < 4; ++d) {
            group->SetDesiredFlow(network.GetODMovements().Find(zones[o], zones[d]), flows[o][d]);
        }
    }
    return group;
}

} // namespace

void BuildRoundaboutExample(CNetwork& network)
{
    std::array<CArm*, 4> entry{};
    std::array<CArm*, 4> exit{};
    std::array<CArm*, 4> ring{};
    for (std::size_t i = 0; i < 4; ++i) {
        entry[i] = AddArm(network, i == 0 ? 3 : 2);
        Place(entry[i], 90.0 * static_cast<double>(i), 1400, 4000);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        exit[i] = AddArm(network, 2);
        Place(exit[i], 90.0 * static_cast<double>(i), 4000, 1400);
    }
    // Segment i runs clockwise from just past entry i to just before exit i + 1.
    for (std::size_t i = 0; i < 4; ++i) {
        ring[i] = AddArm(network, 2);
        const double leg = 90.0 * static_cast<double>(i);
        PlaceOnRing(ring[i], leg + 15.0, leg + 75.0, 1000);
    }
    // The flare: a short third lane on entry 1, reached from lane 2 near the stop line.
    CCapacityLane* flare = entry[0]->GetLanes().GetLane(3);
    flare->SetLength(6);
    Connect(network, entry[0], 2, entry[0], 3);

    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t next = (i + 1) % 4;
        // Ring segment i lies just past entry i and leads to exit i + 1 and segment i + 1.
        Connect(network, entry[i], 1, ring[i], 1);
        Connect(network, entry[i], 2, ring[i], 2);
        Connect(network, ring[i], 1, exit[next], 1);
        Connect(network, ring[i], 2, exit[next], 2);
        Connect(network, ring[i], 1, ring[next], 1);
        Connect(network, ring[i], 2, ring[next], 2);
        Connect(network, ring[i], 2, ring[next], 1);
    }
    Connect(network, entry[0], 3, ring[0], 2);

    const std::array<CZone*, 4> zones = AddZones(network);
    for (std::size_t i = 0; i < 4; ++i) {
        zones[i]->SetEntryArm(entry[i]);
        zones[i]->SetExitArm(exit[i]);
        // The circulating flow that meets entry i comes round from the segment before it.
        CCapacityAssessor* assessor = network.GetCapacityAssessors().InsertCapacityAssessor(
            static_cast<std::uint32_t>(i + 1));
        assessor->SetEntryArm(entry[i]);
        assessor->SetCirculatoryArm(ring[(i + 3) % 4]);
        assessor->SetThreshold(1800);
        // Beside the entry's stop line, clear of its lanes.
        const CPlanPoint place = At(90.0 * static_cast<double>(i) + 40.0, 1300, 0.0);
        assessor->GetGraphics().x = static_cast<std::int32_t>(place.x);
        assessor->GetGraphics().y = static_cast<std::int32_t>(place.y);
    }

    const Matrix amPeak{
        {{0, 250, 480, 170}, {300, 0, 200, 520}, {450, 220, 0, 260}, {180, 510, 240, 0}}};
    CFlowGroup* group = AddPeak(network, zones, "AM Peak", 8 * 3600, amPeak);
    network.SetCurrentFlowGroup(group);

    BuildRoutes(network);
    MakeCircularRoutesNonPermitted(network);
    BalanceLaneFlowsOnAllArms(network, group);
}

void BuildCrossroadsExample(CNetwork& network)
{
    std::array<CArm*, 4> entry{};
    std::array<CArm*, 4> exit{};
    for (std::size_t i = 0; i < 4; ++i) {
        entry[i] = AddArm(network, 2);
        Place(entry[i], 90.0 * static_cast<double>(i), 700, 4000);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        exit[i] = AddArm(network, 2);
        Place(exit[i], 90.0 * static_cast<double>(i), 4000, 700);
    }
    // Approaches are numbered clockwise (north, east, south, west); driving on the left, the
    // left turn from approach i leaves by the approach clockwise of it (from the north, heading
    // south, left is east).
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t left = (i + 1) % 4;
        const std::size_t ahead = (i + 2) % 4;
        const std::size_t right = (i + 3) % 4;
        Connect(network, entry[i], 1, exit[left], 1);
        Connect(network, entry[i], 1, exit[ahead], 1);
        Connect(network, entry[i], 2, exit[ahead], 2);
        Connect(network, entry[i], 2, exit[right], 2);
    }
    const std::array<CZone*, 4> zones = AddZones(network);
    for (std::size_t i = 0; i < 4; ++i) {
        zones[i]->SetEntryArm(entry[i]);
        zones[i]->SetExitArm(exit[i]);
    }
    const Matrix amPeak{
        {{0, 120, 640, 90}, {150, 0, 110, 380}, {520, 140, 0, 100}, {70, 410, 160, 0}}};
    const Matrix pmPeak{
        {{0, 160, 560, 80}, {130, 0, 140, 450}, {690, 100, 0, 130}, {90, 340, 120, 0}}};
    CFlowGroup* am = AddPeak(network, zones, "AM Peak", 8 * 3600, amPeak);
    CFlowGroup* pm = AddPeak(network, zones, "PM Peak", 17 * 3600, pmPeak);

    BuildRoutes(network);
    BalanceLaneFlowsOnAllArms(network, am);
    BalanceLaneFlowsOnAllArms(network, pm);
    network.SetCurrentFlowGroup(am);
}
