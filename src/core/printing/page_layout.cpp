// Sheet, frame, strip, drawing area, rows and cells of a printed page.
#include "printing/page_layout.h"

#include "platform/drawing_surface.h"
#include "printing/drawing_frame.h"
#include "platform/bounds.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace
{

constexpr int DrawingAreaInset = 10;
// GDI keeps the frame this many pixels clear of the printable corner at least.
constexpr int MarginPixels = 10;

int ClampToInt(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

int PageUnits(std::int64_t pixels, int pixelsPerInch)
{
    return ClampToInt(pixels * CDrawingSurface::UnitsPerInch / pixelsPerInch);
}

int Margin(int physical, int printable, int offset, int pixelsPerInch, int minimum)
{
    const std::int64_t pixels = std::max<std::int64_t>(std::int64_t{offset} + MarginPixels,
                                                       std::int64_t{physical} - printable - offset);
    return std::max(PageUnits(pixels, pixelsPerInch), minimum);
}

// Share of `room` taken by a percentage, as whole page units.
int Share(int percentage, int room)
{
    return ClampToInt(std::int64_t{percentage} * room / 100);
}

} // namespace

CSize SheetSize(const CPrinterCaps& caps)
{
    if (!caps.IsUsable())
        return {};
    return {PageUnits(caps.physicalWidth, caps.logPixelsX),
            PageUnits(caps.physicalHeight, caps.logPixelsY)};
}

CRect FrameRect(const CPrinterCaps& caps, int minimumMargin)
{
    if (!caps.IsUsable())
        return {};
    const CSize sheet = SheetSize(caps);
    const int x = Margin(caps.physicalWidth, caps.horzRes, caps.physicalOffsetX, caps.logPixelsX,
                         minimumMargin);
    const int y = Margin(caps.physicalHeight, caps.vertRes, caps.physicalOffsetY, caps.logPixelsY,
                         minimumMargin);
    CRect frame{x, y, sheet.cx - x, sheet.cy - y};
    if (frame.right < frame.left)
        frame.left = frame.right = sheet.cx / 2;
    if (frame.bottom < frame.top)
        frame.top = frame.bottom = sheet.cy / 2;
    return frame;
}

CRect StripRect(TitleBlockPosition position, const CRect& frame, int stripWidth, int stripHeight)
{
    const int width = std::clamp(stripWidth, 0, std::max(frame.Width(), 0));
    const int height = std::clamp(stripHeight, 0, std::max(frame.Height(), 0));
    switch (position) {
    case TitleBlockPosition::Left:
        return {frame.left, frame.top, frame.left + width, frame.bottom};
    case TitleBlockPosition::Right:
        return {frame.right - width, frame.top, frame.right, frame.bottom};
    case TitleBlockPosition::Top:
        return {frame.left, frame.top, frame.right, frame.top + height};
    case TitleBlockPosition::Bottom:
        return {frame.left, frame.bottom - height, frame.right, frame.bottom};
    case TitleBlockPosition::None:
        break;
    }
    return {};
}

CRect DrawingArea(TitleBlockPosition position, const CRect& frame, const CRect& strip)
{
    CRect area = frame;
    switch (position) {
    case TitleBlockPosition::Left:
        area.left = strip.right;
        break;
    case TitleBlockPosition::Right:
        area.right = strip.left;
        break;
    case TitleBlockPosition::Top:
        area.top = strip.bottom;
        break;
    case TitleBlockPosition::Bottom:
        area.bottom = strip.top;
        break;
    case TitleBlockPosition::None:
        break;
    }
    area = Inflate(area, -DrawingAreaInset);
    return area.IsEmpty() ? CRect{} : area;
}

CRect StripRect(const CDrawingFrame& drawingFrame, const CRect& frame)
{
    return StripRect(drawingFrame.GetTitleBlockPosition(), frame, drawingFrame.GetStripWidth(),
                     drawingFrame.GetStripHeight());
}

CRect DrawingArea(const CDrawingFrame& drawingFrame, const CRect& frame)
{
    return DrawingArea(drawingFrame.GetTitleBlockPosition(), frame, StripRect(drawingFrame, frame));
}

std::vector<CSpan> RowSpans(const CDrawingFrameRows& rows, bool fromBottom, int height)
{
    std::vector<CSpan> spans;
    // The edge the next row starts from: the top of the last row placed when rows stack up,
    // the bottom of it when they stack down.
    int edge = fromBottom ? height : 0;
    for (int position = 1; position <= rows.GetCount(); ++position) {
        const CDrawingFrameRow& row = *rows.GetRow(position);
        const int free = fromBottom ? edge : height - edge;
        const int rowHeight =
            row.HasFixedHeight() ? row.GetHeight() : Share(row.GetPercentage(), free);
        if (fromBottom) {
            spans.push_back({edge - rowHeight, edge});
            edge -= rowHeight;
        } else {
            spans.push_back({edge, edge + rowHeight});
            edge += rowHeight;
        }
    }
    return spans;
}

std::vector<CSpan> CellSpans(const CDrawingFrameCells& cells, bool fromLeft, int width)
{
    std::vector<CSpan> spans;
    int edge = fromLeft ? 0 : width;
    for (int position = 1; position <= cells.GetCount(); ++position) {
        const CDrawingFrameCell& cell = *cells.GetCell(position);
        const int free = fromLeft ? width - edge : edge;
        const int cellWidth =
            cell.HasFixedWidth() ? cell.GetWidth() : Share(cell.GetPercentage(), free);
        if (fromLeft) {
            spans.push_back({edge, edge + cellWidth});
            edge += cellWidth;
        } else {
            spans.push_back({edge - cellWidth, edge});
            edge -= cellWidth;
        }
    }
    return spans;
}

std::vector<std::vector<CRect>> TitleBlockCells(const CDrawingFrame& drawingFrame,
                                                const CRect& strip)
{
    std::vector<std::vector<CRect>> cells;
    const CDrawingFrameRows& rows = drawingFrame.GetRows();
    const std::vector<CSpan> rowSpans =
        RowSpans(rows, drawingFrame.GetRowsFromBottom(), strip.Height());
    for (int position = 1; position <= rows.GetCount(); ++position) {
        const CDrawingFrameRow& row = *rows.GetRow(position);
        const CSpan& rowSpan = rowSpans[static_cast<std::size_t>(position - 1)];
        std::vector<CRect>& rowCells = cells.emplace_back();
        for (const CSpan& cell : CellSpans(row.GetCells(), row.GetCellsFromLeft(), strip.Width())) {
            rowCells.push_back(Intersect({strip.left + cell.start, strip.top + rowSpan.start,
                                          strip.left + cell.end, strip.top + rowSpan.end},
                                         strip));
        }
    }
    return cells;
}
