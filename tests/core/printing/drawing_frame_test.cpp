// Title block rows and cells.
#include "printing/drawing_frame.h"

#include <gtest/gtest.h>

namespace
{

TEST(DrawingFrameTest, RowsAndCellsAreNumberedInOrderAndClearable)
{
    CDrawingFrame frame;
    CDrawingFrameRow& first = frame.GetRows().AddRow();
    CDrawingFrameRow& second = frame.GetRows().AddRow();
    EXPECT_EQ(first.GetPosition(), 1);
    EXPECT_EQ(second.GetPosition(), 2);
    EXPECT_EQ(&second.GetOwner(), &frame.GetRows());
    EXPECT_EQ(frame.GetRows().GetRow(2), &second);
    EXPECT_EQ(frame.GetRows().GetRow(0), nullptr);
    EXPECT_EQ(frame.GetRows().GetRow(3), nullptr);

    second.GetCells().AddCell();
    EXPECT_EQ(second.GetCells().AddCell().GetPosition(), 2);
    EXPECT_EQ(second.GetCells().GetCell(3), nullptr);
    frame.GetRows().Clear();
    EXPECT_EQ(frame.GetRows().GetCount(), 0);
}

TEST(DrawingFrameTest, FixedSizeAndPercentageExcludeEachOther)
{
    CDrawingFrameRows rows;
    CDrawingFrameRow& row = rows.AddRow();
    EXPECT_FALSE(row.HasFixedHeight());
    EXPECT_EQ(row.GetPercentage(), 50);
    EXPECT_TRUE(row.GetCellsFromLeft());
    row.SetFixedHeight(120);
    EXPECT_TRUE(row.HasFixedHeight());
    EXPECT_EQ(row.GetHeight(), 120);
    row.SetPercentage(100);
    EXPECT_FALSE(row.HasFixedHeight());
    EXPECT_EQ(row.GetPercentage(), 100);

    CDrawingFrameCell& cell = row.GetCells().AddCell();
    EXPECT_FALSE(cell.HasFixedWidth());
    EXPECT_EQ(cell.GetPercentage(), 50);
    cell.SetFixedWidth(300);
    EXPECT_TRUE(cell.HasFixedWidth());
    EXPECT_EQ(cell.GetWidth(), 300);
    cell.SetPercentage(40);
    EXPECT_FALSE(cell.HasFixedWidth());
}

TEST(DrawingFrameTest, CellFontsAreArialOfThreeAndTwoAndAHalfMillimetres)
{
    CDrawingFrameCells cells;
    CDrawingFrameCell& cell = cells.AddCell();
    CDrawingFrameFont expected;
    expected.Height = 30;
    EXPECT_EQ(cell.GetValueFont(), expected);
    expected.Height = 25;
    EXPECT_EQ(cell.GetCaptionFont(), expected);
    EXPECT_EQ(expected.FaceName, "Arial");
    EXPECT_EQ(expected.Weight, 400);

    cell.SetValueTextHeight(6);
    EXPECT_EQ(cell.GetValueFont().Height, 60);
    EXPECT_EQ(cell.GetCaptionFont().Height, 25);
}

TEST(TitleBlockPositionTest, OnlyStoredValuesZeroToFourNameAPosition)
{
    EXPECT_EQ(TitleBlockPositionFromInt(0), TitleBlockPosition::None);
    EXPECT_EQ(TitleBlockPositionFromInt(2), TitleBlockPosition::Top);
    EXPECT_EQ(TitleBlockPositionFromInt(4), TitleBlockPosition::Bottom);
    EXPECT_EQ(TitleBlockPositionFromInt(-1), std::nullopt);
    EXPECT_EQ(TitleBlockPositionFromInt(5), std::nullopt);
}

} // namespace
