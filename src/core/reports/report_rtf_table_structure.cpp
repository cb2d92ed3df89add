// Laying a report table out on a grid.
#include "reports/report_rtf_table_structure.h"

#include "reports/report_body.h"

#include <algorithm>
#include <string>

namespace
{
[[noreturn]] void Invalid(std::size_t row, const std::string& what)
{
    throw CInvalidTableDefinitionException("Table row " + std::to_string(row + 1) + ": " + what);
}

const CReportTable* FirstTableOf(const CReportTableCell& cell)
{
    for (const auto& body : cell.GetBodies()) {
        if (const auto* table = dynamic_cast<const CReportTable*>(body.get()))
            return table;
    }
    return nullptr;
}
} // namespace

CReportRTFTableStructure::CReportRTFTableStructure(const CReportTable& table)
{
    Build(table);
    if (IsEmpty())
        return;
    while (FlattenOne()) {
    }
}

void CReportRTFTableStructure::Build(const CReportTable& table)
{
    const CReportTableRows& rows = table.GetRows();
    long long columns = 0;
    if (!rows.empty()) {
        for (const auto& cell : rows.front()->GetCells())
            columns += cell->GetColumnSpan();
    }
    if (rows.empty() || columns == 0)
        return;
    m_rows = static_cast<int>(rows.size());
    m_columns = static_cast<int>(columns);
    m_entries.assign(static_cast<std::size_t>(m_rows) * static_cast<std::size_t>(m_columns), {});

    for (int r = 0; r < m_rows; ++r) {
        const CReportTableRow& row = *rows[static_cast<std::size_t>(r)];
        int c = 0;
        for (const auto& cell : row.GetCells()) {
            while (c < m_columns && At(r, c).occupied)
                ++c;
            if (c == m_columns)
                Invalid(static_cast<std::size_t>(r), "a cell finds no free column");
            if (static_cast<long long>(c) + cell->GetColumnSpan() > m_columns ||
                static_cast<long long>(r) + cell->GetRowSpan() > m_rows)
                Invalid(static_cast<std::size_t>(r), "a cell spans past the edge of the table");
            for (int y = r; y < r + cell->GetRowSpan(); ++y) {
                for (int x = c; x < c + cell->GetColumnSpan(); ++x) {
                    GridEntry& entry = At(y, x);
                    if (entry.occupied)
                        Invalid(static_cast<std::size_t>(r), "cells overlap");
                    if (cell->GetColumnSpan() > 1) {
                        entry.horizontalMergeFirst = x == c;
                        entry.horizontallyMergedContinuation = x != c;
                    }
                    if (cell->GetRowSpan() > 1) {
                        entry.verticalMergeFirst = y == r;
                        entry.verticallyMergedContinuation = y != r;
                    }
                    entry.occupied = true;
                    entry.cell = cell.get();
                    entry.row = &row;
                    entry.table = &table;
                }
            }
        }
    }
}

bool CReportRTFTableStructure::FlattenOne()
{
    for (int r0 = 0; r0 < m_rows; ++r0) {
        for (int c0 = 0; c0 < m_columns; ++c0) {
            const GridEntry& holder = At(r0, c0);
            // Continuations repeat the cell that starts the merge; only that one is replaced.
            if (!holder.occupied || holder.IsContinuation() ||
                std::find(m_keptCells.begin(), m_keptCells.end(), holder.cell) != m_keptCells.end())
                continue;
            const CReportTable* table = FirstTableOf(*holder.cell);
            if (table == nullptr)
                continue;
            CReportRTFTableStructure nested;
            nested.Build(*table);
            if (nested.IsEmpty()) {
                m_keptCells.push_back(holder.cell);
                return true;
            }

            const int rn = nested.m_rows;
            const int cn = nested.m_columns;
            CReportRTFTableStructure grown;
            grown.m_rows = m_rows + rn - 1;
            grown.m_columns = m_columns + cn - 1;
            grown.m_entries.resize(static_cast<std::size_t>(grown.m_rows) *
                                   static_cast<std::size_t>(grown.m_columns));
            const auto shiftRow = [&](int y) {
                return y <= r0 ? y : y + rn - 1;
            };
            const auto shiftColumn = [&](int x) {
                return x <= c0 ? x : x + cn - 1;
            };
            for (int y = 0; y < m_rows; ++y) {
                for (int x = 0; x < m_columns; ++x) {
                    const GridEntry& entry = At(y, x);
                    if (y == r0 && x == c0) {
                        for (int i = 0; i < rn; ++i)
                            for (int j = 0; j < cn; ++j)
                                grown.At(r0 + i, c0 + j) = nested.At(i, j);
                    } else if (y == r0) {
                        // Stretched down over the nested rows as one merged cell.
                        const int nx = shiftColumn(x);
                        for (int i = 0; i < rn; ++i) {
                            GridEntry copy = entry;
                            if (entry.occupied && rn > 1) {
                                if (i == 0) {
                                    copy.verticalMergeFirst = !entry.verticallyMergedContinuation;
                                } else {
                                    copy.verticalMergeFirst = false;
                                    copy.verticallyMergedContinuation = true;
                                }
                            }
                            grown.At(r0 + i, nx) = copy;
                        }
                    } else if (x == c0) {
                        // Stretched across the nested columns as one merged cell.
                        const int ny = shiftRow(y);
                        for (int j = 0; j < cn; ++j) {
                            GridEntry copy = entry;
                            if (entry.occupied && cn > 1) {
                                if (j == 0) {
                                    copy.horizontalMergeFirst =
                                        !entry.horizontallyMergedContinuation;
                                } else {
                                    copy.horizontalMergeFirst = false;
                                    copy.horizontallyMergedContinuation = true;
                                }
                            }
                            grown.At(ny, c0 + j) = copy;
                        }
                    } else {
                        grown.At(shiftRow(y), shiftColumn(x)) = entry;
                    }
                }
            }
            m_rows = grown.m_rows;
            m_columns = grown.m_columns;
            m_entries = std::move(grown.m_entries);
            return true;
        }
    }
    return false;
}
