#include "roundabout.h"

#include "network_builder.h"

#include <cmath>
#include <numbers>

namespace TestSupport
{
namespace
{

CPlanPoint Polar(const CRoundaboutShape& s, double radius, double angle)
{
    return {std::round(s.centre + radius * std::cos(angle)),
            std::round(s.centre + radius * std::sin(angle))};
}

void ConnectLanes(CNetwork& n, CArm* from, CArm* to)
{
    const std::uint32_t count = std::min(from->GetLanes().GetCount(), to->GetLanes().GetCount());
    const std::uint32_t skipFrom = from->GetLanes().GetCount() - count;
    for (std::uint32_t l = 1; l <= count; ++l) {
        n.GetLaneConnectors().AddConnector(from->GetLanes().GetLane(l + skipFrom),
                                           to->GetLanes().GetLane(l));
    }
}

} // namespace

void BuildRoundabout(CRoundabout& r, const CRoundaboutShape& s)
{
    CNetwork& n = r.network;
    const double step = 2.0 * std::numbers::pi / s.legs;
    const double gap = std::min(0.5 * step, 160.0 / s.radius);
    const double armLength = std::min(600.0, 2.0 * s.radius * std::sin(step / 2.0) * 1.2 + 200.0);
    for (std::uint32_t k = 0; k < s.legs; ++k) {
        const double phi = step * k;
        // Traffic runs from an arm's second point to its first: entries run inwards.
        CArm* entry = AddArm(n, s.lanes);
        entry->SetPoints(Polar(s, s.radius + 60.0, phi + gap),
                         Polar(s, s.radius + 60.0 + armLength, phi + gap));
        CArm* circ = AddArm(n, s.lanes);
        circ->SetPoints(Polar(s, s.radius, phi + step - gap), Polar(s, s.radius, phi + gap));
        CArm* exit = AddArm(n, s.lanes);
        exit->SetPoints(Polar(s, s.radius + 60.0 + armLength, phi - gap),
                        Polar(s, s.radius + 60.0, phi - gap));
    }
    if (s.flare) {
        CArm* entry = n.GetArms().GetArm(1);
        CCapacityLane* flare = entry->GetLanes().InsertLane(1);
        flare->SetLength(20);
        n.GetLaneConnectors().AddConnector(entry->GetLanes().GetLane(2), flare);
    }
    for (std::uint32_t k = 0; k < s.legs; ++k) {
        CArm* entry = n.GetArms().GetArm(3 * k + 1);
        CArm* circ = n.GetArms().GetArm(3 * k + 2);
        CArm* nextCirc = n.GetArms().GetArm(3 * ((k + 1) % s.legs) + 2);
        CArm* nextExit = n.GetArms().GetArm(3 * ((k + 1) % s.legs) + 3);
        ConnectLanes(n, entry, circ);
        ConnectLanes(n, circ, nextCirc);
        ConnectLanes(n, circ, nextExit);
    }
    static const std::uint32_t colours[] = {0x0000C0, 0xC00000, 0x008000, 0x8000C0, 0x0080C0};
    for (std::uint32_t k = 0; k < s.legs; ++k) {
        CZone* zone = n.GetZones().InsertZone(k + 1);
        zone->SetEntryArm(n.GetArms().GetArm(3 * k + 1));
        zone->SetExitArm(n.GetArms().GetArm(3 * k + 3));
        zone->SetColour(colours[k % 5]);
    }
    r.group = n.GetFlowGroups().InsertFlowGroup(1);
    r.group->SetDescription("AM Peak");
    n.SetCurrentFlowGroup(r.group);
    n.GetRoutes().DiscoverRoutes();
    for (std::uint32_t i = 1; i <= n.GetRoutes().GetRouteCount(); ++i) {
        CRoute* route = n.GetRoutes().GetRoute(i);
        route->SetFlow(r.group, 40.0 + 10.0 * (i % 5));
    }
    CLabel* label = r.labels.InsertLabel(1);
    label->SetText("Main Street");
    label->SetSegment({s.centre - 200.0, s.centre + 80.0}, {s.centre + 200.0, s.centre + 80.0});
    CCapacityAssessor* assessor = n.GetCapacityAssessors().InsertCapacityAssessor(1, 200);
    assessor->SetEntryArm(n.GetArms().GetArm(1));
    assessor->SetCirculatoryArm(n.GetArms().GetArm(3 * (s.legs - 1) + 2));
    assessor->GetGraphics().x = static_cast<std::int32_t>(s.centre);
    assessor->GetGraphics().y = static_cast<std::int32_t>(s.centre - 150.0);
}

} // namespace TestSupport
