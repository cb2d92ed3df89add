// The fragment classes: their names and defaults.
#include "reports/flows_report_fragment.h"
#include "reports/header_footer_report_fragment.h"
#include "reports/network_diagram_report_fragment.h"
#include "reports/routes_report_fragment.h"

#include <algorithm>

CReportFragment::CReportFragment(CReportFragments& owner, std::uint32_t id, int position,
                                 std::string name)
    : m_position(position), m_id(id), m_name(std::move(name)), m_owner(&owner)
{}

CHeaderFooterReportFragment::CHeaderFooterReportFragment(bool isHeader, CReportFragments& owner,
                                                         std::uint32_t id, int position,
                                                         std::string name)
    : CReportFragment(owner, id, position, std::move(name)), m_isHeader(isHeader)
{}

CCarouselHeaderReportFragment::CCarouselHeaderReportFragment(CReportFragments& owner,
                                                             std::uint32_t id, int position)
    : CHeaderFooterReportFragment(true, owner, id, position, "Header")
{}

CCarouselFooterReportFragment::CCarouselFooterReportFragment(CReportFragments& owner,
                                                             std::uint32_t id, int position)
    : CHeaderFooterReportFragment(false, owner, id, position, "Footer")
{}

bool CCarouselFlowGroupReportFragmentComponent::AdoptFlowGroupIfUnset(
    std::uint32_t currentFlowGroupId)
{
    if (!IsFlowGroupUnset())
        return false;
    m_flowGroupId = currentFlowGroupId;
    return true;
}

CCarouselFlowsReportFragment::CCarouselFlowsReportFragment(CReportFragments& owner,
                                                           std::uint32_t id, int position)
    : CReportFragment(owner, id, position, "Flows Matrix")
{}

void CCarouselFlowsReportFragment::SetPrecision(int precision)
{
    m_precision = std::clamp(precision, MinPrecision, MaxPrecision);
}

CCarouselRoutesReportFragment::CCarouselRoutesReportFragment(CReportFragments& owner,
                                                             std::uint32_t id, int position)
    : CReportFragment(owner, id, position, "Routes List")
{}

CCarouselNetworkDiagramReportFragment::CCarouselNetworkDiagramReportFragment(
    CReportFragments& owner, std::uint32_t id, int position)
    : CReportFragment(owner, id, position, "Network Diagram")
{}
