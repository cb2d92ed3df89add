#include "platform/bounds.h"

#include <algorithm>

void CBounds::Add(const CRect& rect)
{
    if (rect.IsEmpty()) {
        return;
    }
    m_rect = m_has ? Unite(m_rect, rect) : rect;
    m_has = true;
}

void CBounds::Add(std::span<const CPoint> points, int margin)
{
    if (!points.empty()) {
        Add(Inflate(BoxOf(points), margin));
    }
}

CRect Inflate(const CRect& rect, int by)
{
    return {rect.left - by, rect.top - by, rect.right + by, rect.bottom + by};
}

CRect Unite(const CRect& a, const CRect& b)
{
    if (a.IsEmpty()) {
        return b;
    }
    if (b.IsEmpty()) {
        return a;
    }
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

CRect Intersect(const CRect& a, const CRect& b)
{
    const CRect overlap{std::max(a.left, b.left), std::max(a.top, b.top),
                        std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    return overlap.IsEmpty() ? CRect{} : overlap;
}

CRect BoxOf(std::span<const CPoint> points)
{
    if (points.empty()) {
        return {};
    }
    CRect box{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const CPoint& p : points) {
        box.left = std::min(box.left, p.x);
        box.top = std::min(box.top, p.y);
        box.right = std::max(box.right, p.x);
        box.bottom = std::max(box.bottom, p.y);
    }
    ++box.right;
    ++box.bottom;
    return box;
}
