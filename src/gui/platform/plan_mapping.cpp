#include "platform/plan_mapping.h"

#include "platform/drawing_surface.h"

#include <algorithm>
#include <cmath>

CRect CPlanMapping::ToPlan(const QRectF& device) const
{
    const QPointF a = ToPlan(device.topLeft());
    const QPointF b = ToPlan(device.bottomRight());
    return {static_cast<int>(std::floor(std::min(a.x(), b.x()))),
            static_cast<int>(std::floor(std::min(a.y(), b.y()))),
            static_cast<int>(std::ceil(std::max(a.x(), b.x()))),
            static_cast<int>(std::ceil(std::max(a.y(), b.y())))};
}
