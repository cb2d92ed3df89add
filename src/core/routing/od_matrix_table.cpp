// Reading an OD matrix once for the grid, the clipboard and the CSV file.
#include "routing/od_matrix_table.h"

#include "model/network.h"
#include "model/zone_letter.h"
#include "routing/od_flow_matrix.h"
#include "routing/grid_text.h"

#include <cmath>

double GehStatistic(double modelled, double counted)
{
    const double sum = modelled + counted;
    if (!(sum > 0.0)) {
        return 0.0;
    }
    const double difference = modelled - counted;
    return std::sqrt(2.0 * difference * difference / sum);
}

GehBand GehBandOf(double geh)
{
    const double shown = std::round(geh * 100.0) / 100.0;
    return shown < 5.0 ? GehBand::Good : shown <= 10.0 ? GehBand::Fair : GehBand::Poor;
}

CODMatrixTable::CODMatrixTable(const CNetwork& network, const CFlowGroup* group)
    : m_hasFlowGroup(group != nullptr), m_zones(static_cast<int>(network.GetZones().GetCount()))
{
    // Index 0 is left unused, so that rows and columns keep their numbers.
    const std::size_t side = static_cast<std::size_t>(m_zones) + 2;
    m_desired.assign(side * side, 0.0);
    m_actual.assign(side * side, 0.0);
    const CZones& zones = network.GetZones();
    for (int i = 1; i <= m_zones; ++i) {
        m_colours.push_back(zones.GetZone(static_cast<std::uint32_t>(i))->GetColour());
    }
    if (!group) {
        return;
    }
    m_hourFactor = 3600.0 / static_cast<double>(group->GetDuration());
    const CODFlowMatrix matrix(network, group);
    const int total = m_zones + 1;
    for (int i = 1; i <= m_zones; ++i) {
        const CZone& origin = *zones.GetZone(static_cast<std::uint32_t>(i));
        for (int j = 1; j <= m_zones; ++j) {
            const CZone& destination = *zones.GetZone(static_cast<std::uint32_t>(j));
            m_desired[Index(i, j)] = matrix.GetCell(ODFlowKind::Desired, origin, destination);
            m_actual[Index(i, j)] = matrix.GetCell(ODFlowKind::Actual, origin, destination);
        }
        m_desired[Index(i, total)] = matrix.GetOriginTotal(ODFlowKind::Desired, origin);
        m_actual[Index(i, total)] = matrix.GetOriginTotal(ODFlowKind::Actual, origin);
        m_desired[Index(total, total)] += m_desired[Index(i, total)];
        m_actual[Index(total, total)] += m_actual[Index(i, total)];
    }
    for (int j = 1; j <= m_zones; ++j) {
        const CZone& destination = *zones.GetZone(static_cast<std::uint32_t>(j));
        m_desired[Index(total, j)] = matrix.GetDestinationTotal(ODFlowKind::Desired, destination);
        m_actual[Index(total, j)] = matrix.GetDestinationTotal(ODFlowKind::Actual, destination);
    }
}

std::size_t CODMatrixTable::Index(int row, int column) const
{
    return static_cast<std::size_t>(row) * (static_cast<std::size_t>(m_zones) + 2) +
           static_cast<std::size_t>(column);
}

bool CODMatrixTable::Inside(int row, int column) const
{
    return row >= 1 && row <= m_zones + 1 && column >= 1 && column <= m_zones + 1;
}

std::string CODMatrixTable::GetName(int index) const
{
    if (index >= 1 && index <= m_zones) {
        return ZoneLetter(static_cast<std::uint32_t>(index));
    }
    return index == m_zones + 1 ? ODMatrixTotalName : "";
}

std::uint32_t CODMatrixTable::GetZoneColour(int zone) const
{
    return zone >= 1 && zone <= m_zones ? m_colours[static_cast<std::size_t>(zone - 1)] : 0;
}

double CODMatrixTable::GetDesired(int row, int column) const
{
    return Inside(row, column) ? m_desired[Index(row, column)] : 0.0;
}

double CODMatrixTable::GetActual(int row, int column) const
{
    return Inside(row, column) ? m_actual[Index(row, column)] : 0.0;
}

double CODMatrixTable::GetValue(ODMatrixGridKind kind, int row, int column) const
{
    const double desired = GetDesired(row, column);
    const double actual = GetActual(row, column);
    switch (kind) {
    case ODMatrixGridKind::Desired:
        return desired;
    case ODMatrixGridKind::Actual:
        return actual;
    case ODMatrixGridKind::Difference:
        return actual - desired;
    case ODMatrixGridKind::Geh:
        break;
    }
    return GehStatistic(actual * m_hourFactor, desired * m_hourFactor);
}

std::string CODMatrixTable::GetText(ODMatrixGridKind kind, int row, int column, int precision) const
{
    return FormatFixed(GetValue(kind, row, column), kind == ODMatrixGridKind::Geh ? 2 : precision);
}

CGehSummary CODMatrixTable::GetGehSummary() const
{
    CGehSummary summary;
    for (int i = 1; i <= m_zones; ++i) {
        for (int j = 1; j <= m_zones; ++j) {
            if (GetActual(i, j) + GetDesired(i, j) > 0.0) {
                ++summary.movements;
                summary.below5 += GehBandOf(GetValue(ODMatrixGridKind::Geh, i, j)) == GehBand::Good;
            }
        }
    }
    return summary;
}
