#include "view/hit_test.h"

#include "model/capacity_assessor.h"
#include "model/label.h"
#include "model/network.h"
#include "view/item_graphics.h"
#include "view/lane_geometry.h"
#include "view/od_matrix_graphics.h"

#include <cmath>
#include <numbers>

namespace
{

double Distance(double x0, double y0, CPoint p)
{
    return std::hypot(x0 - p.x, y0 - p.y);
}

CSegment LabelSegment(const CLabel& label)
{
    return {label.GetFirstPoint().x, label.GetFirstPoint().y, label.GetSecondPoint().x,
            label.GetSecondPoint().y};
}

} // namespace

CSegmentCoordinates SegmentCoordinatesOf(const CSegment& segment, double x, double y)
{
    const double t = segment.Bearing() * std::numbers::pi / 180.0;
    const double dx = segment.X0() - x;
    const double dy = segment.Y0() - y;
    return {std::cos(t) * dx + std::sin(t) * dy, std::sin(t) * dx - std::cos(t) * dy};
}

bool HitSegment(const CSegment& segment, CPoint p, EGrabPart& part)
{
    if (Distance(segment.X0(), segment.Y0(), p) <= GrabDistance) {
        part = EGrabPart::FirstPoint;
        return true;
    }
    if (Distance(segment.X1(), segment.Y1(), p) <= GrabDistance) {
        part = EGrabPart::SecondPoint;
        return true;
    }
    const double length = segment.Length();
    if (length <= 0.0) {
        return false;
    }
    const CSegmentCoordinates c = SegmentCoordinatesOf(segment, p.x, p.y);
    const double percent = std::trunc((length - c.along) * 100.0 / length);
    if (std::fabs(c.across) <= GrabDistance && percent >= 1.0 && percent <= 99.0) {
        part = EGrabPart::Body;
        return true;
    }
    return false;
}

bool RectContains(const CRect& rect, CPoint p)
{
    return p.x >= rect.left && p.x < rect.right && p.y >= rect.top && p.y < rect.bottom;
}

CCapacityLane* FindLane(const CNetwork& network, std::uint32_t armId, std::uint32_t laneId)
{
    const CArm* arm = network.GetArms().GetArmById(armId);
    return arm != nullptr ? arm->GetLanes().GetLaneById(laneId) : nullptr;
}

CCapacityLane* FindLaneById(const CNetwork& network, std::uint32_t laneId)
{
    const CArms& arms = network.GetArms();
    for (std::uint32_t n = 1; n <= arms.GetCount(); ++n) {
        if (CCapacityLane* lane = arms.GetArm(n)->GetLanes().GetLaneById(laneId)) {
            return lane;
        }
    }
    return nullptr;
}

CCarouselLaneConnector* FindConnector(const CNetwork& network, std::uint32_t fromLaneId,
                                      std::uint32_t toLaneId)
{
    const CLane* from = FindLaneById(network, fromLaneId);
    const CLane* to = FindLaneById(network, toLaneId);
    return from != nullptr && to != nullptr ? network.GetLaneConnectors().FindConnector(from, to)
                                            : nullptr;
}

CHitResult CNetworkHitTester::HitTest(CPoint p) const
{
    for (const auto test : {&CNetworkHitTester::HitCapacityAssessor,
                            &CNetworkHitTester::HitTestLane, &CNetworkHitTester::HitArm,
                            &CNetworkHitTester::HitLabel, &CNetworkHitTester::HitConnector,
                            &CNetworkHitTester::HitZone, &CNetworkHitTester::HitODMatrix}) {
        const CHitResult hit = (this->*test)(p);
        if (hit.kind != EHitKind::None) {
            return hit;
        }
    }
    return {};
}

CHitResult CNetworkHitTester::HitCapacityAssessor(CPoint p) const
{
    const CCapacityAssessors& assessors = m_network.GetCapacityAssessors();
    for (std::uint32_t n = 1; n <= assessors.GetCount(); ++n) {
        const CCapacityAssessor& assessor = *assessors.GetCapacityAssessor(n);
        if (RectContains(CCapacityAssessorDrawing(m_context, assessor).GetTextRect(m_measure), p)) {
            return {.kind = EHitKind::CapacityAssessor, .id = assessor.GetId()};
        }
    }
    return {};
}

CHitResult CNetworkHitTester::HitTestLane(CPoint p) const
{
    const int textHeight = m_context.network->ArmTextHeight;
    const CArms& arms = m_network.GetArms();
    for (std::uint32_t a = 1; a <= arms.GetCount(); ++a) {
        const CArm& arm = *arms.GetArm(a);
        const CSegmentCoordinates c = SegmentCoordinatesOf(ArmSegment(arm), p.x, p.y);
        const CCapLanes& lanes = arm.GetLanes();
        for (std::uint32_t n = 1; n <= lanes.GetCount(); ++n) {
            const CCapacityLane& lane = *lanes.GetLane(n);
            const CLaneGeometry g = LaneGeometryOf(lane, textHeight);
            if (!(c.across > g.offset - g.width && c.across < g.offset && c.along >= 0.0 &&
                  c.along < g.length)) {
                continue;
            }
            const ELaneZone zone = c.along < g.crossLine               ? ELaneZone::StopLine
                                   : c.along >= g.length - g.crossLine ? ELaneZone::FarEnd
                                                                       : ELaneZone::Middle;
            return {.kind = EHitKind::Lane,
                    .id = lane.GetLaneId(),
                    .armId = arm.GetId(),
                    .laneZone = zone};
        }
    }
    return {};
}

CHitResult CNetworkHitTester::HitArm(CPoint p) const
{
    const CArms& arms = m_network.GetArms();
    for (std::uint32_t a = 1; a <= arms.GetCount(); ++a) {
        const CArm& arm = *arms.GetArm(a);
        EGrabPart part = EGrabPart::Body;
        if (HitSegment(ArmSegment(arm), p, part)) {
            return {.kind = EHitKind::Arm, .id = arm.GetId(), .part = part};
        }
    }
    return {};
}

CHitResult CNetworkHitTester::HitLabel(CPoint p) const
{
    for (std::uint32_t n = 1; n <= m_labels.GetCount(); ++n) {
        const CLabel& label = *m_labels.GetLabel(n);
        const CSegment segment = LabelSegment(label);
        CHitResult hit{.kind = EHitKind::Label, .id = label.GetId()};
        if (Distance(segment.X0(), segment.Y0(), p) <= GrabDistance) {
            hit.part = EGrabPart::FirstPoint;
            return hit;
        }
        if (Distance(segment.X1(), segment.Y1(), p) <= GrabDistance) {
            hit.part = EGrabPart::SecondPoint;
            return hit;
        }
        const double bearing = segment.Bearing();
        const CSize text = m_measure.GetTextExtent(
            CBearingFont(bearing, label.GetTextHeight(), true), label.GetText());
        const CSegmentCoordinates c = SegmentCoordinatesOf(segment, p.x, p.y);
        // A label turned past 180 degrees is written upright on the other side of its segment
        // (as the drawing puts it): measure across towards the text there too.
        const double across = bearing < 180.0 ? c.across : -c.across;
        if (across >= 0.0 && across <= text.cy &&
            std::fabs(c.along - segment.Length() / 2.0) <= text.cx / 2.0) {
            return hit;
        }
    }
    return {};
}

CHitResult CNetworkHitTester::HitConnector(CPoint p) const
{
    for (const CCarouselLaneConnector* connector :
         m_network.GetLaneConnectors().GetConnectorsInKeyOrder()) {
        if (connector->IsLaneChange()) {
            continue; // never drawn as a line
        }
        const CLineLaneConnectorGraphics line(m_context, *connector);
        const CPoint start = line.GetStart();
        const CPoint end = line.GetEnd();
        EGrabPart part = EGrabPart::Body;
        if (HitSegment(CSegment(start.x, start.y, end.x, end.y), p, part)) {
            return {.kind = EHitKind::Connector,
                    .id = connector->GetFromLane()->GetLaneId(),
                    .toLaneId = connector->GetToLane()->GetLaneId(),
                    .part = part};
        }
    }
    return {};
}

CHitResult CNetworkHitTester::HitZone(CPoint p) const
{
    const CZones& zones = m_network.GetZones();
    for (std::uint32_t n = 1; n <= zones.GetCount(); ++n) {
        const CZone& zone = *zones.GetZone(n);
        if (RectContains(CZoneGraphics(m_context, zone).GetRect(), p)) {
            return {.kind = EHitKind::Zone, .id = zone.GetId()};
        }
    }
    return {};
}

CHitResult CNetworkHitTester::HitODMatrix(CPoint p) const
{
    if (m_context.switches.showODMatrix &&
        RectContains(m_odMatrix.GetRect(m_context, m_measure, m_network), p)) {
        return {.kind = EHitKind::ODMatrix};
    }
    return {};
}
