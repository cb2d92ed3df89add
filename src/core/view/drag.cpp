#include "view/drag.h"

#include "view/plan_limits.h"

namespace
{

const CPlanPoint& Grabbed(EGrabPart part, const CDragPoints& points)
{
    return part == EGrabPart::SecondPoint ? points.second : points.first;
}

} // namespace

CDragGrab::CDragGrab(CPoint mouse, EGrabPart part, const CDragPoints& points)
    : m_part(part), m_start(points), m_offsetX(Grabbed(part, points).x - mouse.x),
      m_offsetY(Grabbed(part, points).y - mouse.y)
{}

CDragPoints CDragGrab::PointsFor(CPoint mouse, int grid, const CDragPoints& current) const
{
    const double x = SnapToGrid(mouse.x + m_offsetX, grid);
    const double y = SnapToGrid(mouse.y + m_offsetY, grid);
    CDragPoints wanted = m_start;
    switch (m_part) {
    case EGrabPart::Body: {
        const double dx = x - m_start.first.x;
        const double dy = y - m_start.first.y;
        wanted.first = {x, y};
        wanted.second = {m_start.second.x + dx, m_start.second.y + dy};
        break;
    }
    case EGrabPart::FirstPoint:
        wanted.first = {x, y};
        wanted.second = current.second;
        break;
    case EGrabPart::SecondPoint:
        wanted.first = current.first;
        wanted.second = {x, y};
        break;
    }
    // Only the points that move must stay on the plan.
    const bool firstMoves = m_part != EGrabPart::SecondPoint;
    const bool secondMoves = m_part != EGrabPart::FirstPoint;
    const auto fits = [&](double CPlanPoint::*axis) {
        return (!firstMoves || IsWithinPlanLimits(wanted.first.*axis)) &&
               (!secondMoves || IsWithinPlanLimits(wanted.second.*axis));
    };
    CDragPoints result = current;
    if (fits(&CPlanPoint::x)) {
        result.first.x = wanted.first.x;
        result.second.x = wanted.second.x;
    }
    if (fits(&CPlanPoint::y)) {
        result.first.y = wanted.first.y;
        result.second.y = wanted.second.y;
    }
    return result;
}
