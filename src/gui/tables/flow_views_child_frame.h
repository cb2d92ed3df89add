// The traffic flows window: the flow group list beside the OD matrix view.
#pragma once

#include "document/child_frame.h"

// Kind 2.
class CFlowViewsChildFrame : public CChildFrame
{
    Q_OBJECT
public:
    static constexpr const char* KindName = "Traffic Flows";

    CFlowViewsChildFrame(CCarouselDoc& document, CFrameOwner& owner, int index);
};
