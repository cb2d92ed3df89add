// Where a printed sheet's frame, title block strip, drawing area, rows and cells lie.
#pragma once

#include "platform/geometry.h"
#include "printing/printer_caps.h"
#include "printing/title_block_position.h"

#include <vector>

class CDrawingFrame;
class CDrawingFrameCells;
class CDrawingFrameRows;

// Page units are 0.1 mm (254 to the inch); pixels become page units as pixels x 254 / pixels per
// inch, truncated. Every function here is arithmetic on its arguments alone, so the printer, the
// preview, a PDF and the tests lay a sheet out alike.

// The paper in page units; empty on a device that is not usable.
CSize SheetSize(const CPrinterCaps& caps);

// The sheet inset by the margins: on each axis the larger of (physical offset + 10) and the
// unprintable part on the far side, in pixels, converted and raised to minimumMargin. At 600 dpi
// on 7016 x 4961 pixels with offsets of 100 and 6816 x 4761 printable: (100, 100)-(2870, 2000).
// A sheet too small for its margins gives an empty frame at its middle, never an inside-out one.
CRect FrameRect(const CPrinterCaps& caps, int minimumMargin);

// The title block's strip of the frame: along the left or right edge stripWidth wide and as high
// as the frame, along the top or bottom stripHeight high and as wide as the frame, empty for
// None. It never reaches beyond the frame.
CRect StripRect(TitleBlockPosition position, const CRect& frame, int stripWidth, int stripHeight);
// The frame without the strip, inset by 10 on every side (the frame inset by 10 for None).
CRect DrawingArea(TitleBlockPosition position, const CRect& frame, const CRect& strip);
// The same for a drawing frame as its title block left it.
CRect StripRect(const CDrawingFrame& drawingFrame, const CRect& frame);
CRect DrawingArea(const CDrawingFrame& drawingFrame, const CRect& frame);

// Where one row or cell starts and ends along its axis, from the strip's top or left edge.
struct CSpan
{
    int start = 0;
    int end = 0;
    friend bool operator==(const CSpan&, const CSpan&) = default;
};

// Rows of a strip `height` high. A row's height is its fixed height or its percentage of the
// height still free: with rows from the bottom, row 1 sits at the bottom and each later row on
// the one before, taking its share of the space left above (in a 1900 strip, fixed rows of 100,
// 100, 200, 200, 100, 200, 400 have tops 1800, 1700, 1500, 1300, 1200, 1000, 600); otherwise
// rows stack down from the top, each taking its share of the space left below.
std::vector<CSpan> RowSpans(const CDrawingFrameRows& rows, bool fromBottom, int height);
// Cells of a row `width` wide. From the left, each takes its fixed width or its percentage of the
// width still free to its right (at 2770: 40, 50, 100 give 0-1108, 1108-1939, 1939-2770); from
// the right, cell 1 ends at the right edge and each later one ends where the one before starts,
// taking its share of the width left of that.
std::vector<CSpan> CellSpans(const CDrawingFrameCells& cells, bool fromLeft, int width);

// Every cell of the frame's title block on the sheet, row by row, each cut to the strip: rows
// that a short strip cannot hold lose what lies outside it, and a row or cell left with nothing
// is an empty rectangle.
std::vector<std::vector<CRect>> TitleBlockCells(const CDrawingFrame& drawingFrame,
                                                const CRect& strip);
