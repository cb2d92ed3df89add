// Sheet, frame, strip, drawing area, rows and cells of a printed page.
#include "case_name.h"
#include "printer_caps_samples.h"
#include "printing/drawing_frame.h"
#include "printing/page_layout.h"

#include <gtest/gtest.h>

using TestSupport::A4Landscape600;

namespace
{
using TestSupport::PrintTo;

struct FrameCase
{
    const char* Name;
    CPrinterCaps Caps;
    CRect Expected;
};

class FrameRectTest : public testing::TestWithParam<FrameCase>
{};

TEST_P(FrameRectTest, SheetInsetByTheLargerMarginAtLeastTenMillimetres)
{
    EXPECT_EQ(FrameRect(GetParam().Caps, 100), GetParam().Expected);
}

// Pixels become units as x 254 / 600: 510 pixels are 215 units, 900 are 381.
INSTANTIATE_TEST_SUITE_P(
    Margins, FrameRectTest,
    testing::Values(FrameCase{"FloorOf100", A4Landscape600(), {100, 100, 2870, 2000}},
                    FrameCase{"OffsetAtTheLeft",
                              {7016, 4961, 500, 100, 6816, 4761, 600, 600, 0, 0},
                              {215, 100, 2755, 2000}},
                    FrameCase{"UnprintableAtTheRight",
                              {7016, 4961, 100, 100, 6016, 4761, 600, 600, 0, 0},
                              {381, 100, 2589, 2000}},
                    FrameCase{"UnprintableAtTheBottom",
                              {7016, 4961, 100, 100, 6816, 3961, 600, 600, 0, 0},
                              {100, 381, 2870, 1719}},
                    FrameCase{"SheetSmallerThanItsMargins",
                              {300, 4961, 100, 100, 200, 4761, 600, 600, 0, 0},
                              {63, 100, 63, 2000}},
                    FrameCase{
                        "NoResolution", {7016, 4961, 100, 100, 6816, 4761, 0, 600, 0, 0}, {}}),
    CaseName());

struct StripCase
{
    const char* Name;
    TitleBlockPosition Position;
    CRect Strip;
    CRect Area;
};

class StripAndAreaTest : public testing::TestWithParam<StripCase>
{};

TEST_P(StripAndAreaTest, StripAlongItsEdgeAndTheRestInsetByTen)
{
    const CRect frame{100, 100, 2870, 2000};
    const CRect strip = StripRect(GetParam().Position, frame, 600, 200);
    EXPECT_EQ(strip, GetParam().Strip);
    EXPECT_EQ(DrawingArea(GetParam().Position, frame, strip), GetParam().Area);
}

using P = TitleBlockPosition;
INSTANTIATE_TEST_SUITE_P(
    AllPositions, StripAndAreaTest,
    testing::Values(StripCase{"None", P::None, {}, {110, 110, 2860, 1990}},
                    StripCase{"Left", P::Left, {100, 100, 700, 2000}, {710, 110, 2860, 1990}},
                    StripCase{"Right", P::Right, {2270, 100, 2870, 2000}, {110, 110, 2260, 1990}},
                    StripCase{"Top", P::Top, {100, 100, 2870, 300}, {110, 310, 2860, 1990}},
                    StripCase{
                        "Bottom", P::Bottom, {100, 1800, 2870, 2000}, {110, 110, 2860, 1790}}),
    CaseName());

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
