// A report table laid out on a regular grid of rows and columns, nested tables flattened in.
#pragma once

#include <stdexcept>
#include <vector>

class CReportTable;
class CReportTableCell;
class CReportTableRow;

// A table whose cells do not fit its own grid: a cell overflows it, overlaps another, or finds
// no free column left in its row.
class CInvalidTableDefinitionException : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// One grid position: the cell, row and table it shows, and how it merges with its neighbours.
struct GridEntry
{
    bool verticallyMergedContinuation = false;
    bool verticalMergeFirst = false;
    bool horizontallyMergedContinuation = false;
    bool horizontalMergeFirst = false;
    bool occupied = false;
    const CReportTableCell* cell = nullptr;
    const CReportTableRow* row = nullptr;
    const CReportTable* table = nullptr;

    bool IsContinuation() const
    {
        return verticallyMergedContinuation || horizontallyMergedContinuation;
    }
};

// The grid of one table. The columns are the sum of the column spans of the first row's cells;
// cells are placed row by row, each at the first free column of its row, spanning its columns
// and rows. A cell that holds a table is replaced by that table's own grid: the rest of its row
// is stretched down over the nested rows and the rest of its column across the nested columns,
// as merged cells. A nested table without rows or columns is left out, so that it cannot take
// the rows around it with it. A table without rows or columns has an empty grid.
class CReportRTFTableStructure
{
public:
    // Raises CInvalidTableDefinitionException for a table (or nested table) that does not fit.
    explicit CReportRTFTableStructure(const CReportTable& table);

    int GetRowCount() const { return m_rows; }
    int GetColumnCount() const { return m_columns; }
    bool IsEmpty() const { return m_rows == 0 || m_columns == 0; }
    const GridEntry& GetEntry(int row, int column) const { return At(row, column); }

private:
    CReportRTFTableStructure() = default;
    void Build(const CReportTable& table);
    // Replaces the first entry whose cell holds a table; false when none is left.
    bool FlattenOne();
    GridEntry& At(int row, int column)
    {
        return m_entries[static_cast<std::size_t>(row * m_columns + column)];
    }
    const GridEntry& At(int row, int column) const
    {
        return m_entries[static_cast<std::size_t>(row * m_columns + column)];
    }

    int m_rows = 0;
    int m_columns = 0;
    std::vector<GridEntry> m_entries;
    // Cells whose nested table was empty, and so are kept as plain cells.
    std::vector<const CReportTableCell*> m_keptCells;
};
