// The two-point segment that arms and labels are drawn along.
#pragma once

#include "platform/geometry.h"

// A segment from (x0, y0) to (x1, y1) in plan units. "Along" runs from the first point
// towards the second; "across" is the along direction turned a quarter turn clockwise on the
// screen (y down). The bearing is 0 for a segment pointing down the screen, 90 for one
// pointing left, 180 for one pointing up, always within [0, 360).
class CSegment
{
public:
    CSegment() = default;
    CSegment(double x0, double y0, double x1, double y1) : m_x0(x0), m_y0(y0), m_x1(x1), m_y1(y1) {}

    double X0() const { return m_x0; }
    double Y0() const { return m_y0; }
    double X1() const { return m_x1; }
    double Y1() const { return m_y1; }

    double Length() const;
    double Bearing() const;
    // Keeps the first point and the length; the second point moves to the new bearing.
    void SetBearing(double degrees);
    // The point at (across, along), rounded to whole plan units.
    CPoint PointAt(double across, double along) const;
    // The point p percent of the way along (50 for the midpoint), rounded likewise.
    CPoint PointAtPercent(double percent) const;
    // The points' box, left/top inclusive and right/bottom the whole units just past them.
    CRect BoundingRect() const;

private:
    double m_x0 = 0.0;
    double m_y0 = 0.0;
    double m_x1 = 0.0;
    double m_y1 = 0.0;
};

// Bearing in degrees of the direction (dx, dy) reduced into [0, 360), with the segment's rule.
double BearingOf(double dx, double dy);
