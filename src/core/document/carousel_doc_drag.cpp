// Moves made with the mouse: one checkpoint per drag, taken by the view at the first move.
#include "document/carousel_doc.h"
#include "model/capacity_assessor.h"

bool CCarouselDoc::BeginDrag(const std::string& checkpointName)
{
    BeginCheckpoint(checkpointName);
    return true;
}

void CCarouselDoc::EndDrag()
{
    CommitCheckpoint();
}

void CCarouselDoc::CancelDrag()
{
    CancelCheckpoint();
    UpdateAllViews(HintRedraw);
}

void CCarouselDoc::DragArm(CArm& arm, const CPlanPoint& first, const CPlanPoint& second)
{
    arm.SetPoints(first, second);
    Changed(HintRedraw);
}

void CCarouselDoc::DragLabel(CLabel& label, const CLabelPoint& first, const CLabelPoint& second)
{
    label.SetSegment(first, second);
    SetModifiedFlag(true); // as the other label commands: the network view repaints itself
}

void CCarouselDoc::DragCapacityAssessor(CCapacityAssessor& assessor, std::int32_t x, std::int32_t y)
{
    assessor.GetGraphics().x = x;
    assessor.GetGraphics().y = y;
    Changed(HintRedraw);
}

void CCarouselDoc::DragODMatrix(int x, int y)
{
    m_data->odMatrix.SetPosition(x, y);
    Changed(HintRedraw);
}
