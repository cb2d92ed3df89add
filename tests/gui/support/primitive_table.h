// A table of the drawing primitives the network drawing uses, drawn on any surface.
#pragma once

#include "platform/drawing_surface.h"

namespace GuiTestSupport
{
// Text in each alignment at each escapement, each reference point marked by a small cross;
// lines in every pen style at width 1; a rectangle, an ellipse and a self-crossing polygon
// (alternate fill leaves its middle empty); all on white, in plan units from (0, 0).
void DrawTextAndShapeTable(CDrawingSurface& surface);
} // namespace GuiTestSupport
