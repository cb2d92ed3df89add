// Saving and restoring where the windows stand.
#include "document/view_placement.h"

#include "document/carousel_doc.h"
#include "document/child_frame.h"

#include <QMdiArea>
#include <algorithm>

namespace
{
// What must stay inside the area: a stretch of title bar to grab the window by.
constexpr int MinVisibleWidth = 40;
constexpr int MinVisibleHeight = 16;
constexpr double MinZoom = 0.2;
constexpr double MaxZoom = 2.5;
} // namespace

std::optional<QRect> UsableFrameRect(const CViewPosition& position, const QRect& area)
{
    if (position.right <= position.left || position.bottom <= position.top)
        return std::nullopt;
    const QRect rect(QPoint(position.left, position.top),
                     QSize(position.right - position.left, position.bottom - position.top));
    const QRect titleBar(rect.topLeft(), QSize(rect.width(), MinVisibleHeight));
    const QRect visible = titleBar.intersected(area);
    if (visible.width() < MinVisibleWidth || visible.height() < MinVisibleHeight)
        return std::nullopt;
    return rect;
}

double ClampedZoom(double zoom)
{
    if (!(zoom == zoom)) // not a number
        return 1.0;
    return std::clamp(zoom, MinZoom, MaxZoom);
}

std::vector<CViewPosition> CollectViewPositions(const CCarouselDoc& document)
{
    std::vector<CViewPosition> positions;
    for (const CDocumentView* view : document.GetViews())
        if (const auto* frame = dynamic_cast<const CChildFrame*>(view);
            frame && view->IsResizeable())
            positions.push_back(frame->GetViewPosition());
    return positions;
}

void StoreViewPositions(CCarouselDoc& document)
{
    CDocumentData& data = document.GetData();
    data.viewPositions = CollectViewPositions(document);
    data.resizeableViewCount = static_cast<int>(data.viewPositions.size());
}

bool RestoreViewPositions(CCarouselDoc& document, const std::vector<CViewPosition>& positions,
                          const QMdiArea& area)
{
    bool networkWindow = false;
    const QRect areaRect(QPoint(0, 0), area.viewport()->size());
    std::size_t opened = 0;
    for (CViewPosition position : positions) {
        if (opened == MaxRestoredWindows)
            break;
        if (position.kind < NetworkViewKind || position.kind > ReportBuilderViewKind)
            continue;
        if (!document.OpenView(position.kind, position.index))
            continue;
        auto* frame = dynamic_cast<CChildFrame*>(document.FindView(position.kind, position.index));
        if (!frame)
            continue;
        ++opened;
        position.zoom = ClampedZoom(position.zoom);
        frame->ApplyViewPosition(position, UsableFrameRect(position, areaRect));
        networkWindow = networkWindow || position.kind == NetworkViewKind;
    }
    return networkWindow;
}
