// How plan units land on a painter's device: the mapping every Qt drawing surface applies.
#pragma once

#include "platform/geometry.h"

#include <QPointF>
#include <QRectF>

// Maps plan units (254 to the inch, y down) to device pixels: the plan point at windowOrigin
// lands on viewportOrigin and each plan unit is pixelsPerUnitX by pixelsPerUnitY pixels, as
// the anisotropic mapping of the printing and viewing code sets it. Device pixels are the
// painter's own coordinates (logical pixels on a high-resolution screen).
struct CPlanMapping
{
    QPointF windowOrigin;
    QPointF viewportOrigin;
    double pixelsPerUnitX = 1.0;
    double pixelsPerUnitY = 1.0;


    QPointF ToDevice(double x, double y) const
    {
        return {viewportOrigin.x() + (x - windowOrigin.x()) * pixelsPerUnitX,
                viewportOrigin.y() + (y - windowOrigin.y()) * pixelsPerUnitY};
    }
    QPointF ToDevice(CPoint p) const { return ToDevice(p.x, p.y); }
    QPointF ToPlan(QPointF device) const
    {
        return {windowOrigin.x() + (device.x() - viewportOrigin.x()) / pixelsPerUnitX,
                windowOrigin.y() + (device.y() - viewportOrigin.y()) / pixelsPerUnitY};
    }
    // The smallest plan rectangle that covers the device rectangle.
    CRect ToPlan(const QRectF& device) const;
};
