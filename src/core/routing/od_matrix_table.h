// The figures of one flow group's OD matrix, read once and shown many times.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CFlowGroup;
class CNetwork;

// What the OD matrix grid shows. The first three are the document's kinds (0..2); GEH is the
// grid's own and never reaches the document.
enum class ODMatrixGridKind
{
    Desired = 0,
    Actual = 1,
    Difference = 2,
    Geh = 3,
};

inline constexpr const char* ODMatrixTotalName = "Tot.";

// The GEH statistic of a modelled (m) against a counted (c) hourly flow:
// sqrt(2 (m - c)^2 / (m + c)); 0 when m + c is not positive.
double GehStatistic(double modelled, double counted);

// How a GEH figure rates, judged on the figure as shown (two decimals): below 5 good, up to 10
// fair, above 10 poor.
enum class GehBand
{
    Good,
    Fair,
    Poor,
};
GehBand GehBandOf(double geh);

// Movements with any flow (actual + desired > 0) and how many of them have a GEH below 5.
struct CGehSummary
{
    std::size_t movements = 0;
    std::size_t below5 = 0;
    friend bool operator==(const CGehSummary&, const CGehSummary&) = default;
};

// A copy of the matrix of a network's flow group: zone names and colours, desired and actual
// flows of every movement and the totals. Rows are origins and columns destinations, both
// 1..N for the zones and N + 1 for the totals (the corner is the grand total). Actual flows
// are stop-line flows (an origin without an entry arm sends nothing); GEH compares them with the
// desired flows made hourly by the group's duration, cell by cell and total by total. Without a
// flow group the zones are there and every flow is 0. Holding no pointer into the network, a
// table may outlive what it was read from.
class CODMatrixTable
{
public:
    CODMatrixTable() = default;
    CODMatrixTable(const CNetwork& network, const CFlowGroup* group);

    bool HasFlowGroup() const { return m_hasFlowGroup; }
    int GetZoneCount() const { return m_zones; }
    // "A" ... for zones 1..N, "Tot." for N + 1, empty beyond.
    std::string GetName(int index) const;
    // 0 (black) for anything but a zone.
    std::uint32_t GetZoneColour(int zone) const;

    // Row and column in 1..N + 1; 0 outside.
    double GetDesired(int row, int column) const;
    double GetActual(int row, int column) const;
    double GetValue(ODMatrixGridKind kind, int row, int column) const;
    // The value as the grid writes it: `precision` decimals ("%.2f" for GEH).
    std::string GetText(ODMatrixGridKind kind, int row, int column, int precision) const;

    // The factor that makes a flow of the group's period hourly: 3600 / duration.
    double GetHourFactor() const { return m_hourFactor; }
    CGehSummary GetGehSummary() const;

private:
    std::size_t Index(int row, int column) const;
    bool Inside(int row, int column) const;

    bool m_hasFlowGroup = false;
    int m_zones = 0;
    std::vector<std::uint32_t> m_colours;
    std::vector<double> m_desired;
    std::vector<double> m_actual;
    double m_hourFactor = 1.0;
};
