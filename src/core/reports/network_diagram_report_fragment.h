// The network diagram fragment.
#pragma once

#include "reports/flow_group_report_fragment_component.h"
#include "reports/report_fragment.h"

// A picture of the network with the lane flows of one flow group, the whole network or only a
// print zone, fitted to the page width or at a percentage scale.
class CCarouselNetworkDiagramReportFragment : public CReportFragment,
                                              public CCarouselFlowGroupReportFragmentComponent
{
public:
    // The values of these two are stored in RFNET cards.
    enum class FlowAggregation : int
    {
        ByOD = 0,
        ByOrigin = 1,
        ByDestination = 2,
        None = 3,
    };
    enum class FlowColouring : int
    {
        ByOrigin = 0,
        ByDestination = 1,
    };
    static constexpr int EntireNetwork = -1;  // print zone
    static constexpr int FitToPageWidth = -1; // scale

    CCarouselNetworkDiagramReportFragment(CReportFragments& owner, std::uint32_t id, int position);
    ReportFragmentType GetType() const override { return ReportFragmentType::NetworkDiagram; }
    void AddToReport(const CReportSource& source, CReportSection& section,
                     const CReportDefinition& definition) const override;

    FlowAggregation GetAggregation() const { return m_aggregation; }
    void SetAggregation(FlowAggregation aggregation) { m_aggregation = aggregation; }
    FlowColouring GetColouring() const { return m_colouring; }
    void SetColouring(FlowColouring colouring) { m_colouring = colouring; }
    bool GetShowZeroLaneFlows() const { return m_showZeroLaneFlows; }
    void SetShowZeroLaneFlows(bool show) { m_showZeroLaneFlows = show; }
    // A print page number, or EntireNetwork; a number that names no page draws everything.
    int GetPrintZone() const { return m_printZone; }
    void SetPrintZone(int printZone) { m_printZone = printZone; }
    // A percentage, or FitToPageWidth.
    int GetScale() const { return m_scale; }
    void SetScale(int scale) { m_scale = scale; }
    bool GetHighlightFilteredRoutes() const { return m_highlightFilteredRoutes; }
    void SetHighlightFilteredRoutes(bool highlight) { m_highlightFilteredRoutes = highlight; }
    bool GetHighlightSelectedRoutes() const { return m_highlightSelectedRoutes; }
    void SetHighlightSelectedRoutes(bool highlight) { m_highlightSelectedRoutes = highlight; }

private:
    FlowAggregation m_aggregation = FlowAggregation::ByOD;
    FlowColouring m_colouring = FlowColouring::ByOrigin;
    bool m_showZeroLaneFlows = false;
    int m_printZone = EntireNetwork;
    int m_scale = FitToPageWidth;
    bool m_highlightFilteredRoutes = false;
    bool m_highlightSelectedRoutes = false;
};
