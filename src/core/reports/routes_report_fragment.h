// The routes list fragment.
#pragma once

#include "reports/flow_group_report_fragment_component.h"
#include "reports/report_fragment.h"

// The table of routes with their flows in one flow group; every column is shown by default, and
// by default only permitted routes are listed.
class CCarouselRoutesReportFragment : public CReportFragment,
                                      public CCarouselFlowGroupReportFragmentComponent
{
public:
    CCarouselRoutesReportFragment(CReportFragments& owner, std::uint32_t id, int position);
    ReportFragmentType GetType() const override { return ReportFragmentType::RoutesList; }
    void AddToReport(const CReportSource& source, CReportSection& section,
                     const CReportDefinition& definition) const override;

    bool GetIndicateIfRouteIsPermitted() const { return m_indicateIfRouteIsPermitted; }
    void SetIndicateIfRouteIsPermitted(bool show) { m_indicateIfRouteIsPermitted = show; }
    bool GetShowRouteNumber() const { return m_showRouteNumber; }
    void SetShowRouteNumber(bool show) { m_showRouteNumber = show; }
    bool GetShowOriginZone() const { return m_showOriginZone; }
    void SetShowOriginZone(bool show) { m_showOriginZone = show; }
    bool GetShowOriginArm() const { return m_showOriginArm; }
    void SetShowOriginArm(bool show) { m_showOriginArm = show; }
    bool GetShowOriginLane() const { return m_showOriginLane; }
    void SetShowOriginLane(bool show) { m_showOriginLane = show; }
    bool GetShowDestinationZone() const { return m_showDestinationZone; }
    void SetShowDestinationZone(bool show) { m_showDestinationZone = show; }
    bool GetShowDestinationArm() const { return m_showDestinationArm; }
    void SetShowDestinationArm(bool show) { m_showDestinationArm = show; }
    bool GetShowDestinationLane() const { return m_showDestinationLane; }
    void SetShowDestinationLane(bool show) { m_showDestinationLane = show; }
    bool GetShowRouteFlow() const { return m_showRouteFlow; }
    void SetShowRouteFlow(bool show) { m_showRouteFlow = show; }
    bool GetShowFlowLockStatus() const { return m_showFlowLockStatus; }
    void SetShowFlowLockStatus(bool show) { m_showFlowLockStatus = show; }
    bool GetShowAllowedRoutesOnly() const { return m_showAllowedRoutesOnly; }
    void SetShowAllowedRoutesOnly(bool show) { m_showAllowedRoutesOnly = show; }

private:
    bool m_indicateIfRouteIsPermitted = true;
    bool m_showRouteNumber = true;
    bool m_showOriginZone = true;
    bool m_showOriginArm = true;
    bool m_showOriginLane = true;
    bool m_showDestinationZone = true;
    bool m_showDestinationArm = true;
    bool m_showDestinationLane = true;
    bool m_showRouteFlow = true;
    bool m_showFlowLockStatus = true;
    bool m_showAllowedRoutesOnly = true;
};
