// Where the grid's current cell goes when a key is pressed in its editor.
#pragma once

// A cell of a grid; rows and columns count from 1.
struct CGridCell
{
    int row = 1;
    int column = 1;
    friend bool operator==(const CGridCell&, const CGridCell&) = default;
};

enum class GridKey
{
    Up,
    Down,
    Left,
    Right,
    Tab,
    Home,
    End,
    Enter,
    Escape,
};

// What the grid does with a key: commit the edit (or abandon it) and move the current cell.
struct CGridMove
{
    bool commit = false;
    bool abandon = false;
    CGridCell cell;
    friend bool operator==(const CGridMove&, const CGridMove&) = default;
};

// Arrow keys commit and move one cell, stopping at the edges; Tab moves right, wrapping to
// column 1 of the next row and from the last row back to row 1; Home and End go to the first
// and last column; Enter commits and stays; Escape abandons and stays. A grid without cells
// keeps the cell as it is.
CGridMove NavigateGrid(CGridCell current, GridKey key, int rows, int columns);
