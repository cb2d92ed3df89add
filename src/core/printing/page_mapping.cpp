#include "printing/page_mapping.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{

int RoundToInt(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::round(value);
    return static_cast<int>(std::clamp(rounded,
                                       static_cast<double>(std::numeric_limits<int>::min()),
                                       static_cast<double>(std::numeric_limits<int>::max())));
}

int Extent(int pixelsPerInch, double scale)
{
    const double extent = std::trunc(pixelsPerInch * scale);
    if (!(extent > 0))
        return 0;
    return static_cast<int>(std::min(extent, static_cast<double>(std::numeric_limits<int>::max())));
}

int ToDeviceAxis(int logical, int windowOrigin, int viewportOrigin, int extent)
{
    return RoundToInt(static_cast<double>(viewportOrigin) +
                      (static_cast<double>(logical) - windowOrigin) * extent /
                          CPageMapping::WindowExtent);
}

int ToLogicalAxis(int device, int windowOrigin, int viewportOrigin, int extent)
{
    if (extent == 0)
        return windowOrigin;
    return RoundToInt(static_cast<double>(windowOrigin) +
                      (static_cast<double>(device) - viewportOrigin) * CPageMapping::WindowExtent /
                          extent);
}

} // namespace

CPoint CPageMapping::ToDevice(CPoint logical) const
{
    return {ToDeviceAxis(logical.x, windowOrigin.x, viewportOrigin.x, viewportExtent.cx),
            ToDeviceAxis(logical.y, windowOrigin.y, viewportOrigin.y, viewportExtent.cy)};
}

CPoint CPageMapping::ToLogical(CPoint device) const
{
    return {ToLogicalAxis(device.x, windowOrigin.x, viewportOrigin.x, viewportExtent.cx),
            ToLogicalAxis(device.y, windowOrigin.y, viewportOrigin.y, viewportExtent.cy)};
}

CRect CPageMapping::ToDevice(const CRect& logical) const
{
    const CPoint topLeft = ToDevice(CPoint{logical.left, logical.top});
    const CPoint bottomRight = ToDevice(CPoint{logical.right, logical.bottom});
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

CRect CPageMapping::ToLogical(const CRect& device) const
{
    const CPoint topLeft = ToLogical(CPoint{device.left, device.top});
    const CPoint bottomRight = ToLogical(CPoint{device.right, device.bottom});
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

CPageMapping PageMapping(const CPrinterCaps& caps, double scale)
{
    CPageMapping mapping;
    mapping.viewportExtent = {Extent(caps.logPixelsX, scale), Extent(caps.logPixelsY, scale)};
    return mapping;
}
