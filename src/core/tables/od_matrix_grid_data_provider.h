// The OD matrix as a grid: the flows of the document's current flow group.
#pragma once

#include "routing/lane_flow_display.h"
#include "tables/grid_data_provider.h"
#include "routing/od_matrix_table.h"

#include <cstdint>
#include <string_view>

class CCarouselDoc;

// Shows the current flow group of a document as zones + 1 rows and columns, the last headed
// "Tot."; none at all without a flow group. Desired and actual flows are written in the colour
// of the origin zone (colouring 0) or the destination zone (1); differences, GEH figures and
// totals in black. A difference whose shown whole part is 0 sits on green; a GEH figure on
// green below 5, amber up to 10, red above. Only desired flows between two zones (the diagonal
// too) can be edited: a cell takes the leading whole number of its text, through the document's
// "Set OD Matrix Flow".
//
// The provider reads the document only in Update: between updates it shows a copy, so that it
// keeps no pointer into a network an undo may replace. Update(HintObjectsReplaced) empties it
// and starts a new generation, so an edit begun before the replacement is never committed into
// the restored document.
class CODMatrixGridDataProvider : public CGridDataProvider
{
public:
    static constexpr double ColumnWidthFactor = 7.5;
    // Background colours, 0x00BBGGRR.
    static constexpr std::uint32_t Green = 0x00FF00;
    static constexpr std::uint32_t Amber = 0x00BFFF;
    static constexpr std::uint32_t Red = 0x0000FF;

    explicit CODMatrixGridDataProvider(CCarouselDoc& document);

    // What the OD matrix bar chose; the first three follow the document's kind at each update.
    ODMatrixGridKind GetKind() const { return m_kind; }
    // Sets the grid's kind; a document kind also goes to the document (its views are updated).
    void ChooseKind(ODMatrixGridKind kind);
    // The OD flow precision of the program's settings, 0..2.
    void SetPrecision(int precision) { m_precision = precision; }

    // Follows a view update: reads the document again, or lets go of everything for hint 8.
    void Update(int hint);
    std::uint64_t GetGeneration() const { return m_generation; }
    const CODMatrixTable& GetTable() const { return m_table; }

    int GetRowCount() const override;
    int GetColumnCount() const override;
    std::string GetRowHeaderText(int row) const override;
    std::string GetColumnHeaderText(int column) const override;
    std::string GetCellText(int row, int column) const override;
    std::uint32_t GetCellTextColour(int row, int column) const override;
    std::uint32_t GetCellBackgroundColour(int row, int column) const override;
    bool IsCellReadOnly(int row, int column) const override;
    bool SetCellFromText(int row, int column, const std::string& text) override;
    std::string GetEditName() const override { return "Set OD Matrix Flow"; }
    double GetColumnWidthFactor() const override { return ColumnWidthFactor; }

    // An edit opened in one generation is committed only in that generation.
    bool CommitEdit(std::uint64_t generation, int row, int column, const std::string& text);
    // Ctrl+V at the current cell: the document's "Paste OD Matrix Flows" of a tab-separated
    // block. Only a cell that can be edited takes a paste.
    bool CanPaste(int row, int column) const { return !IsCellReadOnly(row, column); }
    bool Paste(int row, int column, std::string_view text);

private:
    CCarouselDoc* m_document;
    CODMatrixTable m_table;
    ODMatrixGridKind m_kind = ODMatrixGridKind::Desired;
    ELaneFlowColouring m_colouring = ELaneFlowColouring::ByOrigin;
    int m_precision = 0;
    std::uint64_t m_generation = 0;
};
