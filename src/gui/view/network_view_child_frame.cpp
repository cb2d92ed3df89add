// The network window's panes.
#include "view/network_view_child_frame.h"

#include "printing/print_layout_controller.h"
#include "tables/lane_flow_display_view.h"
#include "tables/route_list_view.h"
#include "tables/route_manager_view.h"
#include "view/network_view.h"

#include <QShortcut>
#include <QSplitter>

CNetworkViewChildFrame::CNetworkViewChildFrame(CCarouselDoc& document, CFrameOwner& owner,
                                               int index, ProgramSettings& program)
    : CChildFrame(document, owner, NetworkViewKind, index, KindName)
{
    auto* panes = new QSplitter(Qt::Horizontal);
    m_view = new CNetworkView(document);
    m_view->setMinimumSize(150, 100);
    panes->addWidget(m_view.data());
    m_columns = new QSplitter(Qt::Vertical);
    m_columns->addWidget(new CLaneFlowDisplayView(document));
    m_routeList = new CRouteListView(document, program);
    m_columns->addWidget(m_routeList.data());
    m_columns->addWidget(new CRouteManagerView(document));
    m_columns->setSizes({100, 200, 100});
    m_columns->setStretchFactor(1, 1);
    panes->addWidget(m_columns);
    panes->setSizes({300, 300});
    // The view takes the room the window gains.
    panes->setStretchFactor(0, 1);
    panes->setStretchFactor(1, 0);
    setWidget(panes);
    connect(m_view.data(), &CScrollPanView::ZoomChanged, this,
            &CNetworkViewChildFrame::zoomChanged);

    // The tables copy their cells with Ctrl+C; in the view it copies the diagram.
    auto* copy = new QShortcut(QKeySequence::Copy, m_view.data());
    copy->setContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QShortcut::activated, this, &CNetworkViewChildFrame::copyDiagramRequested);
}

CNetworkView* CNetworkViewChildFrame::GetNetworkView() const
{
    return m_view.data();
}

void CNetworkViewChildFrame::EnablePrintLayout(const ProgramSettings& program, CPrompt& prompt)
{
    if (m_view && !m_printLayout)
        m_printLayout = new CPrintLayoutController(*m_view, program, prompt);
}

CPrintLayoutController* CNetworkViewChildFrame::GetPrintLayout() const
{
    return m_printLayout.data();
}

CNetworkViewStatus CNetworkViewChildFrame::GetViewStatus() const
{
    if (!m_view)
        return {};
    CNetworkViewStatus status;
    status.zoomable = true;
    status.zoom = m_view->GetZoom();
    status.hasBounds = m_view->CanZoomToFit();
    status.interacting = m_view->IsInteracting();
    status.isEnabled = [view = m_view](EViewCommand command) {
        return view && view->IsCommandEnabled(command);
    };
    return status;
}

CViewPosition CNetworkViewChildFrame::GetViewPosition() const
{
    CViewPosition position = CChildFrame::GetViewPosition();
    if (m_view)
        m_view->StoreViewPosition(position);
    return position;
}

void CNetworkViewChildFrame::ApplyViewPosition(const CViewPosition& position,
                                               const std::optional<QRect>& rect)
{
    CChildFrame::ApplyViewPosition(position, rect);
    if (m_view && !m_view->RestoreViewPosition(position))
        m_view->ZoomToFit();
}

void CNetworkViewChildFrame::ApplyDefaultPlacement()
{
    if (m_view)
        m_view->ZoomToFit();
}
