#include "view/segment.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace
{
constexpr double DegreesPerRadian = 180.0 / std::numbers::pi;
constexpr double RadiansPerDegree = std::numbers::pi / 180.0;
} // namespace

double BearingOf(double dx, double dy)
{
    // atan2 of the reversed direction, turned so that 0 points down the screen. With the exact
    // factor the four cardinal directions come out as whole degrees. 0.0 - d, not -d: a
    // segment of no length then reads atan2(+0, +0), bearing 90 (horizontal text).
    double b = std::atan2(0.0 - dy, 0.0 - dx) * DegreesPerRadian + 90.0;
    b = std::fmod(b, 360.0);
    if (b < 0.0) {
        b += 360.0;
    }
    return b >= 360.0 ? 0.0 : b;
}

double CSegment::Length() const
{
    return std::hypot(m_x1 - m_x0, m_y1 - m_y0);
}

double CSegment::Bearing() const
{
    return BearingOf(m_x1 - m_x0, m_y1 - m_y0);
}

void CSegment::SetBearing(double degrees)
{
    const double length = Length();
    const double b = degrees * RadiansPerDegree;
    m_x1 = m_x0 - std::sin(b) * length;
    m_y1 = m_y0 + std::cos(b) * length;
}

CPoint CSegment::PointAt(double across, double along) const
{
    const double t = Bearing() * RadiansPerDegree;
    const double s = std::sin(t);
    const double c = std::cos(t);
    const double x = m_x0 - s * along - c * across + 0.5;
    const double y = m_y0 + c * along - s * across + 0.5;
    return {ClampToInt(x), ClampToInt(y)};
}

CPoint CSegment::PointAtPercent(double percent) const
{
    return PointAt(0.0, Length() * percent / 100.0);
}

CRect CSegment::BoundingRect() const
{
    return {ClampToInt(std::floor(std::min(m_x0, m_x1))),
            ClampToInt(std::floor(std::min(m_y0, m_y1))),
            ClampToInt(std::ceil(std::max(m_x0, m_x1)) + 1.0),
            ClampToInt(std::ceil(std::max(m_y0, m_y1)) + 1.0)};
}
