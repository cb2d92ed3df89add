#include "view/od_matrix_graphics.h"

#include "model/network.h"
#include "model/zone_letter.h"

#include <algorithm>
#include <cstdio>

namespace
{

constexpr ColorRef Black = 0x000000;

std::string Clock(std::int64_t seconds)
{
    seconds %= CFlowGroup::SecondsPerDay;
    if (seconds < 0) {
        seconds += CFlowGroup::SecondsPerDay;
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d", static_cast<int>(seconds / 3600),
                  static_cast<int>(seconds / 60 % 60));
    return buffer;
}

std::string Format(double value, int precision)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", precision, value);
    return buffer;
}

CBearingFont TableFont(const CRenderContext& context)
{
    return CBearingFont(90.0, context.network->ODMatrixTextHeight, true);
}

} // namespace

std::string CODMatrixGraphics::CaptionText(const CFlowGroup* group)
{
    if (group == nullptr) {
        return {};
    }
    return group->GetDescription() + " : " + Clock(group->GetStart()) + " - " +
           Clock(group->GetEnd());
}

std::string CODMatrixGraphics::KindText(ODFlowKind kind)
{
    switch (kind) {
    case ODFlowKind::Actual:
        return "Actual Flows";
    case ODFlowKind::Difference:
        return "Difference Flows";
    default:
        return "Desired Flows";
    }
}

CODMatrixGraphics::CLayout CODMatrixGraphics::Layout(const CRenderContext& context,
                                                     const CDrawingSurface& surface,
                                                     const CNetwork& network) const
{
    const int t = context.network->ODMatrixTextHeight;
    const int p = context.program->CurODFlowPrecision;
    CLayout layout;
    layout.columns = static_cast<int>(network.GetZones().GetCount()) + 2;
    layout.rowHeight = static_cast<int>(1.2 * t);
    layout.columnWidth = static_cast<int>((0.25 * p + 2.5) * t * 1.2);
    const CBearingFont font = TableFont(context);
    const int widest = std::max(surface.GetTextExtent(font, CaptionText(context.flowGroup)).cx,
                                surface.GetTextExtent(font, KindText(m_kind)).cx);
    if (layout.columns * layout.columnWidth < widest + 30) {
        layout.columnWidth = (widest + 30) / layout.columns + 1;
    }
    return layout;
}

CRect CODMatrixGraphics::MessageRect(const CRenderContext& context,
                                     const CDrawingSurface& surface) const
{
    const CSize size = surface.GetTextExtent(TableFont(context), "88888");
    return {m_x, m_y, m_x + 10 * size.cx, m_y + 3 * size.cy};
}

CRect CODMatrixGraphics::GetRect(const CRenderContext& context, const CDrawingSurface& surface,
                                 const CNetwork& network) const
{
    if (network.GetFlowGroups().GetCount() == 0) {
        return MessageRect(context, surface);
    }
    const CLayout l = Layout(context, surface, network);
    return {m_x, m_y, m_x + l.columns * l.columnWidth, m_y + (l.columns + 2) * l.rowHeight};
}

void CODMatrixGraphics::DrawMessage(const CRenderContext& context, CDrawingSurface& surface) const
{
    const CRect rect = MessageRect(context, surface);
    surface.Rectangle(rect);
    const int middle = (rect.top + rect.bottom) / 2;
    const int centre = (rect.left + rect.right) / 2;
    surface.SetTextAlign(TextAlign::Center | TextAlign::Bottom);
    surface.TextOut({centre, middle}, "The OD Matrix cannot be shown as:");
    surface.SetTextAlign(TextAlign::Center | TextAlign::Top);
    surface.TextOut({centre, middle}, "There are currently no Flow Groups defined.");
}

void CODMatrixGraphics::Draw(const CRenderContext& context, CDrawingSurface& surface,
                             CBounds* bounds, const CNetwork& network) const
{
    const int thickness = context.program->CurODMatrixLineThickness;
    if (bounds != nullptr) {
        bounds->Add(Inflate(GetRect(context, surface, network), thickness));
        return;
    }
    surface.SetBkMode(EBkMode::Transparent);
    surface.SelectPen(CPenExt(EPenStyle::Solid, thickness, Black));
    surface.SelectBrush(CBrush::Null());
    const CBearingFont oldFont = surface.SelectFont(TableFont(context));
    const ColorRef oldColour = surface.SetTextColor(Black);
    if (network.GetFlowGroups().GetCount() == 0) {
        DrawMessage(context, surface);
        surface.SelectFont(oldFont);
        surface.SetTextColor(oldColour);
        return;
    }

    const CLayout l = Layout(context, surface, network);
    const int h = l.rowHeight;
    const int w = l.columnWidth;
    const int n = l.columns;
    const int tw = n * w;
    const int x0 = m_x;
    const int y0 = m_y;

    const CPoint caption[] = {{x0, y0 + 2 * h}, {x0, y0}, {x0 + tw, y0}, {x0 + tw, y0 + 2 * h}};
    surface.Polyline(caption);
    surface.MoveTo({x0, y0 + h});
    surface.LineTo({x0 + tw, y0 + h});
    surface.SetTextAlign(TextAlign::Center | TextAlign::Bottom);
    surface.TextOut({x0 + tw / 2, y0 + h}, CaptionText(context.flowGroup));
    surface.TextOut({x0 + tw / 2, y0 + 2 * h}, KindText(m_kind));

    const int body = y0 + 2 * h;
    for (int k = 0; k <= n; ++k) {
        surface.MoveTo({x0, body + k * h});
        surface.LineTo({x0 + tw, body + k * h});
    }
    for (int k = 0; k <= n; ++k) {
        surface.MoveTo({x0 + k * w, body});
        surface.LineTo({x0 + k * w, body + n * h});
    }

    surface.SetTextAlign(TextAlign::Center | TextAlign::Top);
    const int t = context.network->ODMatrixTextHeight;
    auto cell = [&](int r, int c, const std::string& text, ColorRef colour) {
        surface.SetTextColor(colour);
        surface.TextOut({x0 + static_cast<int>((c + 0.5) * w),
                         body + static_cast<int>((r + 0.5) * h - t / 2.0)},
                        text);
    };
    const CZones& zones = network.GetZones();
    const int z = static_cast<int>(zones.GetCount());
    const int p = context.program->CurODFlowPrecision;
    const bool byOrigin = context.switches.laneFlows.colouring == ELaneFlowColouring::ByOrigin;
    const CODFlowMatrix matrix(network, context.flowGroup);
    for (int i = 1; i <= z; ++i) {
        const std::string name = ZoneLetter(static_cast<std::uint32_t>(i));
        cell(0, i, name, Black);
        cell(i, 0, name, Black);
    }
    cell(0, z + 1, "Tot.", Black);
    cell(z + 1, 0, "Tot.", Black);
    double grand = 0.0;
    for (int i = 1; i <= z; ++i) {
        const CZone& origin = *zones.GetZone(static_cast<std::uint32_t>(i));
        for (int j = 1; j <= z; ++j) {
            const CZone& destination = *zones.GetZone(static_cast<std::uint32_t>(j));
            cell(i, j, Format(matrix.GetCell(m_kind, origin, destination), p),
                 byOrigin ? origin.GetColour() : destination.GetColour());
        }
        const double total = matrix.GetOriginTotal(m_kind, origin);
        grand += total;
        cell(i, z + 1, Format(total, p), byOrigin ? origin.GetColour() : Black);
    }
    for (int j = 1; j <= z; ++j) {
        const CZone& destination = *zones.GetZone(static_cast<std::uint32_t>(j));
        cell(z + 1, j, Format(matrix.GetDestinationTotal(m_kind, destination), p),
             byOrigin ? Black : destination.GetColour());
    }
    cell(z + 1, z + 1, Format(grand, p), Black);
    surface.SelectFont(oldFont);
    surface.SetTextColor(oldColour);
}
