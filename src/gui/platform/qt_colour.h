// Stored colours (0x00BBGGRR) as Qt colours and back.
#pragma once

#include "platform/geometry.h"

#include <QColor>

inline QColor QColorOf(ColorRef colour)
{
    return {RedOf(colour), GreenOf(colour), BlueOf(colour)};
}

// The alpha channel has no place in a stored colour and is dropped.
inline ColorRef ColorRefOf(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return Rgb(rgb.red(), rgb.green(), rgb.blue());
}
