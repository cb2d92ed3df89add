#include "view/arm_graphics.h"

#include "model/network.h"
#include "routing/lane_data_source.h"
#include "routing/route_aggregator.h"
#include "view/colour_category.h"
#include "view/network_view_state.h"
#include "view/segment_text.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

namespace
{

constexpr double ArrowHeadLength = 20.0;
constexpr double ArrowHeadHalfAngle = 19.0;
constexpr int EndRadius = 10;
constexpr int SelectedEndRadius = 15;
constexpr int ArmMargin = 15;
constexpr ColorRef Black = 0x000000;

void FilledCircle(CDrawingSurface& surface, CPoint centre, int radius, ColorRef colour)
{
    surface.SelectPen(CPenExt(EPenStyle::Solid, 1, colour));
    surface.SelectBrush(CBrush(colour));
    surface.Ellipse({centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius});
}

CPoint ToPoint(double x, double y)
{
    return {ClampToInt(std::floor(x + 0.5)), ClampToInt(std::floor(y + 0.5))};
}

CSegment Between(CPoint a, CPoint b)
{
    return {static_cast<double>(a.x), static_cast<double>(a.y), static_cast<double>(b.x),
            static_cast<double>(b.y)};
}

std::string FormatFlow(double value, int precision)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", precision, value);
    return buffer;
}

} // namespace

std::array<CPoint, 3> CArmGraphics::ArrowHead() const
{
    const CSegment segment = ArmSegment(m_arm);
    const CPoint tip = segment.PointAtPercent(50.0);
    const double b = segment.Bearing();
    const double r = ArrowHeadLength / std::cos(ArrowHeadHalfAngle * std::numbers::pi / 180.0);
    auto corner = [&](double degrees) {
        const double t = degrees * std::numbers::pi / 180.0;
        return ToPoint(tip.x - std::sin(t) * r, tip.y + std::cos(t) * r);
    };
    return {tip, corner(b + ArrowHeadHalfAngle), corner(b - ArrowHeadHalfAngle)};
}

CRect CArmGraphics::GetBoundingRect() const
{
    CRect rect = Inflate(ArmSegment(m_arm).BoundingRect(), ArmMargin);
    const CCapLanes& lanes = m_arm.GetLanes();
    for (std::uint32_t n = 1; n <= lanes.GetCount(); ++n) {
        rect = Unite(rect, CLaneGraphics(m_context, *lanes.GetLane(n)).GetBoundingRect());
    }
    return Inflate(rect, ArmMargin);
}

void CArmGraphics::DrawArm(CDrawingSurface& surface, CBounds* bounds) const
{
    const CSegment segment = ArmSegment(m_arm);
    const int textHeight = m_context.network->ArmTextHeight;
    if (bounds != nullptr) {
        bounds->Add(Inflate(segment.BoundingRect(), ArmMargin));
        DrawSegmentText(surface, bounds, segment, m_arm.GetLabel(), textHeight, Black,
                        SegmentTextPlacement::AboveUpright, ArmMargin);
        return;
    }
    const ProgramSettings& settings = *m_context.program;
    const ColorRef colour = settings.CurLaneColor;
    surface.SelectPen(CPenExt(EPenStyle::Solid, settings.CurArmLineThickness, colour));
    surface.MoveTo(segment.PointAt(0.0, 0.0));
    surface.LineTo(segment.PointAt(0.0, segment.Length()));
    surface.SelectBrush(CBrush(colour));
    const std::array<CPoint, 3> head = ArrowHead();
    surface.Polygon(head);

    const bool selected = m_context.switches.showSelection &&
                          m_context.viewState->IsSelected(ESelectionKind::Arm, m_arm.GetId());
    const int radius = selected ? SelectedEndRadius : EndRadius;
    const ColorRef endColour = selected ? settings.CurSelectedItemColor : colour;
    FilledCircle(surface, segment.PointAt(0.0, 0.0), radius, endColour);
    FilledCircle(surface, segment.PointAt(0.0, segment.Length()), radius, endColour);
    DrawSegmentText(surface, nullptr, segment, m_arm.GetLabel(), textHeight, Black,
                    SegmentTextPlacement::AboveUpright, ArmMargin);
}

void CArmGraphics::Draw(CDrawingSurface& surface, CBounds* bounds) const
{
    const CCapLanes& lanes = m_arm.GetLanes();
    if (bounds != nullptr) {
        bounds->Add(GetBoundingRect());
        DrawArm(surface, bounds);
        return;
    }
    const CBearingFont oldFont = surface.SelectFont(
        CBearingFont(ArmSegment(m_arm).Bearing(), m_context.network->ArmTextHeight, true));
    DrawArm(surface, nullptr);
    std::vector<int> categories(lanes.GetCount());
    for (std::uint32_t n = 1; n <= lanes.GetCount(); ++n) {
        categories[n - 1] = m_context.viewState->LaneCategory(*lanes.GetLane(n));
    }
    for (int category = ColourCategory::Normal; category <= ColourCategory::SelectedItem;
         ++category) {
        for (std::uint32_t n = 1; n <= lanes.GetCount(); ++n) {
            if (categories[n - 1] == category) {
                CLaneGraphics(m_context, *lanes.GetLane(n)).Draw(surface, nullptr);
            }
        }
    }
    surface.SelectFont(oldFont);
}

CLaneGraphics::CLaneGraphics(const CRenderContext& context, const CCapacityLane& lane)
    : m_context(context), m_lane(lane), m_segment(ArmSegment(*lane.GetArm())),
      m_geometry(LaneGeometryOf(lane, context.network->ArmTextHeight))
{}

CRect CLaneGraphics::GetBoundingRect() const
{
    const double d = m_geometry.offset;
    const double w = m_geometry.width;
    const double l = m_geometry.length;
    const CPoint corners[] = {At(d, 0), At(d - w, 0), At(d, l), At(d - w, l)};
    return Inflate(BoxOf(corners), (m_context.program->CurLaneLineThickness + 1) / 2);
}

CSegment CLaneGraphics::TextLine() const
{
    const double centre = m_geometry.offset - m_geometry.width / 2.0;
    const double t = m_geometry.crossLine;
    return Between(At(centre, m_geometry.length - t - 10.0), At(centre, t + 10.0));
}

void CLaneGraphics::Draw(CDrawingSurface& surface, CBounds* bounds) const
{
    if (bounds != nullptr) {
        bounds->Add(GetBoundingRect());
        return;
    }
    const CLanes& lanes = *m_lane.GetOwner();
    const CCarouselLaneConnectors& connectors = m_lane.GetNetwork()->GetLaneConnectors();
    const CLane* outer = lanes.GetLane(m_lane.GetNumber() - 1);
    const CLane* inner = lanes.GetLane(m_lane.GetNumber() + 1);
    const double d = m_geometry.offset;
    const double w = m_geometry.width;
    const int l = m_geometry.length;
    const int t = m_geometry.crossLine;
    const int outerLength =
        outer != nullptr ? std::min(DrawnLaneLength(*outer, m_context.network->ArmTextHeight), l)
                         : 0;
    const int innerLength =
        inner != nullptr ? std::min(DrawnLaneLength(*inner, m_context.network->ArmTextHeight), l)
                         : 0;

    const ColorRef colour = m_context.CategoryColour(m_context.viewState->LaneCategory(m_lane));
    const int thickness = m_context.program->CurLaneLineThickness;
    const CPenExt solid(EPenStyle::Solid, thickness, colour);
    const CPenExt dotted(EPenStyle::Dot, thickness, colour);
    surface.SelectPen(solid);
    const CPoint cap[] = {At(d, outerLength), At(d, l), At(d - w, l), At(d - w, innerLength)};
    surface.Polyline(cap);
    surface.MoveTo(At(d, 0));
    surface.LineTo(At(d - w, 0));
    surface.MoveTo(At(d, t));
    surface.LineTo(At(d - w, t));
    surface.MoveTo(At(d, l - t));
    surface.LineTo(At(d - w, l - t));

    auto joined = [&](const CLane* other) {
        return other != nullptr && (connectors.FindConnector(&m_lane, other) != nullptr ||
                                    connectors.FindConnector(other, &m_lane) != nullptr);
    };
    surface.SelectPen(joined(outer) ? dotted : solid);
    surface.MoveTo(At(d, outerLength));
    surface.LineTo(At(d, 0));
    surface.SelectPen(joined(inner) ? dotted : solid);
    surface.MoveTo(At(d - w, innerLength));
    surface.LineTo(At(d - w, 0));

    DrawFlowText(surface);
    if (m_context.laneDataSource != nullptr) {
        DrawEndTexts(surface);
    }
    if (outer != nullptr && connectors.FindConnector(outer, &m_lane) != nullptr) {
        DrawIndicator(surface, d, d - 15.0, m_context.program->CurLaneChangeRightColor);
    }
    if (inner != nullptr && connectors.FindConnector(inner, &m_lane) != nullptr) {
        DrawIndicator(surface, d - w, d - w + 15.0, m_context.program->CurLaneChangeLeftColor);
    }
}

void CLaneGraphics::DrawIndicator(CDrawingSurface& surface, double side, double towards,
                                  ColorRef colour) const
{
    const double t = m_geometry.crossLine;
    const CPoint triangle[] = {At(side, t - 5.0), At(side, t + 5.0), At(towards, t)};
    surface.SelectPen(CPenExt(EPenStyle::Solid, 1, colour));
    surface.SelectBrush(CBrush(colour));
    surface.Polygon(triangle);
}

void CLaneGraphics::DrawFlowText(CDrawingSurface& surface) const
{
    // Only routes that pass the filter and are permitted are drawn.
    const CLaneFlowDisplay& display = m_context.switches.laneFlows;
    const std::unique_ptr<CRouteAggregator> aggregator =
        CreateRouteAggregator(display.aggregation, m_context.flowGroup);
    const CNumList bands = AggregateLane(*aggregator, m_lane, display.colouring,
                                         AggregateInFilterOnly | AggregatePermittedOnly);
    const std::vector<CNumListEntry>& values = bands.GetEntries();
    if (values.empty()) {
        return;
    }
    const CSegment line = TextLine();
    const double bt = line.Bearing();
    const double lt = line.Length();
    const bool upper = bt >= 0.0 && bt < 180.0;
    const int height = m_context.network->ArmTextHeight;
    const CBearingFont oldFont = surface.SelectFont(CBearingFont(bt, height, true));
    const ColorRef oldColour = surface.SetTextColor(Black);
    surface.SetBkMode(EBkMode::Transparent);
    surface.SetTextAlign(upper ? TextAlign::Left | TextAlign::Bottom
                               : TextAlign::Right | TextAlign::Top);
    const std::string marker = upper ? ">>" : "<<";
    const CSize markerSize = surface.GetTextExtent(marker);
    const double across = -static_cast<double>(markerSize.cy / 2);
    const bool showZero = m_context.switches.laneFlows.zeroFlowsShown;
    auto shown = [&](const CNumListEntry& v) {
        return showZero || static_cast<long long>(v.value + 0.5) != 0;
    };
    const int precision = m_context.program->CurLaneFlowPrecision;
    const std::string& delimiter = m_context.network->LaneFlowDelimiter;

    double p = 0.0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const CNumListEntry& v = values[i];
        if (!shown(v)) {
            continue;
        }
        std::string piece = FormatFlow(v.value, precision);
        bool delimited = false;
        if (upper) {
            for (std::size_t j = i + 1; j < values.size() && !delimited; ++j) {
                delimited = shown(values[j]);
            }
        } else {
            for (std::size_t j = 0; j < i && !delimited; ++j) {
                delimited = shown(values[j]);
            }
        }
        if (delimited) {
            piece += delimiter;
        }
        surface.SetTextColor(v.colour);
        const CPoint reference = line.PointAt(across, lt - p);
        p += surface.GetTextExtent(piece).cx;
        const bool last = i + 1 == values.size();
        const double limit = last ? std::trunc(lt) : std::trunc(lt - markerSize.cx);
        if (p > limit) {
            surface.TextOut(reference, marker);
            break;
        }
        surface.TextOut(reference, piece);
    }
    surface.SelectFont(oldFont);
    surface.SetTextColor(oldColour);
}

void CLaneGraphics::DrawEndTexts(CDrawingSurface& surface) const
{
    const double bt = TextLine().Bearing();
    const bool upper = bt >= 0.0 && bt < 180.0;
    const CBearingFont oldFont =
        surface.SelectFont(CBearingFont(bt, m_context.network->ArmTextHeight, true));
    const ColorRef oldColour = surface.SetTextColor(Black);
    surface.SetBkMode(EBkMode::Transparent);
    surface.SetTextAlign(TextAlign::Center | (upper ? TextAlign::Bottom : TextAlign::Top));
    const CTextMetrics tm = surface.GetTextMetrics();
    const double side = m_geometry.offset - m_geometry.width;
    const int t = m_geometry.crossLine;
    const int l = m_geometry.length;
    const int k2 = (tm.height + m_geometry.width) / 2;
    const int k1 = k2 + (upper ? tm.externalLeading : -tm.externalLeading);

    const CSegment stopBox = Between(At(side, 0), At(side, t));
    const CSegment farBox = Between(At(side, l - t), At(side, l));
    const CLaneDataSource& source = *m_context.laneDataSource;
    surface.TextOut(stopBox.PointAt(k2, stopBox.Length() / 2.0),
                    source.GetText2(m_context.flowGroup, m_lane));
    surface.TextOut(farBox.PointAt(k1, farBox.Length() / 2.0),
                    source.GetText1(m_context.flowGroup, m_lane));
    surface.SelectFont(oldFont);
    surface.SetTextColor(oldColour);
}
