// The report builder's pane.
#include "reports/report_builder_main_frame.h"

#include "document/placeholder_pane.h"

CReportBuilderMainFrame::CReportBuilderMainFrame(CCarouselDoc& document, CFrameOwner& owner,
                                                 int index)
    : CChildFrame(document, owner, ReportBuilderViewKind, index, KindName)
{
    setWidget(new CPlaceholderPane("Report Builder", QSize(500, 350)));
}
