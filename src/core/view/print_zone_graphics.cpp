#include "view/print_zone_graphics.h"

#include "printing/print_page.h"
#include "printing/print_zone_hit.h"

#include <array>

namespace
{
// A number written upwards: escapement 900.
constexpr double UpwardsBearing = 0.0;
} // namespace

CBearingFont CPrintZoneGraphics::NumberFont() const
{
    return CBearingFont(UpwardsBearing, m_context.network->ZoneTextHeight, false);
}

CPoint CPrintZoneGraphics::NumberPlace() const
{
    const CRect rect = PrintZoneRect(m_page.GetPrintZone());
    return {rect.left - NumberGap, rect.top + rect.Height() / 2};
}

CRect CPrintZoneGraphics::GetBoundingRect(const CDrawingSurface& surface) const
{
    const CRect rect = PrintZoneRect(m_page.GetPrintZone());
    // The number stands left of its reference point, its length running along the edge.
    const CSize extent = surface.GetTextExtent(NumberFont(), m_page.GetPositionText());
    const CPoint place = NumberPlace();
    const int halfLength = extent.cx / 2 + 1;
    const CRect number{place.x - extent.cy, place.y - halfLength, place.x + 1,
                       place.y + halfLength};
    return Unite(Inflate(rect, HandleHalfSize + 1), number);
}

void CPrintZoneGraphics::Draw(CDrawingSurface& surface, CBounds* bounds) const
{
    if (bounds != nullptr) {
        bounds->Add(GetBoundingRect(surface));
        return;
    }
    const CRect rect = PrintZoneRect(m_page.GetPrintZone());
    const int rop = surface.SetRop2(Rop2::NotXorPen);
    const CPenExt pen = surface.SelectPen(CPenExt::Null());
    const CBrush brush = surface.SelectBrush(CBrush(FillColour));
    surface.Rectangle(rect);
    surface.SetRop2(rop);

    const CBearingFont font = surface.SelectFont(NumberFont());
    const ColorRef textColour = surface.SetTextColor(NumberColour);
    const EBkMode bkMode = surface.SetBkMode(EBkMode::Transparent);
    const unsigned align = surface.SetTextAlign(TextAlign::Center | TextAlign::Bottom);
    surface.TextOut(NumberPlace(), m_page.GetPositionText());
    surface.SetTextAlign(align);
    surface.SetBkMode(bkMode);
    surface.SetTextColor(textColour);
    surface.SelectFont(font);

    const ProgramSettings& program = *m_context.program;
    const ColorRef outline = m_current ? program.CurSelectedItemColor : program.CurLaneColor;
    surface.SelectPen(CPenExt(EPenStyle::Solid, 0, outline));
    surface.SelectBrush(CBrush::Null());
    const std::array<CPoint, 5> corners{
        CPoint{rect.left, rect.top}, CPoint{rect.right, rect.top}, CPoint{rect.right, rect.bottom},
        CPoint{rect.left, rect.bottom}, CPoint{rect.left, rect.top}};
    surface.Polyline(corners);
    if (m_current)
        DrawHandles(surface, outline);
    surface.SelectBrush(brush);
    surface.SelectPen(pen);
}

void CPrintZoneGraphics::DrawHandles(CDrawingSurface& surface, ColorRef colour) const
{
    const CRect rect = PrintZoneRect(m_page.GetPrintZone());
    const int midX = rect.left + rect.Width() / 2;
    const int midY = rect.top + rect.Height() / 2;
    surface.SelectBrush(CBrush(colour));
    for (const CPoint p :
         {CPoint{rect.left, rect.top}, CPoint{midX, rect.top}, CPoint{rect.right, rect.top},
          CPoint{rect.right, midY}, CPoint{rect.right, rect.bottom}, CPoint{midX, rect.bottom},
          CPoint{rect.left, rect.bottom}, CPoint{rect.left, midY}}) {
        surface.Rectangle({p.x - HandleHalfSize, p.y - HandleHalfSize, p.x + HandleHalfSize + 1,
                           p.y + HandleHalfSize + 1});
    }
}
