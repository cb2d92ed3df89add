// A small drawing in the renderer's manner, used by the metafile and DXF tests.
#pragma once

#include "platform/drawing_surface.h"

#include <string>
#include <vector>

namespace TestSupport
{
// What the sample draws, for comparing with what readers find.
struct CSampleExpectation
{
    int polylines = 0; // LWPOLYLINE entities: outlines and filled discs
    int solids = 0;
    int circles = 0;
    std::vector<std::string> texts;
};

CSampleExpectation DrawSample(CDrawingSurface& surface);
} // namespace TestSupport
