// Which print zone a press on the plan takes, when zones lie over one another.
#pragma once

#include "platform/geometry.h"
#include "printing/print_zone_hit.h"

#include <cstdint>

class CPrintPages;

// A page's zone under a point and the part of it: none when pageId is 0.
struct CPrintZonePick
{
    std::uint32_t pageId = 0;
    EPrintZoneHit hit = EPrintZoneHit::None;
};

// The current page's edges and corners come first (its handles are the ones drawn), then any
// zone's (so a zone lying inside another can still be resized), then the smallest body under
// the point (so a nested zone can still be moved, and the zone around it by its own free part).
// Among equals the lower page number wins.
CPrintZonePick PickPrintZone(const CPrintPages& pages, std::uint32_t currentPageId, CPoint point);

// Where a zone grabbed at `grabbed` goes when the mouse is at `mouse`: the body moves the whole
// rectangle by the mouse's travel, its top-left corner snapped to the grid when grid > 0; a
// handle moves its edges to the (snapped) mouse as ResizePrintZoneRect does. A rectangle that
// would leave the drawing limits stays at `current`.
CRect DraggedPrintZoneRect(const CRect& start, EPrintZoneHit grab, CPoint grabbed, CPoint mouse,
                           int grid, const CRect& current);
