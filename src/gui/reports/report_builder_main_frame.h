// The report builder's window.
#pragma once

#include "document/child_frame.h"

#include <QPointer>

class CCarouselReportBuilderView;
class CFileChooser;
class CTextMeasurer;

// Kind 3.
class CReportBuilderMainFrame : public CChildFrame
{
    Q_OBJECT
public:
    static constexpr const char* KindName = "Report Builder";

    CReportBuilderMainFrame(CCarouselDoc& document, CFrameOwner& owner, int index,
                            CFileChooser& files, const CTextMeasurer& measurer);

    CCarouselReportBuilderView* GetReportBuilderView() const;

protected:
    void OnDocumentUpdate(int hint) override;

private:
    QPointer<CCarouselReportBuilderView> m_view;
};
