// The OD matrix grid over a document.
#include "tables/od_matrix_grid_data_provider.h"

#include "document/carousel_doc.h"
#include "routing/grid_text.h"

CODMatrixGridDataProvider::CODMatrixGridDataProvider(CCarouselDoc& document) : m_document(&document)
{
    Update(HintNetworkChanged);
}

void CODMatrixGridDataProvider::ChooseKind(ODMatrixGridKind kind)
{
    m_kind = kind;
    if (kind == ODMatrixGridKind::Geh) {
        Update(HintDataChanged);
        return;
    }
    // The document updates every view, this grid's too.
    m_document->SetODMatrixFlowKind(static_cast<int>(kind));
}

void CODMatrixGridDataProvider::Update(int hint)
{
    if (hint == HintObjectsReplaced) {
        m_table = CODMatrixTable();
        ++m_generation;
        return;
    }
    if (m_kind != ODMatrixGridKind::Geh) {
        m_kind = static_cast<ODMatrixGridKind>(m_document->GetODMatrixFlowKind());
    }
    m_colouring = m_document->GetLaneFlowDisplay().colouring;
    const CNetwork& network = m_document->GetNetwork();
    m_table = CODMatrixTable(network, network.GetCurrentFlowGroup());
}

int CODMatrixGridDataProvider::GetRowCount() const
{
    return m_table.HasFlowGroup() ? m_table.GetZoneCount() + 1 : 0;
}

int CODMatrixGridDataProvider::GetColumnCount() const
{
    return GetRowCount();
}

std::string CODMatrixGridDataProvider::GetRowHeaderText(int row) const
{
    return row >= 1 && row <= GetRowCount() ? m_table.GetName(row) : std::string();
}

std::string CODMatrixGridDataProvider::GetColumnHeaderText(int column) const
{
    return GetRowHeaderText(column);
}

std::string CODMatrixGridDataProvider::GetCellText(int row, int column) const
{
    return IsBodyCell(row, column) ? m_table.GetText(m_kind, row, column, m_precision)
                                   : std::string();
}

std::uint32_t CODMatrixGridDataProvider::GetCellTextColour(int row, int column) const
{
    const int zones = m_table.GetZoneCount();
    const bool betweenZones = row >= 1 && row <= zones && column >= 1 && column <= zones;
    if (!betweenZones ||
        (m_kind != ODMatrixGridKind::Desired && m_kind != ODMatrixGridKind::Actual)) {
        return GridBlack;
    }
    return m_table.GetZoneColour(m_colouring == ELaneFlowColouring::ByDestination ? column : row);
}

std::uint32_t CODMatrixGridDataProvider::GetCellBackgroundColour(int row, int column) const
{
    if (!IsBodyCell(row, column)) {
        return GridWhite;
    }
    if (m_kind == ODMatrixGridKind::Difference) {
        return WholePartIsZero(GetCellText(row, column)) ? Green : GridWhite;
    }
    if (m_kind == ODMatrixGridKind::Geh) {
        switch (GehBandOf(m_table.GetValue(m_kind, row, column))) {
        case GehBand::Good:
            return Green;
        case GehBand::Fair:
            return Amber;
        case GehBand::Poor:
            return Red;
        }
    }
    return GridWhite;
}

bool CODMatrixGridDataProvider::IsCellReadOnly(int row, int column) const
{
    const int zones = m_table.GetZoneCount();
    return !(m_kind == ODMatrixGridKind::Desired && IsBodyCell(row, column) && row <= zones &&
             column <= zones);
}

bool CODMatrixGridDataProvider::SetCellFromText(int row, int column, const std::string& text)
{
    if (IsCellReadOnly(row, column)) {
        return false;
    }
    const CLeadingWholeNumber number = LeadingWholeNumber(text);
    return m_document->SetODMatrixFlow(static_cast<std::uint32_t>(row),
                                       static_cast<std::uint32_t>(column), number.value,
                                       number.typed);
}

bool CODMatrixGridDataProvider::CommitEdit(std::uint64_t generation, int row, int column,
                                           const std::string& text)
{
    return generation == m_generation && SetCellFromText(row, column, text);
}

bool CODMatrixGridDataProvider::Paste(int row, int column, std::string_view text)
{
    if (!CanPaste(row, column)) {
        return false;
    }
    return m_document->PasteODMatrixFlows(static_cast<std::uint32_t>(row),
                                          static_cast<std::uint32_t>(column), text);
}
