// Sheet, frame, strip, drawing area, rows and cells of a printed page.
#include "printer_caps_samples.h"
#include "printing/drawing_frame.h"
#include "printing/page_layout.h"

#include <gtest/gtest.h>

using TestSupport::A4Landscape600;

namespace
{

struct FrameCase
{
    const char* Name;
    CPrinterCaps Caps;
    int MinimumMargin;
    CRect Expected;
};

CPrinterCaps With(CPrinterCaps caps, void (*change)(CPrinterCaps&))
{
    change(caps);
    return caps;
}

class FrameRectTest : public testing::TestWithParam<FrameCase>
{};

TEST_P(FrameRectTest, SheetInsetByTheLargerMargin)
{
    EXPECT_EQ(FrameRect(GetParam().Caps, GetParam().MinimumMargin), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Margins, FrameRectTest,
    testing::Values(
        // 110 pixels are 46 units, raised to the 100 floor.
        FrameCase{"FloorOfTenMillimetres", A4Landscape600(), 100, {100, 100, 2870, 2000}},
        FrameCase{"SmallerFloorShowsThePixelMargin", A4Landscape600(), 0, {46, 46, 2924, 2054}},
        // 500 + 10 pixels at the left: 215 units.
        FrameCase{"LargeOffsetAtTheLeft",
                  With(A4Landscape600(), [](CPrinterCaps& c) { c.physicalOffsetX = 500; }),
                  100,
                  {215, 100, 2755, 2000}},
        // 7016 - 6016 - 100 = 900 pixels unprintable at the right: 381 units on both sides.
        FrameCase{"LargeUnprintablePartAtTheRight",
                  With(A4Landscape600(), [](CPrinterCaps& c) { c.horzRes = 6016; }),
                  100,
                  {381, 100, 2589, 2000}},
        FrameCase{"LargeUnprintablePartAtTheBottom",
                  With(A4Landscape600(), [](CPrinterCaps& c) { c.vertRes = 3961; }),
                  100,
                  {100, 381, 2870, 1719}},
        FrameCase{"OriginOffsetDoesNotMoveTheFrame",
                  With(A4Landscape600(),
                       [](CPrinterCaps& c) { c.originOffsetX = c.originOffsetY = 100; }),
                  100,
                  {100, 100, 2870, 2000}},
        FrameCase{"SheetSmallerThanItsMargins",
                  With(A4Landscape600(), [](CPrinterCaps& c) { c.physicalWidth = 300; }),
                  100,
                  {63, 100, 63, 2000}},
        FrameCase{"NoResolution",
                  With(A4Landscape600(), [](CPrinterCaps& c) { c.logPixelsX = 0; }),
                  100,
                  {}}),
    [](const testing::TestParamInfo<FrameCase>& paramInfo) { return paramInfo.param.Name; });

TEST(PageLayoutTest, SheetIsThePaperInTruncatedPageUnits)
{
    EXPECT_EQ(SheetSize(A4Landscape600()), (CSize{2970, 2100}));
    EXPECT_EQ(SheetSize(CPrinterCaps{}), (CSize{}));
}

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

INSTANTIATE_TEST_SUITE_P(
    AllPositions, StripAndAreaTest,
    testing::Values(
        StripCase{"None", TitleBlockPosition::None, {}, {110, 110, 2860, 1990}},
        StripCase{"Left", TitleBlockPosition::Left, {100, 100, 700, 2000}, {710, 110, 2860, 1990}},
        StripCase{"Right", TitleBlockPosition::Right, {2270, 100, 2870, 2000},
                  {110, 110, 2260, 1990}},
        StripCase{"Top", TitleBlockPosition::Top, {100, 100, 2870, 300}, {110, 310, 2860, 1990}},
        StripCase{"Bottom", TitleBlockPosition::Bottom, {100, 1800, 2870, 2000},
                  {110, 110, 2860, 1790}}),
    [](const testing::TestParamInfo<StripCase>& paramInfo) { return paramInfo.param.Name; });

TEST(PageLayoutTest, StripNeverReachesBeyondTheFrame)
{
    const CRect frame{100, 100, 500, 400};
    EXPECT_EQ(StripRect(TitleBlockPosition::Right, frame, 600, 200), frame);
    EXPECT_EQ(DrawingArea(TitleBlockPosition::Right, frame, frame), CRect{});
    EXPECT_EQ(StripRect(TitleBlockPosition::Bottom, frame, 600, 900), frame);
}

// The title block of the left and right strips: seven rows of fixed heights from the bottom,
// row 5 laid out from the right.
void AddLeftRightRows(CDrawingFrame& frame)
{
    for (int height : {100, 100, 200, 200, 100, 200, 400}) {
        CDrawingFrameRow& row = frame.GetRows().AddRow();
        row.SetFixedHeight(height);
        row.GetCells().AddCell().SetPercentage(100);
    }
    CDrawingFrameRow& fifth = *frame.GetRows().GetRow(5);
    fifth.SetCellsFromLeft(false);
    fifth.GetCells().Clear();
    for (int percentage : {25, 50, 100})
        fifth.GetCells().AddCell().SetPercentage(percentage);
}

std::vector<int> Starts(const std::vector<CSpan>& spans)
{
    std::vector<int> starts;
    for (const CSpan& span : spans)
        starts.push_back(span.start);
    return starts;
}

TEST(RowLayoutTest, FixedRowsStackUpFromTheBottom)
{
    CDrawingFrame frame;
    AddLeftRightRows(frame);
    const std::vector<CSpan> rows = RowSpans(frame.GetRows(), true, 1900);
    EXPECT_EQ(Starts(rows), (std::vector<int>{1800, 1700, 1500, 1300, 1200, 1000, 600}));
    EXPECT_EQ(rows.front().end, 1900);
    EXPECT_EQ(rows.back().end, 1000);
}

TEST(RowLayoutTest, PercentagesShareTheHeightStillFree)
{
    CDrawingFrameRows rows;
    rows.AddRow().SetPercentage(50);
    rows.AddRow().SetPercentage(100);
    EXPECT_EQ(RowSpans(rows, true, 200), (std::vector<CSpan>{{100, 200}, {0, 100}}));
    // 50 of 201 is 100 (integer division); the rest is 101.
    EXPECT_EQ(RowSpans(rows, true, 201), (std::vector<CSpan>{{101, 201}, {0, 101}}));
    EXPECT_EQ(RowSpans(rows, false, 201), (std::vector<CSpan>{{0, 100}, {100, 201}}));
}

TEST(CellLayoutTest, CellsFromTheLeftShareTheWidthStillFree)
{
    CDrawingFrameCells first;
    for (int percentage : {40, 50, 100})
        first.AddCell().SetPercentage(percentage);
    EXPECT_EQ(CellSpans(first, true, 2770),
              (std::vector<CSpan>{{0, 1108}, {1108, 1939}, {1939, 2770}}));

    CDrawingFrameCells second;
    for (int percentage : {20, 25, 60, 50, 100})
        second.AddCell().SetPercentage(percentage);
    EXPECT_EQ(Starts(CellSpans(second, true, 2770)),
              (std::vector<int>{0, 554, 1108, 2105, 2437}));
    EXPECT_EQ(CellSpans(second, true, 2770).back().end, 2770);

    CDrawingFrameCells fixed;
    fixed.AddCell().SetFixedWidth(300);
    fixed.AddCell().SetPercentage(50);
    EXPECT_EQ(CellSpans(fixed, true, 1000), (std::vector<CSpan>{{0, 300}, {300, 650}}));
}

TEST(CellLayoutTest, CellsFromTheRightEndWhereTheOneBeforeStarts)
{
    CDrawingFrame frame;
    AddLeftRightRows(frame);
    EXPECT_EQ(CellSpans(frame.GetRows().GetRow(5)->GetCells(), false, 600),
              (std::vector<CSpan>{{450, 600}, {225, 450}, {0, 225}}));
}

TEST(TitleBlockCellsTest, RowsAShortStripCannotHoldAreCutToIt)
{
    CDrawingFrame frame;
    AddLeftRightRows(frame);
    // 1000 high: the tops would be 900, 800, 600, 400, 300, 100 and -300.
    const CRect strip{2000, 100, 2600, 1100};
    const auto cells = TitleBlockCells(frame, strip);
    ASSERT_EQ(cells.size(), 7u);
    EXPECT_EQ(cells[0][0], (CRect{2000, 1000, 2600, 1100}));
    EXPECT_EQ(cells[4][0], (CRect{2450, 400, 2600, 500}));
    EXPECT_EQ(cells[5][0], (CRect{2000, 200, 2600, 400}));
    EXPECT_EQ(cells[6][0], (CRect{2000, 100, 2600, 200}));

    const auto shorter = TitleBlockCells(frame, {2000, 100, 2600, 800});
    EXPECT_TRUE(shorter[5][0].IsEmpty());
    EXPECT_TRUE(shorter[6][0].IsEmpty());
    EXPECT_EQ(shorter[4][2], (CRect{2000, 100, 2225, 200}));
}

} // namespace
