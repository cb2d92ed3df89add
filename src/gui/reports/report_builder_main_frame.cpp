// The report builder's window.
#include "reports/report_builder_main_frame.h"

#include "reports/carousel_report_builder_view.h"

CReportBuilderMainFrame::CReportBuilderMainFrame(CCarouselDoc& document, CFrameOwner& owner,
                                                 int index, CFileChooser& files,
                                                 const CTextMeasurer& measurer)
    : CChildFrame(document, owner, ReportBuilderViewKind, index, KindName)
{
    m_view = new CCarouselReportBuilderView(document, files, measurer);
    setWidget(m_view.data());
}

CCarouselReportBuilderView* CReportBuilderMainFrame::GetReportBuilderView() const
{
    return m_view.data();
}

void CReportBuilderMainFrame::OnDocumentUpdate(int hint)
{
    if (m_view)
        m_view->OnUpdate(hint);
}
