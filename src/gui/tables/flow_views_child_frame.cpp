// The traffic flows window's panes.
#include "tables/flow_views_child_frame.h"

#include "tables/flow_group_list_view.h"
#include "tables/od_matrix_pane.h"

#include <QSplitter>

CFlowViewsChildFrame::CFlowViewsChildFrame(CCarouselDoc& document, CFrameOwner& owner, int index)
    : CChildFrame(document, owner, TrafficFlowsViewKind, index, KindName)
{
    auto* panes = new QSplitter(Qt::Horizontal);
    panes->addWidget(new CFlowGroupListView(document));
    panes->addWidget(new CODMatrixPane(document));
    panes->setSizes({310, 450});
    panes->setStretchFactor(1, 1);
    setWidget(panes);
}
