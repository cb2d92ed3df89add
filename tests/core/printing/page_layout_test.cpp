// Sheet, frame, strip, drawing area, rows and cells of a printed page.
#include "printer_caps_samples.h"
#include "printing/drawing_frame.h"
#include "printing/page_layout.h"

#include <gtest/gtest.h>

using TestSupport::A4Landscape600;

namespace
{
// A4 landscape at 600 dpi with one field changed. Pixels become units as x 254 / 600: 510
// pixels are 215 units, 900 are 381.
TEST(PageLayoutTest, FrameIsTheSheetInsetByTheLargerMarginAtLeastTenMillimetres)
{
    const struct
    {
        const char* name;
        int CPrinterCaps::*field;
        int value;
        CRect expected;
    } cases[] = {
        {"FloorOf100", &CPrinterCaps::physicalOffsetX, 100, {100, 100, 2870, 2000}},
        {"OffsetAtTheLeft", &CPrinterCaps::physicalOffsetX, 500, {215, 100, 2755, 2000}},
        {"UnprintableAtTheRight", &CPrinterCaps::horzRes, 6016, {381, 100, 2589, 2000}},
        {"UnprintableAtTheBottom", &CPrinterCaps::vertRes, 3961, {100, 381, 2870, 1719}},
        {"NoResolution", &CPrinterCaps::logPixelsX, 0, {}},
    };
    for (const auto& c : cases) {
        CPrinterCaps caps = A4Landscape600();
        caps.*c.field = c.value;
        EXPECT_EQ(FrameRect(caps, 100), c.expected) << c.name;
    }
    const CPrinterCaps narrow{300, 4961, 100, 100, 200, 4761, 600, 600, 0, 0};
    EXPECT_EQ(FrameRect(narrow, 100), (CRect{63, 100, 63, 2000})) << "sheet inside its margins";
}

TEST(PageLayoutTest, StripAlongItsEdgeAndTheRestInsetByTen)
{
    using P = TitleBlockPosition;
    const struct
    {
        TitleBlockPosition position;
        CRect strip;
        CRect area;
    } cases[] = {
        {P::None, {}, {110, 110, 2860, 1990}},
        {P::Left, {100, 100, 700, 2000}, {710, 110, 2860, 1990}},
        {P::Right, {2270, 100, 2870, 2000}, {110, 110, 2260, 1990}},
        {P::Top, {100, 100, 2870, 300}, {110, 310, 2860, 1990}},
        {P::Bottom, {100, 1800, 2870, 2000}, {110, 110, 2860, 1790}},
    };
    const CRect frame{100, 100, 2870, 2000};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.position));
        const CRect strip = StripRect(c.position, frame, 600, 200);
        EXPECT_EQ(strip, c.strip);
        EXPECT_EQ(DrawingArea(c.position, frame, strip), c.area);
    }
}

// Files store the position as 0 to 4; anything else names none.
TEST(PageLayoutTest, FixedSizeAndPercentageExcludeEachOtherAndStoredPositionsAreZeroToFour)
{
    CDrawingFrameRows rows;
    CDrawingFrameRow& row = rows.AddRow();
    row.SetFixedHeight(120);
    EXPECT_TRUE(row.HasFixedHeight());
    row.SetPercentage(100);
    EXPECT_FALSE(row.HasFixedHeight());
    CDrawingFrameCell& cell = row.GetCells().AddCell();
    cell.SetFixedWidth(300);
    EXPECT_TRUE(cell.HasFixedWidth());
    cell.SetPercentage(40);
    EXPECT_FALSE(cell.HasFixedWidth());

    EXPECT_EQ(TitleBlockPositionFromInt(0), TitleBlockPosition::None);
    EXPECT_EQ(TitleBlockPositionFromInt(4), TitleBlockPosition::Bottom);
    EXPECT_EQ(TitleBlockPositionFromInt(-1), std::nullopt);
    EXPECT_EQ(TitleBlockPositionFromInt(5), std::nullopt);
}

// The left and right title block's rows: fixed heights from the bottom, row 5 from the right.
void AddLeftRightRows(CDrawingFrame& frame)
{
    for (int height : {100, 100, 200, 200, 100, 200, 400}) {
        CDrawingFrameRow& row = frame.GetRows().AddRow();
        row.SetFixedHeight(height);
        row.GetCells().AddCell().SetPercentage(100);
    }
    CDrawingFrameRow& fifth = *frame.GetRows().GetRow(5);
    fifth.SetCellsFromLeft(false);
    fifth.GetCells().GetCell(1)->SetPercentage(25);
    fifth.GetCells().AddCell().SetPercentage(50);
    fifth.GetCells().AddCell().SetPercentage(100);
}

std::vector<CSpan> Spans(const std::vector<int>& edges)
{
    std::vector<CSpan> spans;
    for (std::size_t i = 0; i + 1 < edges.size(); i += 2)
        spans.push_back({edges[i], edges[i + 1]});
    return spans;
}

TEST(RowAndCellLayoutTest, FixedOrAShareOfWhatIsStillFreeBothWays)
{
    CDrawingFrame frame;
    AddLeftRightRows(frame);
    EXPECT_EQ(
        RowSpans(frame.GetRows(), true, 1900),
        Spans({1800, 1900, 1700, 1800, 1500, 1700, 1300, 1500, 1200, 1300, 1000, 1200, 600, 1000}));
    EXPECT_EQ(CellSpans(frame.GetRows().GetRow(5)->GetCells(), false, 600),
              Spans({450, 600, 225, 450, 0, 225}));

    CDrawingFrameRows rows;
    rows.AddRow().SetPercentage(50);
    rows.AddRow().SetPercentage(100);
    EXPECT_EQ(RowSpans(rows, true, 201), Spans({101, 201, 0, 101}));
    EXPECT_EQ(RowSpans(rows, false, 201), Spans({0, 100, 100, 201}));

    CDrawingFrameCells cells;
    for (int percentage : {20, 25, 60, 50, 100})
        cells.AddCell().SetPercentage(percentage);
    EXPECT_EQ(CellSpans(cells, true, 2770),
              Spans({0, 554, 554, 1108, 1108, 2105, 2105, 2437, 2437, 2770}));
    cells.GetCell(1)->SetFixedWidth(300);
    EXPECT_EQ(CellSpans(cells, true, 2770)[1], (CSpan{300, 917}));
}

TEST(RowAndCellLayoutTest, RowsAShortStripCannotHoldAreCutToIt)
{
    CDrawingFrame frame;
    AddLeftRightRows(frame);
    // 1000 high: the tops would be 900, 800, 600, 400, 300, 100 and -300.
    const auto cells = TitleBlockCells(frame, {2000, 100, 2600, 1100});
    EXPECT_EQ(cells[0][0], (CRect{2000, 1000, 2600, 1100}));
    EXPECT_EQ(cells[4][0], (CRect{2450, 400, 2600, 500}));
    EXPECT_EQ(cells[6][0], (CRect{2000, 100, 2600, 200}));
    const auto shorter = TitleBlockCells(frame, {2000, 100, 2600, 800});
    EXPECT_TRUE(shorter[5][0].IsEmpty());
    EXPECT_TRUE(shorter[6][0].IsEmpty());
    EXPECT_EQ(shorter[4][2], (CRect{2000, 100, 2225, 200}));
}

} // namespace
