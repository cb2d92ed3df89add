// Which part of a print zone lies under a point of the plan, and resizing by that part.
#pragma once

#include "platform/geometry.h"

class CPrintZone;

// The codes of the print zone hit test: the body, an edge or a corner handle, or nothing.
enum class EPrintZoneHit : int
{
    None = 0,
    Body = 1,
    Left = 2,
    Top = 3,
    Right = 4,
    Bottom = 5,
    TopLeft = 6,
    TopRight = 7,
    BottomLeft = 8,
    BottomRight = 9,
};

// How near (network units) a point must be to an edge or corner to grab it.
inline constexpr int PrintZoneHitTolerance = 10;
// Resizing keeps a zone wider and higher than the two edge tolerances together, so that some of
// its body always lies more than the tolerance from every edge and stays grabbable.
inline constexpr int MinimumPrintZoneSize = 2 * PrintZoneHitTolerance + 2;

// How far from the origin a zone is drawn and printed. A file may place one anywhere an int
// reaches; within this range its sizes, handles and the margins drawn around it stay in int.
inline constexpr int PrintZoneCoordinateLimit = MaxDrawingCoordinate;

// The zone's rectangle with its corners in order and within the coordinate limit, whatever a
// file stored.
CRect PrintZoneRect(const CPrintZone& zone);

// Tested in this order: the corners (top-left, top-right, bottom-left, bottom-right), the edges
// (left, top, right, bottom), each within the tolerance on both axes; then strictly inside.
EPrintZoneHit HitTestPrintZone(const CRect& zone, CPoint point);

// The zone with the grabbed edges moved to the point: a corner moves its two edges, an edge its
// own; the body or nothing leaves it as it was. An edge stops MinimumPrintZoneSize short of the
// one opposite, so a zone is never turned inside out or made smaller than that; one already
// smaller does not shrink further.
CRect ResizePrintZoneRect(const CRect& zone, EPrintZoneHit handle, CPoint point);
