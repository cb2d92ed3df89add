// Where a dragged object goes: the pure rule behind every drag and placement of the view.
#pragma once

#include "model/arm.h"
#include "platform/geometry.h"
#include "view/hit_test.h"

// The two points of what is dragged: an arm's or a label's segment; an object placed by one
// point (a capacity assessor, the OD matrix table) has both points equal.
struct CDragPoints
{
    CPlanPoint first;
    CPlanPoint second;
    friend bool operator==(const CDragPoints&, const CDragPoints&) = default;
};

// A drag as it was grabbed: the part, the points at the press and the offset from the mouse to
// the grabbed point (the first point for a body grab).
class CDragGrab
{
public:
    CDragGrab(CPoint mouse, EGrabPart part, const CDragPoints& points);

    EGrabPart GetPart() const { return m_part; }
    const CDragPoints& GetStart() const { return m_start; }

    // The points for a mouse position: the grabbed point is the mouse plus the offset, snapped
    // to the grid when grid > 0; a body grab moves both points by the same amount, an end grab
    // only that end. An axis on which a point would leave the plan keeps the values of current
    // (the drag stops following the mouse on that axis).
    CDragPoints PointsFor(CPoint mouse, int grid, const CDragPoints& current) const;

private:
    EGrabPart m_part;
    CDragPoints m_start;
    double m_offsetX;
    double m_offsetY;
};
