#include "printing/print_zone_pick.h"

#include "printing/print_page.h"

#include <cstdlib>

namespace
{

long long Area(const CRect& rect)
{
    return static_cast<long long>(rect.Width()) * rect.Height();
}

bool IsHandle(EPrintZoneHit hit)
{
    return hit != EPrintZoneHit::None && hit != EPrintZoneHit::Body;
}

// The multiple of grid nearest to value, halves away from zero.
long long Snap(long long value, int grid)
{
    if (grid <= 0)
        return value;
    const long long half = grid / 2;
    return (value >= 0 ? (value + half) / grid : (value - half) / grid) * grid;
}

bool WithinLimits(long long left, long long top, long long right, long long bottom)
{
    const auto in = [](long long v) { return std::llabs(v) <= PrintZoneCoordinateLimit; };
    return in(left) && in(top) && in(right) && in(bottom);
}

} // namespace

CPrintZonePick PickPrintZone(const CPrintPages& pages, std::uint32_t currentPageId, CPoint point)
{
    if (const CPrintPage* current = pages.GetPageById(currentPageId)) {
        const EPrintZoneHit hit = HitTestPrintZone(PrintZoneRect(current->GetPrintZone()), point);
        if (IsHandle(hit))
            return {current->GetId(), hit};
    }
    CPrintZonePick handle;
    CPrintZonePick body;
    long long bodyArea = 0;
    for (int n = 1; n <= pages.GetCount(); ++n) {
        const CPrintPage& page = *pages.GetPage(n);
        const CRect rect = PrintZoneRect(page.GetPrintZone());
        const EPrintZoneHit hit = HitTestPrintZone(rect, point);
        if (IsHandle(hit) && handle.pageId == 0)
            handle = {page.GetId(), hit};
        else if (hit == EPrintZoneHit::Body && (body.pageId == 0 || Area(rect) < bodyArea)) {
            body = {page.GetId(), hit};
            bodyArea = Area(rect);
        }
    }
    return handle.pageId != 0 ? handle : body;
}

CRect DraggedPrintZoneRect(const CRect& start, EPrintZoneHit grab, CPoint grabbed, CPoint mouse,
                           int grid, const CRect& current)
{
    if (grab == EPrintZoneHit::Body) {
        const long long left =
            Snap(static_cast<long long>(start.left) + mouse.x - grabbed.x, grid);
        const long long top = Snap(static_cast<long long>(start.top) + mouse.y - grabbed.y, grid);
        const long long right = left + start.Width();
        const long long bottom = top + start.Height();
        if (!WithinLimits(left, top, right, bottom))
            return current;
        return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
                static_cast<int>(bottom)};
    }
    const long long x = Snap(mouse.x, grid);
    const long long y = Snap(mouse.y, grid);
    if (!WithinLimits(x, y, x, y))
        return current;
    return ResizePrintZoneRect(start, grab, {static_cast<int>(x), static_cast<int>(y)});
}
