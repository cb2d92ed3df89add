#include "view/item_graphics.h"

#include "model/capacity_assessor.h"
#include "model/label.h"
#include "model/network.h"
#include "model/zone_letter.h"
#include "view/arm_graphics.h"
#include "view/colour_category.h"
#include "view/lane_geometry.h"
#include "view/network_view_state.h"
#include "view/segment_text.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace
{

constexpr int ZoneMargin = 16;
constexpr int AssessorMargin = 20;

int Snap(int value, int grid)
{
    if (grid <= 0) {
        return value;
    }
    return static_cast<int>(std::floor(static_cast<double>(value) / grid + 0.5)) * grid;
}

void FilledCircle(CDrawingSurface& surface, CPoint centre, int radius, ColorRef colour)
{
    surface.SelectPen(CPenExt(EPenStyle::Solid, 1, colour));
    surface.SelectBrush(CBrush(colour));
    surface.Ellipse({centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius});
}

CPoint ArmStart(const CArm& arm)
{
    return ArmSegment(arm).PointAt(0.0, 0.0);
}

// Where the line from a point inside a box (right and bottom exclusive) to a target leaves the
// box's outline; none when the target lies within it.
std::optional<CPoint> LeaveBox(CPoint from, CPoint to, const CRect& box)
{
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    double t = 1.0;
    if (dx > 0) {
        t = std::min(t, (box.right - 1 - from.x) / dx);
    } else if (dx < 0) {
        t = std::min(t, (box.left - from.x) / dx);
    }
    if (dy > 0) {
        t = std::min(t, (box.bottom - 1 - from.y) / dy);
    } else if (dy < 0) {
        t = std::min(t, (box.top - from.y) / dy);
    }
    if (t >= 1.0) {
        return std::nullopt;
    }
    return CPoint{from.x + static_cast<int>(std::lround(t * dx)),
                  from.y + static_cast<int>(std::lround(t * dy))};
}

} // namespace

CPoint CLineLaneConnectorGraphics::GetStart() const
{
    return LaneStopLineMidpoint(*m_connector.GetFromLane(), m_context.network->ArmTextHeight);
}

CPoint CLineLaneConnectorGraphics::GetEnd() const
{
    return LaneFarEndMidpoint(*m_connector.GetToLane(), m_context.network->ArmTextHeight);
}

CRect CLineLaneConnectorGraphics::GetBoundingRect() const
{
    const CPoint ends[] = {GetStart(), GetEnd()};
    return Inflate(BoxOf(ends), (m_context.program->CurLaneConnectorLineThickness + 1) / 2);
}

void CLineLaneConnectorGraphics::Draw(CDrawingSurface& surface, CBounds* bounds) const
{
    const int category = m_context.viewState->ConnectorCategory(m_connector);
    if (category == ColourCategory::NotDrawn) {
        return;
    }
    if (bounds != nullptr) {
        bounds->Add(GetBoundingRect());
        return;
    }
    surface.SelectPen(CPenExt(EPenStyle::Solid, m_context.program->CurLaneConnectorLineThickness,
                              m_context.CategoryColour(category)));
    surface.MoveTo(GetStart());
    surface.LineTo(GetEnd());
}

CRect CZoneGraphics::GetRect() const
{
    CRect rect;
    const CArm* arms[] = {m_zone.GetEntryArm(), m_zone.GetExitArm()};
    for (const CArm* arm : arms) {
        if (arm != nullptr) {
            rect = Unite(rect, CArmGraphics(m_context, *arm).GetBoundingRect());
        }
    }
    if (rect.IsEmpty()) {
        const int z = static_cast<int>(m_zone.GetNumber());
        rect = {100, 100 * z - 50, 200, 100 * z + 50};
    } else {
        rect = Inflate(rect, ZoneMargin);
    }
    if (m_context.program->CurSnapToGrid) {
        const int grid = m_context.network->GridSize;
        rect = {Snap(rect.left, grid), Snap(rect.top, grid), Snap(rect.right, grid),
                Snap(rect.bottom, grid)};
    }
    return rect;
}

CRect CZoneGraphics::GetBoundingRect() const
{
    return Inflate(GetRect(), m_context.program->CurZoneLineThickness);
}

void CZoneGraphics::Draw(CDrawingSurface& surface, CBounds* bounds) const
{
    if (bounds != nullptr) {
        bounds->Add(GetBoundingRect());
        return;
    }
    const CRect rect = GetRect();
    const bool solid = m_selected && m_context.switches.showSelection;
    surface.SelectPen(CPenExt(solid ? EPenStyle::Solid : EPenStyle::Dot,
                              m_context.program->CurZoneLineThickness, m_zone.GetColour()));
    surface.SelectBrush(CBrush::Null());
    surface.Rectangle(rect);

    // Zones are named by their letter, as in the OD matrix view, the route list and reports.
    const std::string name = ZoneLetter(m_zone.GetNumber());
    const CBearingFont oldFont =
        surface.SelectFont(CBearingFont(90.0, m_context.network->ZoneTextHeight, true));
    const CSize size = surface.GetTextExtent(name);
    const int tagWidth = static_cast<int>(1.8 * size.cx);
    const int tagHeight = static_cast<int>(1.2 * size.cy);
    const CPoint tag[] = {{rect.left, rect.top + tagHeight},
                          {rect.left + tagWidth, rect.top + tagHeight},
                          {rect.left + tagWidth, rect.top}};
    surface.Polyline(tag);
    const ColorRef oldColour = surface.SetTextColor(m_zone.GetColour());
    surface.SetBkMode(EBkMode::Transparent);
    surface.SetTextAlign(TextAlign::Center | TextAlign::Top);
    surface.TextOut({rect.left + tagWidth / 2, rect.top + (tagHeight - size.cy) / 2}, name);
    surface.SetTextColor(oldColour);
    surface.SelectFont(oldFont);
}

void DrawLabel(const CRenderContext& context, CDrawingSurface& surface, CBounds* bounds,
               const CLabel& label)
{
    const CSegment segment(
        DrawingCoordinate(label.GetFirstPoint().x), DrawingCoordinate(label.GetFirstPoint().y),
        DrawingCoordinate(label.GetSecondPoint().x), DrawingCoordinate(label.GetSecondPoint().y));
    const bool selected = context.switches.showSelection &&
                          context.viewState->IsSelected(ESelectionKind::Label, label.GetId());
    if (bounds == nullptr && selected) {
        surface.SelectPen(CPenExt(EPenStyle::Dot, 5, 0x000000));
        surface.MoveTo(segment.PointAt(0.0, 0.0));
        surface.LineTo(segment.PointAt(0.0, segment.Length()));
        FilledCircle(surface, segment.PointAt(0.0, 0.0), 15, context.program->CurSelectedItemColor);
        FilledCircle(surface, segment.PointAt(0.0, segment.Length()), 15,
                     context.program->CurSelectedItemColor);
    } else if (bounds != nullptr && selected) {
        bounds->Add(Inflate(segment.BoundingRect(), 15));
    }
    DrawSegmentText(surface, bounds, segment, label.GetText(), label.GetTextHeight(),
                    label.GetColour(), SegmentTextPlacement::Baseline, 0.0);
}

ColorRef CCapacityAssessorDrawing::GetColour() const
{
    return m_assessor.IsExceeded(m_context.flowGroup)
               ? m_context.program->CurExceededCapacityAssessmentThresholdColor
               : m_context.program->CurNotExceededCapacityAssessmentThresholdColor;
}

CRect CCapacityAssessorDrawing::GetTextRect(const CDrawingSurface& surface) const
{
    const CBearingFont font(90.0, m_context.network->CapacityAssessorTextHeight, true);
    const CSize size = surface.GetTextExtent(
        font, std::to_string(m_assessor.GetAssessedFlow(m_context.flowGroup)));
    const CCapacityAssessorGraphics& g = m_assessor.GetGraphics();
    const int left = DrawingCoordinate(g.x) - size.cx / 2;
    const int top = DrawingCoordinate(g.y) - size.cy / 2;
    return {left - AssessorMargin, top - AssessorMargin, left + size.cx + AssessorMargin,
            top + size.cy + AssessorMargin};
}

void CCapacityAssessorDrawing::Draw(CDrawingSurface& surface, CBounds* bounds) const
{
    const CCapacityAssessorGraphics& g = m_assessor.GetGraphics();
    const CPoint position{DrawingCoordinate(g.x), DrawingCoordinate(g.y)};
    const CRect box = GetTextRect(surface);
    const CArm* arms[] = {m_assessor.GetEntryArm(), m_assessor.GetCirculatoryArm()};
    if (bounds != nullptr) {
        bounds->Add(box);
        for (const CArm* arm : arms) {
            if (arm != nullptr) {
                const CPoint line[] = {position, ArmStart(*arm)};
                bounds->Add(line, (m_context.program->CurCapacityAssessorLineThickness + 1) / 2);
            }
        }
        return;
    }
    const ColorRef colour = GetColour();
    surface.SelectPen(
        CPenExt(EPenStyle::Dot, m_context.program->CurCapacityAssessorLineThickness, colour));
    // The lines join the box, not its centre: through the box they would strike the number out.
    for (const CArm* arm : arms) {
        if (arm == nullptr) {
            continue;
        }
        if (const std::optional<CPoint> edge = LeaveBox(position, ArmStart(*arm), box)) {
            surface.MoveTo(*edge);
            surface.LineTo(ArmStart(*arm));
        }
    }
    surface.SelectBrush(CBrush::Null());
    surface.Rectangle(box);
    const CBearingFont oldFont =
        surface.SelectFont(CBearingFont(90.0, m_context.network->CapacityAssessorTextHeight, true));
    const ColorRef oldColour = surface.SetTextColor(colour);
    surface.SetBkMode(EBkMode::Transparent);
    surface.SetTextAlign(TextAlign::Center | TextAlign::Top);
    const std::string text = std::to_string(m_assessor.GetAssessedFlow(m_context.flowGroup));
    surface.TextOut({position.x, box.top + AssessorMargin}, text);
    surface.SetTextColor(oldColour);
    surface.SelectFont(oldFont);
}
