#include "view/network_renderer.h"

#include "model/label.h"
#include "model/network.h"
#include "printing/print_page.h"
#include "view/arm_graphics.h"
#include "view/colour_category.h"
#include "view/item_graphics.h"
#include "view/network_view_state.h"
#include "view/od_matrix_graphics.h"
#include "view/print_zone_graphics.h"

#include <cmath>

namespace
{
constexpr ColorRef GridColour = Rgb(235, 235, 235);

int FloorTo(int value, int step)
{
    return static_cast<int>(std::floor(static_cast<double>(value) / step)) * step;
}
int CeilTo(int value, int step)
{
    return static_cast<int>(std::ceil(static_cast<double>(value) / step)) * step;
}
} // namespace

CNetworkRenderer::CNetworkRenderer(const CNetwork& network, const CLabels& labels,
                                   const CODMatrixGraphics& odMatrix, const CPrintPages& printPages,
                                   const ProgramSettings& program, const NetworkSettings& settings,
                                   CNetworkViewState& state)
    : m_network(network), m_labels(labels), m_odMatrix(odMatrix), m_printPages(printPages)
{
    m_context.program = &program;
    m_context.network = &settings;
    m_context.viewState = &state;
}

bool CNetworkRenderer::Skip(const CDrawingSurface& surface, const CRect& rect) const
{
    return m_context.switches.clipTest && !rect.Intersects(surface.GetClipBox());
}

void CNetworkRenderer::Draw(CDrawingSurface& surface, CBounds* bounds)
{
    const CRenderSwitches& s = m_context.switches;
    m_context.viewState->SetCategoryRules({s.permittedOnly, s.showSelection, s.showSelectedRoute});
    if (bounds == nullptr && s.drawGrid && m_context.program->CurDisplayGrid) {
        DrawGrid(surface);
    }
    if (s.drawPrintPages) {
        DrawPrintPages(surface, bounds);
    }
    if (s.showODMatrix) {
        DrawODMatrix(surface, bounds);
    }
    const CArms& arms = m_network.GetArms();
    for (std::uint32_t a = 1; a <= arms.GetCount(); ++a) {
        DrawArm(surface, bounds, *arms.GetArm(a));
    }
    if (s.drawConnectors) {
        for (const CLaneConnector* c :
             m_network.GetLaneConnectors().CLaneConnectors::GetConnectorsInCreationOrder()) {
            DrawLaneConnector(surface, bounds, static_cast<const CCarouselLaneConnector&>(*c));
        }
    }
    if (s.drawZones) {
        const CZones& zones = m_network.GetZones();
        for (std::uint32_t z = 1; z <= zones.GetCount(); ++z) {
            DrawZone(surface, bounds, *zones.GetZone(z));
        }
    }
    for (std::uint32_t n = 1; n <= m_labels.GetCount(); ++n) {
        DrawLabel(surface, bounds, *m_labels.GetLabel(n));
    }
    if (m_overlay != nullptr && m_overlay->IsVisible()) {
        m_overlay->Draw(surface, bounds);
    }
    const CCapacityAssessors& assessors = m_network.GetCapacityAssessors();
    for (std::uint32_t n = 1; n <= assessors.GetCount(); ++n) {
        DrawCapacityAssessor(surface, bounds, *assessors.GetCapacityAssessor(n));
    }
}

void CNetworkRenderer::DrawGrid(CDrawingSurface& surface) const
{
    const int step = m_context.network->GridSize;
    if (step <= 0) {
        return;
    }
    const CRect clip = surface.GetClipBox();
    const CRect box{FloorTo(clip.left, step), FloorTo(clip.top, step), CeilTo(clip.right, step),
                    CeilTo(clip.bottom, step)};
    surface.SelectPen(CPenExt(EPenStyle::Solid, 0, GridColour));
    for (int x = box.left; x <= box.right; x += step) {
        surface.MoveTo({x, box.top});
        surface.LineTo({x, box.bottom});
    }
    for (int y = box.top; y <= box.bottom; y += step) {
        surface.MoveTo({box.left, y});
        surface.LineTo({box.right, y});
    }
}

void CNetworkRenderer::DrawPrintPages(CDrawingSurface& surface, CBounds* bounds) const
{
    for (int n = 1; n <= m_printPages.GetCount(); ++n) {
        const CPrintPage& page = *m_printPages.GetPage(n);
        const bool current =
            m_context.switches.showSelection &&
            m_context.viewState->IsSelected(ESelectionKind::PrintZone, page.GetId());
        const CPrintZoneGraphics graphics(m_context, page, current);
        if (m_context.switches.clipTest && Skip(surface, graphics.GetBoundingRect(surface))) {
            continue;
        }
        graphics.Draw(surface, bounds);
    }
}

void CNetworkRenderer::DrawODMatrix(CDrawingSurface& surface, CBounds* bounds) const
{
    if (Skip(surface, Inflate(m_odMatrix.GetRect(m_context, surface, m_network),
                              m_context.program->CurODMatrixLineThickness))) {
        return;
    }
    m_odMatrix.Draw(m_context, surface, bounds, m_network);
}

void CNetworkRenderer::DrawArm(CDrawingSurface& surface, CBounds* bounds, const CArm& arm) const
{
    const CArmGraphics graphics(m_context, arm);
    if (m_context.switches.clipTest && Skip(surface, graphics.GetBoundingRect())) {
        return;
    }
    graphics.Draw(surface, bounds);
}

void CNetworkRenderer::DrawLaneConnector(CDrawingSurface& surface, CBounds* bounds,
                                         const CCarouselLaneConnector& connector) const
{
    const CLineLaneConnectorGraphics graphics(m_context, connector);
    if (m_context.switches.clipTest && Skip(surface, graphics.GetBoundingRect())) {
        return;
    }
    graphics.Draw(surface, bounds);
}

void CNetworkRenderer::DrawZone(CDrawingSurface& surface, CBounds* bounds, const CZone& zone) const
{
    const CZoneGraphics graphics(
        m_context, zone, m_context.viewState->IsSelected(ESelectionKind::Zone, zone.GetId()));
    if (m_context.switches.clipTest && Skip(surface, graphics.GetBoundingRect())) {
        return;
    }
    graphics.Draw(surface, bounds);
}

void CNetworkRenderer::DrawLabel(CDrawingSurface& surface, CBounds* bounds,
                                 const CLabel& label) const
{
    if (m_context.switches.clipTest) {
        CBounds own;
        ::DrawLabel(m_context, surface, &own, label);
        if (own.IsEmpty() || Skip(surface, own.GetRect())) {
            return;
        }
    }
    ::DrawLabel(m_context, surface, bounds, label);
}

void CNetworkRenderer::DrawCapacityAssessor(CDrawingSurface& surface, CBounds* bounds,
                                            const CCapacityAssessor& assessor) const
{
    const CCapacityAssessorDrawing drawing(m_context, assessor);
    if (m_context.switches.clipTest) {
        CBounds own;
        drawing.Draw(surface, &own);
        if (own.IsEmpty() || Skip(surface, own.GetRect())) {
            return;
        }
    }
    drawing.Draw(surface, bounds);
}
