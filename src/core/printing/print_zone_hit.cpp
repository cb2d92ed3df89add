#include "printing/print_zone_hit.h"

#include "printing/print_zone.h"

#include <algorithm>
#include <cstdlib>

namespace
{

bool Near(int value, int edge)
{
    return std::abs(static_cast<long long>(value) - edge) <= PrintZoneHitTolerance;
}

// Within the tolerance of the span from low to high.
bool Along(int value, int low, int high)
{
    return static_cast<long long>(value) >= static_cast<long long>(low) - PrintZoneHitTolerance &&
           static_cast<long long>(value) <= static_cast<long long>(high) + PrintZoneHitTolerance;
}

// The new place of a low edge (left or top) dragged to value, kept clear of the high one.
int LowEdge(int value, int low, int high)
{
    const long long limit = static_cast<long long>(high) - MinimumPrintZoneSize;
    return static_cast<int>(
        std::min<long long>(value, std::max<long long>(limit, std::min(low, high))));
}

int HighEdge(int value, int low, int high)
{
    const long long limit = static_cast<long long>(low) + MinimumPrintZoneSize;
    return static_cast<int>(
        std::max<long long>(value, std::min<long long>(limit, std::max(low, high))));
}

} // namespace

CRect PrintZoneRect(const CPrintZone& zone)
{
    const auto limit = [](int value) {
        return std::clamp(value, -PrintZoneCoordinateLimit, PrintZoneCoordinateLimit);
    };
    return {limit(std::min(zone.GetLeft(), zone.GetRight())),
            limit(std::min(zone.GetTop(), zone.GetBottom())),
            limit(std::max(zone.GetLeft(), zone.GetRight())),
            limit(std::max(zone.GetTop(), zone.GetBottom()))};
}

EPrintZoneHit HitTestPrintZone(const CRect& zone, CPoint point)
{
    const bool left = Near(point.x, zone.left);
    const bool right = Near(point.x, zone.right);
    const bool top = Near(point.y, zone.top);
    const bool bottom = Near(point.y, zone.bottom);
    if (left && top)
        return EPrintZoneHit::TopLeft;
    if (right && top)
        return EPrintZoneHit::TopRight;
    if (left && bottom)
        return EPrintZoneHit::BottomLeft;
    if (right && bottom)
        return EPrintZoneHit::BottomRight;
    const bool acrossX = Along(point.x, zone.left, zone.right);
    const bool acrossY = Along(point.y, zone.top, zone.bottom);
    if (left && acrossY)
        return EPrintZoneHit::Left;
    if (top && acrossX)
        return EPrintZoneHit::Top;
    if (right && acrossY)
        return EPrintZoneHit::Right;
    if (bottom && acrossX)
        return EPrintZoneHit::Bottom;
    if (point.x > zone.left && point.x < zone.right && point.y > zone.top && point.y < zone.bottom)
        return EPrintZoneHit::Body;
    return EPrintZoneHit::None;
}

CRect ResizePrintZoneRect(const CRect& zone, EPrintZoneHit handle, CPoint point)
{
    CRect resized = zone;
    const bool moveLeft = handle == EPrintZoneHit::Left || handle == EPrintZoneHit::TopLeft ||
                          handle == EPrintZoneHit::BottomLeft;
    const bool moveRight = handle == EPrintZoneHit::Right || handle == EPrintZoneHit::TopRight ||
                           handle == EPrintZoneHit::BottomRight;
    const bool moveTop = handle == EPrintZoneHit::Top || handle == EPrintZoneHit::TopLeft ||
                         handle == EPrintZoneHit::TopRight;
    const bool moveBottom = handle == EPrintZoneHit::Bottom ||
                            handle == EPrintZoneHit::BottomLeft ||
                            handle == EPrintZoneHit::BottomRight;
    if (moveLeft)
        resized.left = LowEdge(point.x, zone.left, zone.right);
    if (moveRight)
        resized.right = HighEdge(point.x, zone.left, zone.right);
    if (moveTop)
        resized.top = LowEdge(point.y, zone.top, zone.bottom);
    if (moveBottom)
        resized.bottom = HighEdge(point.y, zone.top, zone.bottom);
    return resized;
}
