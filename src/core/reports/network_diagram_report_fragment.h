// The network diagram fragment.
#pragma once

#include "reports/flow_group_report_fragment_component.h"
#include "reports/report_fragment.h"
#include "routing/lane_flow_display.h"

// A picture of the network with the lane flows of one flow group, the whole network or only a
// print zone, fitted to the page width or at a percentage scale.
class CCarouselNetworkDiagramReportFragment : public CReportFragment,
                                              public CCarouselFlowGroupReportFragmentComponent
{
public:
    static constexpr int EntireNetwork = -1;  // print zone
    static constexpr int FitToPageWidth = -1; // scale

    CCarouselNetworkDiagramReportFragment(CReportFragments& owner, std::uint32_t id, int position);
    ReportFragmentType GetType() const override { return ReportFragmentType::NetworkDiagram; }
    void AddToReport(const CReportSource& source, CReportSection& section,
                     const CReportDefinition& definition) const override;

    // The diagram's own lane flow display; it starts aggregated by OD.
    const CLaneFlowDisplay& GetLaneFlows() const { return m_laneFlows; }
    void SetLaneFlows(const CLaneFlowDisplay& laneFlows) { m_laneFlows = laneFlows; }
    ELaneFlowAggregation GetAggregation() const { return m_laneFlows.aggregation; }
    void SetAggregation(ELaneFlowAggregation aggregation) { m_laneFlows.aggregation = aggregation; }
    ELaneFlowColouring GetColouring() const { return m_laneFlows.colouring; }
    void SetColouring(ELaneFlowColouring colouring) { m_laneFlows.colouring = colouring; }
    bool GetShowZeroLaneFlows() const { return m_laneFlows.zeroFlowsShown; }
    void SetShowZeroLaneFlows(bool show) { m_laneFlows.zeroFlowsShown = show; }
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
    CLaneFlowDisplay m_laneFlows{ELaneFlowAggregation::ByOD};
    int m_printZone = EntireNetwork;
    int m_scale = FitToPageWidth;
    bool m_highlightFilteredRoutes = false;
    bool m_highlightSelectedRoutes = false;
};
