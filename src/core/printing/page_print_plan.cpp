#include "printing/page_print_plan.h"

#include "printing/page_layout.h"
#include "printing/print_page.h"
#include "printing/print_zone_hit.h"
#include "platform/bounds.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace
{

// A wide whole number brought into the range of int.
int SaturatedInt(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// Where a span of size starts when centred between low and high; both halvings truncate.
int Centred(int low, int high, std::int64_t size)
{
    return SaturatedInt((std::int64_t{low} + high) / 2 - size / 2);
}

std::int64_t Length(int low, int high)
{
    return std::int64_t{high} - low;
}

} // namespace

double FitScale(const CRect& area, const CRect& zone)
{
    if (area.IsEmpty() || zone.IsEmpty())
        return 1.0;
    return std::min(static_cast<double>(area.Width()) / zone.Width(),
                    static_cast<double>(area.Height()) / zone.Height());
}

double PrintScale(const CPrintPage& page, const CRect& area)
{
    const CPrintZone& zone = page.GetPrintZone();
    return zone.GetScaleToFit() ? FitScale(area, PrintZoneRect(zone)) : zone.GetScale();
}

CPagePrintPlan PlanPrintedPage(const CPrintPage& page, const CPrinterCaps& caps)
{
    CPagePrintPlan plan;
    if (!caps.IsUsable())
        return plan;
    const CDrawingFrame& drawingFrame = page.GetDrawingFrame();
    plan.frame = FrameRect(caps, drawingFrame.GetMinimumMargin());
    plan.frameMapping = PageMapping(caps, 1.0);
    plan.frameMapping.viewportOrigin = {SaturatedInt(-std::int64_t{caps.originOffsetX}),
                                        SaturatedInt(-std::int64_t{caps.originOffsetY})};
    plan.drawingArea = DrawingArea(drawingFrame, plan.frame);
    plan.deviceArea = plan.frameMapping.ToDevice(plan.drawingArea);

    const CRect zone = PrintZoneRect(page.GetPrintZone());
    plan.scale = PrintScale(page, plan.drawingArea);
    plan.zoneMapping = PageMapping(caps, plan.scale);
    const CRect deviceZone = plan.zoneMapping.ToDevice(zone);
    // The device area was placed by frameMapping, whose origin took the offset off already.
    plan.zoneMapping.viewportOrigin = {Centred(plan.deviceArea.left, plan.deviceArea.right,
                                               Length(deviceZone.left, deviceZone.right)),
                                       Centred(plan.deviceArea.top, plan.deviceArea.bottom,
                                               Length(deviceZone.top, deviceZone.bottom))};
    plan.zoneMapping.windowOrigin = {zone.left, zone.top};

    const CRect area = plan.zoneMapping.ToLogical(plan.deviceArea);
    plan.drawingRect = page.GetPrintZone().GetCropToPrintZone() ? Intersect(area, zone) : area;
    return plan;
}
