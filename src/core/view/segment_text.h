// Writing a text along a segment (arm names and labels), and the box of a turned text.
#pragma once

#include "platform/drawing_surface.h"
#include "platform/bounds.h"
#include "view/segment.h"

#include <string_view>

// Placement codes: bits 0-1 the side, bits 2-3 the position along, bit 4 baseline for bottom.
namespace SegmentTextPlacement
{
constexpr unsigned Below = 0;        // bottom alignment, across +6
constexpr unsigned Above = 1;        // top alignment, across -6
constexpr unsigned BelowUpright = 2; // Below when the bearing is below 180, else Above
constexpr unsigned AboveUpright = 3; // Above when the bearing is below 180, else Below
constexpr unsigned Centred = 0;      // (or 12) at along L / 2
constexpr unsigned AtStart = 4;      // at along = inset
constexpr unsigned AtEnd = 8;        // at along = L - inset
constexpr unsigned Baseline = 16;    // a bottom alignment becomes baseline alignment
} // namespace SegmentTextPlacement

// Where and how a text along a segment is written.
struct CSegmentTextLayout
{
    CPoint reference;
    unsigned align = 0;       // TextAlign flags
    double bearing = 0.0;     // the segment's bearing, for the font
    double textBearing = 0.0; // the direction the text runs: the bearing, or +180 when turned
};

CSegmentTextLayout LayoutSegmentText(const CSegment& segment, unsigned placement, double inset);

// Writes the text in colour and height with a keep-upright font for the segment's bearing, on
// a transparent background, then restores font and text colour. With bounds given nothing is
// written; the turned box of the measured text is added instead.
void DrawSegmentText(CDrawingSurface& surface, CBounds* bounds, const CSegment& segment,
                     std::string_view text, int height, ColorRef colour, unsigned placement,
                     double inset);

// The bounding box of the text frame rectangle (u0..u1 along the text, v0..v1 downwards in
// the text's frame) about reference, the text running in textBearing.
CRect TurnedTextBox(CPoint reference, double textBearing, double u0, double u1, double v0,
                    double v1);
