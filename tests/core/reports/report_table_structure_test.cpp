// Laying tables out on a grid: the three ways a table fails, and nested tables flattened in.
#include "report_fixture.h"
#include "reports/report_document.h"
#include "reports/report_rtf_table_structure.h"

#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace
{
// The grid as text, row by row: each entry is the text of its cell's first paragraph (or "-"
// for none), then its merge flags: < continues a horizontal merge, > starts one, ^ continues a
// vertical merge, v starts one.
std::string Show(const CReportRTFTableStructure& grid)
{
    std::string text;
    for (int r = 0; r < grid.GetRowCount(); ++r) {
        for (int c = 0; c < grid.GetColumnCount(); ++c) {
            const GridEntry& e = grid.GetEntry(r, c);
            text += (c ? " " : "") + reporttest::CellText(e.cell) +
                    (e.horizontallyMergedContinuation ? "<" : "") +
                    (e.horizontalMergeFirst ? ">" : "") +
                    (e.verticallyMergedContinuation ? "^" : "") + (e.verticalMergeFirst ? "v" : "");
        }
        text += "|";
    }
    return text;
}

void Cell(CReportTableRow& row, const char* text, int columns = 1, int rows = 1)
{
    row.AddCell(columns, rows).AddParagraph(text);
}

TEST(TableGrid, TablesThatDoNotFitAGridAreRefusedNamingTheRow)
{
    const struct
    {
        const char* name;
        std::function<void(CReportTable&)> build;
        const char* message;
    } cases[] = {
        {"FourCellsUnderSpansOneAndTwo",
         [](CReportTable& table) {
             CReportTableRow& first = table.AddRow();
             Cell(first, "a");
             Cell(first, "b", 2);
             CReportTableRow& second = table.AddRow();
             for (const char* name : {"c", "d", "e", "f"})
                 Cell(second, name);
         },
         "Table row 2: a cell finds no free column"},
        {"SpanPastTheLastRow", [](CReportTable& table) { Cell(table.AddRow(), "a", 1, 2); },
         "Table row 1: a cell spans past the edge of the table"},
        {"CellsOverlap",
         [](CReportTable& table) {
             CReportTableRow& first = table.AddRow();
             Cell(first, "a");
             Cell(first, "b", 1, 2);
             Cell(table.AddRow(), "c", 2);
         },
         "Table row 2: cells overlap"},
        {"InANestedTable",
         [](CReportTable& table) {
             CReportTable& nested = table.AddRow().AddCell().AddTable();
             Cell(nested.AddRow(), "a");
             CReportTableRow& second = nested.AddRow();
             Cell(second, "b");
             Cell(second, "c");
         },
         "Table row 2: a cell finds no free column"},
    };
    for (const auto& c : cases) {
        CReportDocument document;
        CReportTable& table = document.AddSection().AddTable();
        c.build(table);
        EXPECT_THAT(
            [&] { CReportRTFTableStructure grid(table); },
            testing::ThrowsMessage<CInvalidTableDefinitionException>(testing::StrEq(c.message)))
            << c.name;
    }
}

TEST(TableGrid, SpansMarkFirstAndContinuingEntriesAndRowSpansAreSkipped)
{
    CReportDocument document;
    CReportTable& table = document.AddSection().AddTable();
    CReportTableRow& first = table.AddRow();
    Cell(first, "a", 2);
    Cell(first, "b", 1, 2);
    CReportTableRow& second = table.AddRow();
    Cell(second, "c");
    Cell(second, "d");
    EXPECT_EQ(Show(CReportRTFTableStructure(table)), "a> a< bv|c d b^|");
}

// The routes list and flows matrix shape: caption rows above a cell that holds the list.
TEST(TableGrid, NestedTableIsFlattenedAndTheRestStretchedAcrossAndDown)
{
    CReportDocument document;
    CReportTable& outer = document.AddSection().AddTable();
    Cell(outer.AddRow(), "name", 2);
    CReportTableRow& holderRow = outer.AddRow();
    Cell(holderRow, "side");
    CReportTableCell& holder = holderRow.AddCell();
    holder.AddParagraph("never written");
    CReportTable& nested = holder.AddTable();
    for (const char* row : {"1", "2"}) {
        CReportTableRow& r = nested.AddRow();
        for (const char* column : {"x", "y", "z"})
            Cell(r, (std::string(column) + row).c_str());
    }
    Cell(outer.AddRow(), "below", 2);
    EXPECT_EQ(Show(CReportRTFTableStructure(outer)), "name> name< name< name<|"
                                                     "sidev x1 y1 z1|"
                                                     "side^ x2 y2 z2|"
                                                     "below> below< below< below<|");
}

// A routes list with every column turned off: the nested table has no columns and is left out,
// keeping the caption rows.
TEST(TableGrid, NestedTableWithoutColumnsLeavesTheRowsAroundIt)
{
    CReportDocument document;
    CReportTable& outer = document.AddSection().AddTable();
    Cell(outer.AddRow(), "Routes List");
    Cell(outer.AddRow(), "AM Peak");
    CReportTable& nested = outer.AddRow().AddCell().AddTable();
    nested.AddRow();
    nested.AddRow();
    EXPECT_EQ(Show(CReportRTFTableStructure(outer)), "Routes List|AM Peak|-|");
}

} // namespace
