// The network window's panes.
#include "view/network_view_child_frame.h"

#include "document/placeholder_pane.h"

#include <QShortcut>
#include <QSplitter>

CNetworkViewChildFrame::CNetworkViewChildFrame(CCarouselDoc& document, CFrameOwner& owner,
                                               int index)
    : CChildFrame(document, owner, NetworkViewKind, index, KindName)
{
    auto* panes = new QSplitter(Qt::Horizontal);
    m_networkPane = new CPlaceholderPane("Network View", QSize(300, 200));
    panes->addWidget(m_networkPane);
    m_columns = new QSplitter(Qt::Vertical);
    m_columns->addWidget(new CPlaceholderPane("Lane Flow Display Manager", QSize(300, 100)));
    m_columns->addWidget(new CPlaceholderPane("Route List", QSize(300, 200)));
    m_columns->addWidget(new CPlaceholderPane("Route Manager", QSize(300, 100)));
    m_columns->setSizes({100, 200, 100});
    panes->addWidget(m_columns);
    panes->setSizes({300, 300});
    // The view takes the room the window gains.
    panes->setStretchFactor(0, 1);
    panes->setStretchFactor(1, 0);
    setWidget(panes);

    // The tables copy their cells with Ctrl+C; in the view it copies the diagram.
    auto* copy = new QShortcut(QKeySequence::Copy, m_networkPane);
    copy->setContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QShortcut::activated, this, &CNetworkViewChildFrame::copyDiagramRequested);
}

CNetworkViewStatus CNetworkViewChildFrame::GetViewStatus() const
{
    // The placeholder pane does not zoom.
    return CNetworkViewStatus{};
}

void CNetworkViewChildFrame::OnDocumentUpdate(int hint)
{
    (void)hint;
    m_networkPane->update();
}
