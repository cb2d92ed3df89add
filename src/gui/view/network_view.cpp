#include "view/network_view.h"

#include "document/carousel_doc.h"
#include "platform/emf_recorder.h"
#include "platform/qpainter_surface.h"
#include "view/network_export.h"
#include "view/network_renderer.h"

#include <QPainter>

namespace
{
// The renderer set up as the network view draws: the document's display settings with the
// selection, the selected routes and the clip test on.
CNetworkRenderer ViewRenderer(CCarouselDoc& doc, CNetworkViewState& state,
                              const CLaneDataSource& laneData)
{
    const CDiagramSource source =
        DiagramSourceOf(doc.GetData(), doc.GetProgramSettings(), doc.GetNetworkSettings(),
                        doc.IsHighlightFilteredRoutes(), doc.IsPermittedOnly());
    CNetworkRenderer renderer(source.network, source.labels, source.odMatrix, source.printPages,
                              source.program, source.networkSettings, state);
    renderer.SetFlowGroup(source.network.GetCurrentFlowGroup());
    renderer.SetLaneDataSource(&laneData);
    CRenderSwitches& switches = renderer.Switches();
    switches = DiagramSwitches(source.settings);
    switches.clipTest = true;
    switches.showSelection = true;
    switches.showSelectedRoute = true;
    return renderer;
}
} // namespace

CNetworkView::CNetworkView(CCarouselDoc& document, QWidget* parent)
    : CScrollPanView(parent), m_document(document), m_state(document.GetViewStates())
{
    m_document.AddView(this);
}

CNetworkView::~CNetworkView()
{
    m_document.RemoveView(this);
}

void CNetworkView::SetOverlay(const CRendererOverlay* overlay)
{
    m_overlay = overlay;
    m_bounds.reset();
    Redraw();
}

CRect CNetworkView::DrawingBounds()
{
    if (!m_bounds) {
        CNetworkRenderer renderer = ViewRenderer(m_document, m_state, m_actualFlows);
        renderer.SetOverlay(m_overlay);
        // Everything counts, not only what a clip box meets.
        renderer.Switches().clipTest = false;
        // Measuring draws nothing: any surface with the measurer serves.
        CEmfRecorder measuring(m_measurer);
        CBounds bounds;
        renderer.Draw(measuring, &bounds);
        m_bounds = bounds.IsEmpty() ? CRect{} : bounds.GetRect();
    }
    return *m_bounds;
}

void CNetworkView::DrawPlan(QPainter& painter, const CPlanMapping& mapping)
{
    CNetworkRenderer renderer = ViewRenderer(m_document, m_state, m_actualFlows);
    renderer.SetOverlay(m_overlay);
    CQPainterSurface surface(painter, mapping, m_measurer, &m_fonts);
    renderer.Draw(surface);
}

bool CNetworkView::IsWheelZoomBackwards() const
{
    return m_document.GetProgramSettings().DefIsMouseWheelZoomBackwards;
}

void CNetworkView::OnUpdate(int hint)
{
    m_bounds.reset();
    Redraw();
    if (hint != HintObjectsReplaced) {
        UpdateScrollBars();
    }
}
