// Copying grid cells as text.
#include "tables/grid_clipboard.h"

#include <algorithm>

namespace
{

// Rows and columns from..to inclusive; row or column 0 is the header.
std::string Block(const CGridDataProvider& grid, int top, int left, int bottom, int right)
{
    std::string text;
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            if (column > left) {
                text += '\t';
            }
            if (row == 0 && column == 0) {
                continue;
            }
            text += row == 0      ? grid.GetColumnHeaderText(column)
                    : column == 0 ? grid.GetRowHeaderText(row)
                                  : grid.GetCellText(row, column);
        }
        text += '\n';
    }
    return text;
}

} // namespace

std::string CopyGridBlock(const CGridDataProvider& grid, CGridCell first, CGridCell last)
{
    const int top = std::max(std::min(first.row, last.row), 1);
    const int bottom = std::min(std::max(first.row, last.row), grid.GetRowCount());
    const int left = std::max(std::min(first.column, last.column), 1);
    const int right = std::min(std::max(first.column, last.column), grid.GetColumnCount());
    if (top > bottom || left > right) {
        return {};
    }
    return Block(grid, top, left, bottom, right);
}

std::string CopyWholeGrid(const CGridDataProvider& grid)
{
    if (grid.GetRowCount() < 1 || grid.GetColumnCount() < 1) {
        return {};
    }
    return Block(grid, 0, 0, grid.GetRowCount(), grid.GetColumnCount());
}
