// The program's fragment factory.
#include "reports/report_fragment_factory.h"

#include "reports/flows_report_fragment.h"
#include "reports/header_footer_report_fragment.h"
#include "reports/network_diagram_report_fragment.h"
#include "reports/routes_report_fragment.h"

std::unique_ptr<CReportFragment>
CCarouselReportFragmentFactory::CreateFragment(ReportFragmentType type, CReportFragments& owner,
                                               std::uint32_t id, int position) const
{
    switch (type) {
    case ReportFragmentType::NetworkDiagram:
        return std::make_unique<CCarouselNetworkDiagramReportFragment>(owner, id, position);
    case ReportFragmentType::FlowsMatrix:
        return std::make_unique<CCarouselFlowsReportFragment>(owner, id, position);
    case ReportFragmentType::RoutesList:
        return std::make_unique<CCarouselRoutesReportFragment>(owner, id, position);
    case ReportFragmentType::Header:
        return std::make_unique<CCarouselHeaderReportFragment>(owner, id, position);
    case ReportFragmentType::Footer:
        return std::make_unique<CCarouselFooterReportFragment>(owner, id, position);
    }
    return nullptr;
}
