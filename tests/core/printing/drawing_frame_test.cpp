// Title block rows and cells: a fixed size and a percentage exclude each other.
#include "printing/drawing_frame.h"

#include <gtest/gtest.h>

namespace
{

TEST(DrawingFrameTest, FixedSizeAndPercentageExcludeEachOther)
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
