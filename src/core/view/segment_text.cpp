#include "view/segment_text.h"

#include <cmath>
#include <numbers>

namespace
{
bool UpperHalf(double bearing)
{
    return bearing >= 0.0 && bearing < 180.0;
}
} // namespace

CSegmentTextLayout LayoutSegmentText(const CSegment& segment, unsigned placement, double inset)
{
    const double b = segment.Bearing();
    const double length = segment.Length();
    const bool upper = UpperHalf(b);

    bool bottom = true;
    double offset = 6.0;
    switch (placement & 3u) {
    case SegmentTextPlacement::Below:
        break;
    case SegmentTextPlacement::Above:
        bottom = false;
        break;
    case SegmentTextPlacement::BelowUpright:
        bottom = upper;
        break;
    default:
        bottom = !upper;
        break;
    }
    if (!bottom) {
        offset = -6.0;
    }
    unsigned align = bottom
                         ? ((placement & SegmentTextPlacement::Baseline) != 0 ? TextAlign::Baseline
                                                                              : TextAlign::Bottom)
                         : TextAlign::Top;
    double along = length / 2.0;
    switch (placement & 12u) {
    case SegmentTextPlacement::AtStart:
        along = inset;
        align |= upper ? TextAlign::Right : TextAlign::Left;
        break;
    case SegmentTextPlacement::AtEnd:
        along = length - inset;
        align |= upper ? TextAlign::Left : TextAlign::Right;
        break;
    default:
        align |= TextAlign::Center;
        break;
    }
    if (!upper) {
        offset = -offset;
    }
    CSegmentTextLayout layout;
    layout.reference = segment.PointAt(offset, along);
    layout.align = align;
    layout.bearing = b;
    layout.textBearing = upper ? b : b + 180.0;
    return layout;
}

CRect TurnedTextBox(CPoint reference, double textBearing, double u0, double u1, double v0,
                    double v1)
{
    // The text runs along (sin b, -cos b) on the y-down plan and its downward side is
    // (cos b, sin b); bearing 90 is plain horizontal text.
    const double t = textBearing * std::numbers::pi / 180.0;
    const double s = std::sin(t);
    const double c = std::cos(t);
    double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
    for (double u : {u0, u1}) {
        for (double v : {v0, v1}) {
            const double x = reference.x + u * s + v * c;
            const double y = reference.y - u * c + v * s;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
    }
    // sin and cos of right angles are not exact zeros: keep such noise from moving a whole unit.
    constexpr double Noise = 1e-9;
    return {ClampToInt(std::floor(minX + Noise)), ClampToInt(std::floor(minY + Noise)),
            ClampToInt(std::ceil(maxX - Noise) + 1.0), ClampToInt(std::ceil(maxY - Noise) + 1.0)};
}

void DrawSegmentText(CDrawingSurface& surface, CBounds* bounds, const CSegment& segment,
                     std::string_view text, int height, ColorRef colour, unsigned placement,
                     double inset)
{
    const CSegmentTextLayout layout = LayoutSegmentText(segment, placement, inset);
    const CBearingFont font(layout.bearing, height, true);
    if (bounds != nullptr) {
        const CSize extent = surface.GetTextExtent(font, text);
        const double w = extent.cx;
        const double h = extent.cy;
        double u0 = 0.0;
        double u1 = w;
        if ((layout.align & TextAlign::Center) == TextAlign::Center) {
            const int half = static_cast<int>(w / 2) + 1;
            u0 = -half;
            u1 = half;
        } else if ((layout.align & TextAlign::Center) == TextAlign::Right) {
            u0 = -w;
            u1 = 0.0;
        }
        const bool top = (layout.align & TextAlign::Baseline) == TextAlign::Top;
        bounds->Add(TurnedTextBox(layout.reference, layout.textBearing, u0, u1, top ? 0.0 : -h,
                                  top ? h : 0.0));
        return;
    }
    const ColorRef oldColour = surface.SetTextColor(colour);
    const CBearingFont oldFont = surface.SelectFont(font);
    surface.SetTextAlign(layout.align);
    surface.SetBkMode(EBkMode::Transparent);
    surface.TextOut(layout.reference, text);
    surface.SelectFont(oldFont);
    surface.SetTextColor(oldColour);
}
