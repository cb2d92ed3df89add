// The bounding rectangle that bounds mode accumulates, and rectangle helpers.
#pragma once

#include "platform/geometry.h"

#include <span>

// A union of rectangles that starts empty. Empty rectangles are ignored.
class CBounds
{
public:
    void Add(const CRect& rect);
    void Add(std::span<const CPoint> points, int margin = 0);
    bool IsEmpty() const { return !m_has; }
    const CRect& GetRect() const { return m_rect; }

private:
    bool m_has = false;
    CRect m_rect;
};

CRect Inflate(const CRect& rect, int by);
CRect Unite(const CRect& a, const CRect& b);
// The overlap of two rectangles; all zero when they do not meet.
CRect Intersect(const CRect& a, const CRect& b);
// The smallest rectangle holding the points, with right and bottom one past them.
CRect BoxOf(std::span<const CPoint> points);
