// The traffic flows window's panes.
#include "tables/flow_views_child_frame.h"

#include "document/placeholder_pane.h"

#include <QSplitter>

CFlowViewsChildFrame::CFlowViewsChildFrame(CCarouselDoc& document, CFrameOwner& owner, int index)
    : CChildFrame(document, owner, TrafficFlowsViewKind, index, KindName)
{
    auto* panes = new QSplitter(Qt::Horizontal);
    panes->addWidget(new CPlaceholderPane("Flow Group List", QSize(310, 300)));
    panes->addWidget(new CPlaceholderPane("OD Matrix View", QSize(150, 300)));
    panes->setSizes({310, 150});
    setWidget(panes);
}
