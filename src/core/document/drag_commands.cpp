#include "document/drag_commands.h"

#include "document/carousel_doc.h"
#include "model/capacity_assessor.h"
#include "printing/print_page.h"

namespace
{

void Moved(CCarouselDoc& document, int hint)
{
    document.UpdateAllViews(hint);
    document.SetModifiedFlag(true);
}

} // namespace

bool BeginDrag(CCarouselDoc& document, const std::string& checkpointName)
{
    // A snapshot that cannot be written refuses the drag; the document has said why.
    return document.BeginCheckpoint(checkpointName);
}

void EndDrag(CCarouselDoc& document)
{
    document.CommitCheckpoint();
}

void CancelDrag(CCarouselDoc& document)
{
    document.CancelCheckpoint();
    document.UpdateAllViews(HintRedraw);
}

void DragArm(CCarouselDoc& document, CArm& arm, const CPlanPoint& first, const CPlanPoint& second)
{
    arm.SetPoints(first, second);
    Moved(document, HintRedraw);
}

void DragLabel(CCarouselDoc& document, CLabel& label, const CLabelPoint& first,
               const CLabelPoint& second)
{
    label.SetSegment(first, second);
    // As the other label commands: the network view repaints itself.
    document.SetModifiedFlag(true);
}

void DragCapacityAssessor(CCarouselDoc& document, CCapacityAssessor& assessor, std::int32_t x,
                          std::int32_t y)
{
    assessor.GetGraphics().x = x;
    assessor.GetGraphics().y = y;
    Moved(document, HintRedraw);
}

void DragODMatrix(CCarouselDoc& document, int x, int y)
{
    document.GetData().odMatrix.SetPosition(x, y);
    Moved(document, HintRedraw);
}

void DragPrintZone(CCarouselDoc& document, CPrintPage& page, const CRect& rect)
{
    page.GetPrintZone().SetRect(rect.left, rect.top, rect.right, rect.bottom);
    Moved(document, HintRedraw);
}
