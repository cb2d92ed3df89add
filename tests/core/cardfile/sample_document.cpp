// The sample document of the network file tests and its dump by numbers.
#include "sample_document.h"

#include "model/route.h"
#include "network_builder.h"
#include "reports/flows_report_fragment.h"
#include "reports/header_footer_report_fragment.h"
#include "reports/network_diagram_report_fragment.h"
#include "reports/routes_report_fragment.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace netfiletest
{

namespace
{
std::string Real(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.15f", value);
    return text;
}

int GroupNumber(const CNetwork& network, std::uint32_t id)
{
    const CFlowGroup* group = network.GetFlowGroups().GetFlowGroupById(id);
    return group != nullptr ? static_cast<int>(group->GetNumber()) : -1;
}
} // namespace

void BuildSampleDocument(CDocumentData& doc, NetworkSettings& settings)
{
    settings.LaneFlowDelimiter = " / ";
    settings.ArmTextHeight = 35;
    settings.ZoneTextHeight = 45;
    settings.CapacityAssessorTextHeight = 55;
    settings.ODMatrixTextHeight = 65;
    settings.GridSize = 50;
    settings.Author = "A. N. Engineer";
    settings.Company = "Road Works Ltd\r\nTraffic Division";
    settings.Address = "1 High Street\r\nSmalltown\r\n";
    doc.project = {"Ring road\r\nStage 2", "North junction", "Café survey, 3 days", "RR2", "S-17"};
    doc.odMatrixShown = true;
    doc.laneFlows = {ELaneFlowAggregation::ByDestination, ELaneFlowColouring::ByDestination, true};
    doc.odMatrix.SetPosition(-1500, 2500);

    CNetwork& network = doc.network;
    TestSupport::CNetworkBuilder build(network);
    build.Arms({3, 1, 1, 2});
    CArm* entry = build.Arm(1);
    CArm* circ = build.Arm(2);
    entry->SetText("North Rd");
    build.Arm(4)->SetText("B");
    entry->SetPoints({100, 200}, {-300, 4000});
    circ->SetPoints({-999999999, 999999999}, {0, 0});
    build.Lane(1, 3)->SetLength(12);
    build.Lane(4, 2)->SetLength(4);
    build.Connect("1.1>2.1 1.2>2.1 1.3>1.2 2.1>3.1 2.1>4.1 2.1>4.2")
        .Zone(1, 0, 0x000000FF)
        .Zone(0, 3, 0x00FFEEDD)
        .Zone(0, 4, 0xFFFFFFFF);
    const CZones& zones = network.GetZones();
    CZone* origin = zones.GetZone(1);
    CZone* destA = zones.GetZone(2);
    CZone* destB = zones.GetZone(3);

    CCapacityAssessors& assessors = network.GetCapacityAssessors();
    CCapacityAssessor* assessor = assessors.InsertCapacityAssessor(1, 1200);
    assessor->SetEntryArm(entry);
    assessor->SetCirculatoryArm(circ);
    assessor->GetGraphics() = {1234, -567, false};
    assessors.InsertCapacityAssessor(2, 99999)->GetGraphics() = {0, 999999999, false};

    network.GetRoutes().DiscoverRoutes();
    CRoutes& routes = network.GetRoutes();

    CFlowGroups& groups = network.GetFlowGroups();
    CFlowGroup* am = groups.InsertFlowGroup(1);
    CFlowGroup* pm = groups.InsertFlowGroup(2);
    am->SetDescription("AM peak, counted 2026");
    am->SetStart(7 * 3600 + 30 * 60);
    am->SetEnd(9 * 3600 + 15 * 60);
    pm->SetDescription(std::string(80, 'p'));
    pm->SetStart(23 * 3600 + 59 * 60);
    pm->SetEnd(0);
    CODMovements& movements = network.GetODMovements();
    am->SetDesiredFlow(movements.Find(origin, destA), 350);
    am->SetDesiredFlow(movements.Find(origin, destB), 99999);
    pm->SetDesiredFlow(movements.Find(origin, destA), 0);
    const auto record = [&](CFlowGroup* group, std::uint32_t number, double flow, bool locked,
                            double proportion) {
        CRoute* route = routes.GetRoute(number);
        group->SetRouteFlow(route->GetId(), route, flow);
        group->SetLocked(route->GetId(), route, locked);
        group->SetProportion(route->GetId(), route, proportion);
    };
    record(am, 1, 123.456789012345678, false, -1.0);
    record(am, 2, 0.1, true, -1.0);
    record(am, 3, 1.0 / 3.0, false, 0.25);
    record(am, 4, 2.0 / 3.0, false, 0.75);
    record(am, 6, 1e-15, false, -1.0);
    record(pm, 1, 99999.5, true, -1.0);
    record(pm, 3, -12.000000000000002, false, 1.0);
    routes.GetRoute(5)->SetPermitted(false);
    network.SetCurrentFlowGroup(am);

    CLabel* label = doc.labels.InsertLabel(1);
    label->SetText("Fifty characters exactly, with é and ü: 1234567890");
    label->SetSegment({-20, 10}, {300, 400});
    label->SetTextHeight(1000);
    label->SetColour(0x00123456);
    CLabel* plain = doc.labels.InsertLabel(2);
    plain->SetTextHeight(10);
    plain->SetColour(0xFF000000);

    doc.printPages.AddPage();
    CPrintPage* page = doc.printPages.AddPage();
    page->GetPrintZone().SetRect(-100, 0, 5000, 999999);
    page->GetPrintZone().SetScale(2.5);
    page->GetPrintZone().SetCropToPrintZone(false);
    page->GetPrintZone().SetScaleToFit(true);
    page->SetLandscape(false);
    page->SetTitleBlockPosition(TitleBlockPosition::Bottom);
    page->SetIndicateScaleOnTitleBlock(true);
    page->SetPageTitle("Site plan \xE2\x80\x94 east");

    CReportDefinition* report = doc.reportDefinitions.AppendDefinition();
    report->SetTitle("Morning report");
    report->SetPaperSize(PaperSize::A3);
    CReportFragments& fragments = report->GetFragments();
    auto* header = dynamic_cast<CHeaderFooterReportFragment*>(
        fragments.AddFragment(ReportFragmentType::Header, 1));
    header->SetShowDate(true);
    header->SetShowTitle(false);
    auto* footer = dynamic_cast<CHeaderFooterReportFragment*>(
        fragments.AddFragment(ReportFragmentType::Footer, 2));
    footer->SetShowPageNumber(true);
    footer->SetShowFileName(true);
    footer->SetShowFragmentName(false);
    auto* flows = dynamic_cast<CCarouselFlowsReportFragment*>(
        fragments.AddFragment(ReportFragmentType::FlowsMatrix, 3));
    flows->SetFlowGroupId(pm->GetId());
    flows->SetMatrixKind(CCarouselFlowsReportFragment::FlowMatrixKind::Difference);
    flows->SetPrecision(2);
    flows->SetLandscape(true);
    flows->SetName("PM difference");
    auto* list = dynamic_cast<CCarouselRoutesReportFragment*>(
        fragments.AddFragment(ReportFragmentType::RoutesList, 4));
    list->SetFlowGroupId(am->GetId());
    list->SetShowOriginLane(false);
    list->SetShowFlowLockStatus(false);
    list->SetShowFlowGroupDescription(false);
    auto* diagram = dynamic_cast<CCarouselNetworkDiagramReportFragment*>(
        fragments.AddFragment(ReportFragmentType::NetworkDiagram, 5));
    diagram->SetFlowGroupId(am->GetId());
    diagram->SetAggregation(ELaneFlowAggregation::ByDestination);
    diagram->SetColouring(ELaneFlowColouring::ByDestination);
    diagram->SetShowZeroLaneFlows(true);
    diagram->SetPrintZone(2);
    diagram->SetScale(150);
    diagram->SetHighlightSelectedRoutes(true);
    fragments.AddFragment(ReportFragmentType::FlowsMatrix, 6);
    doc.reportDefinitions.AppendDefinition();

    doc.viewPositions = {{1, 10, 20, 800, 600, true, 1.25, 100, -200, 1, 0},
                         {2, 0, 0, 2000, 2000, false, 1.0, 0, 0, 0, 1}};
    doc.resizeableViewCount = 2;
}

std::string Describe(const CDocumentData& doc, const NetworkSettings& s)
{
    std::ostringstream out;
    out << "settings '" << s.LaneFlowDelimiter << "' " << s.ArmTextHeight << ' ' << s.ZoneTextHeight
        << ' ' << s.CapacityAssessorTextHeight << ' ' << s.ODMatrixTextHeight << ' ' << s.GridSize
        << " [" << s.Author << "][" << s.Company << "][" << s.Address << "]\n";
    const CProjectInformation& p = doc.project;
    out << "project [" << p.title << "][" << p.location << "][" << p.notes << "][" << p.projectName
        << "][" << p.scn << "]\n";
    out << "display " << doc.odMatrixShown << ' '
        << LaneFlowAggregationNumber(doc.laneFlows.aggregation) << ' '
        << LaneFlowColouringNumber(doc.laneFlows.colouring) << ' ' << doc.laneFlows.zeroFlowsShown
        << " od " << doc.odMatrix.GetX() << ',' << doc.odMatrix.GetY() << '\n';

    const CNetwork& network = doc.network;
    const CArms& arms = network.GetArms();
    for (std::uint32_t i = 1; i <= arms.GetCount(); ++i) {
        const CArm* arm = arms.GetArm(i);
        out << "arm " << i << " [" << arm->GetText() << "] " << arm->GetFirstPoint().x << ','
            << arm->GetFirstPoint().y << ' ' << arm->GetSecondPoint().x << ','
            << arm->GetSecondPoint().y << " lanes";
        for (std::uint32_t j = 1; j <= arm->GetLanes().GetCount(); ++j) {
            out << ' ' << arm->GetLanes().GetLane(j)->GetLength();
        }
        out << '\n';
    }
    const auto armNumber = [](const CArm* arm) {
        return arm ? arm->GetNumber() : 0u;
    };
    for (std::uint32_t k = 1; k <= network.GetZones().GetCount(); ++k) {
        const CZone* zone = network.GetZones().GetZone(k);
        out << "zone " << k << " in " << armNumber(zone->GetEntryArm()) << " out "
            << armNumber(zone->GetExitArm()) << " colour " << zone->GetColour() << '\n';
    }
    const CCapacityAssessors& assessors = network.GetCapacityAssessors();
    for (std::uint32_t k = 1; k <= assessors.GetCount(); ++k) {
        const CCapacityAssessor* a = assessors.GetCapacityAssessor(k);
        out << "assessor " << k << ' ' << armNumber(a->GetEntryArm()) << ' '
            << armNumber(a->GetCirculatoryArm()) << ' ' << a->GetThreshold() << " at "
            << a->GetGraphics().x << ',' << a->GetGraphics().y << '\n';
    }
    std::vector<std::string> connectors;
    for (const auto* c : network.GetLaneConnectors().GetConnectorsInCreationOrder()) {
        connectors.push_back(TestSupport::LaneName(c->GetFromLane()) + ">" +
                             TestSupport::LaneName(c->GetToLane()));
    }
    std::sort(connectors.begin(), connectors.end());
    for (const std::string& c : connectors) {
        out << "connector " << c << '\n';
    }
    const CRoutes& routes = network.GetRoutes();
    for (std::uint32_t r = 1; r <= routes.GetRouteCount(); ++r) {
        const CRoute* route = routes.GetRoute(r);
        out << "route " << r << (route->IsPermitted() ? " permitted" : " barred");
        for (std::size_t i = 0; i < route->GetConnectorCount(); ++i) {
            out << ' ' << TestSupport::LaneName(route->GetConnector(i)->GetFromLane()) << '>'
                << TestSupport::LaneName(route->GetConnector(i)->GetToLane());
        }
        out << '\n';
    }
    const CFlowGroups& groups = network.GetFlowGroups();
    out << "current "
        << (network.GetCurrentFlowGroup() ? network.GetCurrentFlowGroup()->GetNumber() : 0) << '\n';
    for (std::uint32_t g = 1; g <= groups.GetCount(); ++g) {
        const CFlowGroup* group = groups.GetFlowGroup(g);
        out << "group " << g << " [" << group->GetDescription() << "] " << group->GetStart() << '-'
            << group->GetEnd() << '\n';
        for (std::uint32_t o = 1; o <= network.GetZones().GetCount(); ++o) {
            for (std::uint32_t d = 1; d <= network.GetZones().GetCount(); ++d) {
                const CODMovement* m = network.GetODMovements().Find(network.GetZones().GetZone(o),
                                                                     network.GetZones().GetZone(d));
                if (m != nullptr && group->GetDesiredFlowRecords().count(m->GetPairKey()) != 0) {
                    out << "  od " << o << '>' << d << ' ' << group->GetDesiredFlow(m) << '\n';
                }
            }
        }
        for (std::uint32_t r = 1; r <= routes.GetRouteCount(); ++r) {
            const CRoute* route = routes.GetRoute(r);
            if (group->GetRouteFlowRecords().count(route->GetId()) != 0) {
                const CRouteFlowRecord rec = group->GetRouteFlowRecord(route->GetId());
                out << "  flow " << r << ' ' << Real(rec.flow) << ' ' << rec.locked << ' '
                    << Real(rec.proportion) << '\n';
            }
        }
    }
    for (std::uint32_t k = 1; k <= doc.labels.GetCount(); ++k) {
        const CLabel* l = doc.labels.GetLabel(k);
        out << "label " << k << " [" << l->GetText() << "] " << l->GetTextHeight() << ' '
            << l->GetColour() << ' ' << l->GetFirstPoint().x << ',' << l->GetFirstPoint().y << ' '
            << l->GetSecondPoint().x << ',' << l->GetSecondPoint().y << '\n';
    }
    for (int k = 1; k <= doc.printPages.GetCount(); ++k) {
        const CPrintPage* page = doc.printPages.GetPage(k);
        const CPrintZone& z = page->GetPrintZone();
        out << "page " << k << ' ' << z.GetLeft() << ',' << z.GetTop() << ',' << z.GetRight() << ','
            << z.GetBottom() << ' ' << z.GetScale() << ' ' << z.GetCropToPrintZone()
            << z.GetScaleToFit() << page->IsLandscape() << page->GetIndicateScaleOnTitleBlock()
            << ' ' << static_cast<int>(page->GetTitleBlockPosition()) << " ["
            << page->GetPageTitle() << "]\n";
    }
    const CReportDefinitions& reports = doc.reportDefinitions;
    for (int k = 1; k <= reports.GetCount(); ++k) {
        const CReportDefinition* def = reports.GetDefinition(k);
        out << "report " << def->GetPosition() << " [" << def->GetTitle() << "] "
            << static_cast<int>(def->GetPaperSize()) << '\n';
        const CReportFragments& fragments = def->GetFragments();
        for (int f = 1; f <= fragments.GetCount(); ++f) {
            const CReportFragment* fr = fragments.GetFragment(f);
            out << "  fragment " << fr->GetPosition() << ' ' << static_cast<int>(fr->GetType())
                << " [" << fr->GetName() << "] " << fr->GetShowFragmentName() << fr->IsLandscape();
            if (const auto* hf = dynamic_cast<const CHeaderFooterReportFragment*>(fr)) {
                out << " hf " << hf->IsHeader() << hf->GetShowFileName() << hf->GetShowPath()
                    << hf->GetShowDate() << hf->GetShowTime() << hf->GetShowPageNumber()
                    << hf->GetShowTitle();
            }
            if (const auto* c =
                    dynamic_cast<const CCarouselFlowGroupReportFragmentComponent*>(fr)) {
                out << " group " << GroupNumber(network, c->GetFlowGroupId()) << ' '
                    << c->GetShowFlowGroupDescription();
            }
            if (const auto* m = dynamic_cast<const CCarouselFlowsReportFragment*>(fr)) {
                out << " matrix " << static_cast<int>(m->GetMatrixKind()) << ' '
                    << m->GetPrecision();
            }
            if (const auto* r = dynamic_cast<const CCarouselRoutesReportFragment*>(fr)) {
                out << " columns " << r->GetIndicateIfRouteIsPermitted() << r->GetShowRouteNumber()
                    << r->GetShowOriginZone() << r->GetShowOriginArm() << r->GetShowOriginLane()
                    << r->GetShowDestinationZone() << r->GetShowDestinationArm()
                    << r->GetShowDestinationLane() << r->GetShowRouteFlow()
                    << r->GetShowAllowedRoutesOnly() << r->GetShowFlowLockStatus();
            }
            if (const auto* d = dynamic_cast<const CCarouselNetworkDiagramReportFragment*>(fr)) {
                out << " diagram " << LaneFlowAggregationNumber(d->GetAggregation()) << ' '
                    << LaneFlowColouringNumber(d->GetColouring()) << ' '
                    << d->GetShowZeroLaneFlows() << ' ' << d->GetPrintZone() << ' ' << d->GetScale()
                    << ' ' << d->GetHighlightFilteredRoutes() << d->GetHighlightSelectedRoutes();
            }
            out << '\n';
        }
    }
    for (const CViewPosition& v : doc.viewPositions) {
        out << "view " << v.kind << ' ' << v.left << ',' << v.top << ',' << v.right << ','
            << v.bottom << ' ' << v.scrollPan << ' ' << v.zoom << ' ' << v.scrollX << ','
            << v.scrollY << ' ' << v.paneState << ' ' << v.index << '\n';
    }
    return out.str();
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line + '\n';
    }
    return text;
}

int FindCard(const std::vector<std::string>& lines, const std::string& keyword, int from)
{
    for (std::size_t i = static_cast<std::size_t>(from); i < lines.size(); ++i) {
        if (lines[i].rfind(keyword, 0) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace netfiletest
