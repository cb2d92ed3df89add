// The report builder's window.
#pragma once

#include "document/child_frame.h"

// Kind 3.
class CReportBuilderMainFrame : public CChildFrame
{
    Q_OBJECT
public:
    static constexpr const char* KindName = "Report Builder";

    CReportBuilderMainFrame(CCarouselDoc& document, CFrameOwner& owner, int index);
};
