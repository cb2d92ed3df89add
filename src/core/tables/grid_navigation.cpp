// The grid editor's keys.
#include "tables/grid_navigation.h"

#include <algorithm>

CGridMove NavigateGrid(CGridCell current, GridKey key, int rows, int columns)
{
    CGridMove move{key != GridKey::Escape, key == GridKey::Escape, current};
    if (rows < 1 || columns < 1) {
        return move;
    }
    CGridCell& cell = move.cell;
    // A cell left outside a grid that shrank comes back inside before it moves.
    cell.row = std::clamp(cell.row, 1, rows);
    cell.column = std::clamp(cell.column, 1, columns);
    switch (key) {
    case GridKey::Up:
        cell.row = std::max(cell.row - 1, 1);
        break;
    case GridKey::Down:
        cell.row = std::min(cell.row + 1, rows);
        break;
    case GridKey::Left:
        cell.column = std::max(cell.column - 1, 1);
        break;
    case GridKey::Right:
        cell.column = std::min(cell.column + 1, columns);
        break;
    case GridKey::Tab:
        if (cell.column < columns) {
            ++cell.column;
        } else {
            cell.column = 1;
            cell.row = cell.row < rows ? cell.row + 1 : 1;
        }
        break;
    case GridKey::Home:
        cell.column = 1;
        break;
    case GridKey::End:
        cell.column = columns;
        break;
    case GridKey::Enter:
    case GridKey::Escape:
        break;
    }
    return move;
}
