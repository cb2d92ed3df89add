// Reports generated from definitions: sections, headers and footers, the three flow-based
// fragments and their refusals.
#include "model/od_movement.h"
#include "report_fixture.h"
#include "reports/flows_report_fragment.h"
#include "reports/header_footer_report_fragment.h"
#include "reports/network_diagram_report_fragment.h"
#include "reports/report_rtf_table_structure.h"
#include "reports/routes_report_fragment.h"

#include <clocale>

namespace
{
using namespace reporttest;
using Kind = ReportFragmentType;

class ReportGenerator : public CReportFixture
{};

TEST_F(ReportGenerator, ReportWithoutFragmentsIsItsTitleAndABlankLine)
{
    report.SetTitle("Empty");
    const std::string rtf = Rtf();
    EXPECT_EQ(Count(rtf, "\\sectd"), 1);
    const std::string tail = "\\sectd\\paperw11908\\paperh16833"
                             "\\pard\\qc\\tx1440\\tx2880\\tx4320\\tx5760\\tx7200\\tx8640"
                             "\\f1\\b0\\i0\\strike0\\ul0\\fs28\\cf1 Empty\\par\r\n"
                             "\\pard\\ql\\tx1440\\tx2880\\tx4320\\tx5760\\tx7200\\tx8640\\par\r\n}";
    EXPECT_EQ(rtf.substr(rtf.size() - tail.size()), tail) << rtf;
}

// Only a change of orientation starts a section, and every section repeats the headers.
TEST_F(ReportGenerator, PortraitLandscapeLandscapePortraitMakeThreeSections)
{
    Add<CHeaderFooterReportFragment>(Kind::Header);
    for (bool landscape : {false, true, true, false})
        Add<CCarouselFlowsReportFragment>(Kind::FlowsMatrix).SetLandscape(landscape);
    Add<CHeaderFooterReportFragment>(Kind::Footer);
    const std::string rtf = Rtf();
    EXPECT_EQ(Count(rtf, "\\sectd"), 3);
    EXPECT_EQ(Count(rtf, "\\sect\\sectd"), 2);
    EXPECT_EQ(Count(rtf, "\\sectd\\lndscpsxn\\paperw16833\\paperh11908{\\header"), 1);
    EXPECT_EQ(Count(rtf, "{\\header"), 3);
    EXPECT_EQ(Count(rtf, "{\\footer"), 3);
}

// The header's lines: texts as they are, tab "\t", the date field as its switch, the page
// number "#".
std::string HeaderLines(const CReportDocument& document)
{
    const CReportHeaderFooter& header = *document.GetSections()[0]->GetHeaderFooters()[0];
    std::string text;
    for (const auto& body : header.GetBodies()) {
        if (!text.empty())
            text += "\n";
        for (const auto& data : static_cast<const CReportParagraph&>(*body).GetDatas()) {
            if (const auto* t = dynamic_cast<const CReportDataText*>(data.get()))
                text += t->GetText();
            else if (const auto* f = dynamic_cast<const CReportDataField*>(data.get()))
                text += "{" + f->GetSwitch() + "}";
            else if (static_cast<const CReportDataSpecialChar&>(*data).GetKind() ==
                     SpecialCharKind::Tab)
                text += "\t";
            else
                text += "#";
        }
    }
    return text;
}

TEST_F(ReportGenerator, HeaderDateAndPageNumberStandOnTheFirstLinesThere)
{
    enum : unsigned
    {
        ShowTitle = 1,
        ShowFileName = 2,
        ShowPath = 4,
        ShowDate = 8,
        ShowTime = 16,
        ShowPage = 32
    };
    const struct
    {
        const char* path;
        unsigned shown;
        const char* lines;
    } cases[] = {
        {"/a/b.crs", ShowDate, "\t{\\@ \"dd/MM/yyyy\"}"},
        {"/a/b.crs", ShowTitle | ShowPage, "Report\tPage #"},
        {"/a/b.crs", ShowTitle | ShowFileName | ShowDate | ShowTime | ShowPage,
         "Report\t{\\@ \"dd/MM/yyyy HH:mm:ss\"}\nb.crs\tPage #"},
        {"/a/b.crs", ShowDate | ShowPage, "\t{\\@ \"dd/MM/yyyy\"}\n\tPage #"},
        {"C:\\nets\\b.crs", ShowFileName, "b.crs"}, // cut at a backslash
        {"/a/b.crs", ShowFileName | ShowPath, "/a/b.crs"},
    };
    report.SetTitle("Report");
    auto& header = Add<CHeaderFooterReportFragment>(Kind::Header);
    for (const auto& c : cases) {
        source.pathName = c.path;
        header.SetShowTitle(c.shown & ShowTitle);
        header.SetShowFileName(c.shown & ShowFileName);
        header.SetShowPath(c.shown & ShowPath);
        header.SetShowDate(c.shown & ShowDate);
        header.SetShowTime(c.shown & ShowTime);
        header.SetShowPageNumber(c.shown & ShowPage);
        EXPECT_EQ(HeaderLines(*Build()), c.lines) << c.shown;
    }
}

TEST_F(ReportGenerator, FragmentsWithoutAFlowGroupSaySoAndTheRestIsWritten)
{
    Add<CCarouselFlowsReportFragment>(Kind::FlowsMatrix);
    Add<CCarouselRoutesReportFragment>(Kind::RoutesList).SetFlowGroupId(NoFlowGroupId);
    Add<CCarouselNetworkDiagramReportFragment>(Kind::NetworkDiagram).SetFlowGroupId(99999);
    Add<CCarouselFlowsReportFragment>(Kind::FlowsMatrix).SetFlowGroupId(GroupId());
    const std::string rtf = Rtf();
    EXPECT_EQ(Count(rtf, " FlowGroup not specified for Flows Matrix\\par"), 1);
    EXPECT_EQ(Count(rtf, " FlowGroup not specified for Routes List\\par"), 1);
    EXPECT_EQ(Count(rtf, " FlowGroup not specified for Network Diagram\\par"), 1);
    EXPECT_EQ(Count(rtf, " OD Matrix - Desired Flows"), 1);
}

TEST_F(ReportGenerator, FlowsMatrixOfThreeZonesIsFiveColumnsWithTotals)
{
    ring.group->SetStart(8 * 3600);
    ring.group->SetEnd(9 * 3600 + 30 * 60);
    CZones& zones = ring.network.GetZones();
    const auto movement = [&](std::uint32_t from, std::uint32_t to) {
        return ring.network.GetODMovements().Find(zones.GetZone(from), zones.GetZone(to));
    };
    ring.group->SetDesiredFlow(movement(1, 2), 125);
    ring.group->SetDesiredFlow(movement(3, 1), 10);
    auto& matrix = Add<CCarouselFlowsReportFragment>(Kind::FlowsMatrix);
    matrix.SetFlowGroupId(GroupId());
    matrix.SetPrecision(2);

    const auto document = Build();
    const auto& outer =
        dynamic_cast<const CReportTable&>(*document->GetSections()[0]->GetBodies()[2]);
    const CReportRTFTableStructure grid(outer);
    std::string text;
    for (int r = 0; r < grid.GetRowCount(); ++r) {
        for (int c = 0; c < grid.GetColumnCount(); ++c) {
            const GridEntry& e = grid.GetEntry(r, c);
            if (!e.horizontallyMergedContinuation)
                text +=
                    CellText(e.cell) + (e.row->GetProperties().row.GetHeader() ? "*" : "") + " ";
        }
        text += "|";
    }
    // Zone letters by zone number (zone ids start at 1001); "*" marks header rows.
    EXPECT_EQ(text, "Flows Matrix* |"
                    "AM Peak : 08:00 - 09:30* |"
                    "OD Matrix - Desired Flows* |"
                    "* A* B* C* Tot.* |"
                    "A 0.00 125.00 0.00 125.00 |"
                    "B 0.00 0.00 0.00 0.00 |"
                    "C 10.00 0.00 0.00 10.00 |"
                    "Tot. 10.00 125.00 0.00 135.00 |");
}

TEST_F(ReportGenerator, NumbersHaveADecimalPointUnderAnyLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    auto& routes = Add<CCarouselRoutesReportFragment>(Kind::RoutesList);
    routes.SetFlowGroupId(GroupId());
    ring.network.GetRoutes().GetRoute(1)->SetFlow(ring.group, 12.25);
    const std::string rtf = Rtf();
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(Count(rtf, "\\qr\\tx1440\\tx2880\\tx4320\\tx5760\\tx7200\\tx8640\\f1\\b0\\i0"
                         "\\strike0\\ul0\\fs24\\cf1 12.2\r\n"),
              1);
}

TEST_F(ReportGenerator, RoutesListRowsAndWhatAllowedOnlyLeavesOut)
{
    auto& routes = Add<CCarouselRoutesReportFragment>(Kind::RoutesList);
    routes.SetFlowGroupId(GroupId());
    routes.SetShowFragmentName(false);
    routes.SetShowFlowGroupDescription(false);
    CRoutes& all = ring.network.GetRoutes();
    all.GetRoute(1)->SetLocked(ring.group, true);
    all.GetRoute(2)->SetPermitted(false);

    const auto document = Build();
    const CReportRTFTableStructure grid(
        dynamic_cast<const CReportTable&>(*document->GetSections()[0]->GetBodies()[2]));
    ASSERT_EQ(grid.GetColumnCount(), 10);
    EXPECT_EQ(grid.GetRowCount(), static_cast<int>(all.GetRouteCount()));
    std::string rows;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 10; ++c)
            rows += CellText(grid.GetEntry(r, c).cell) + " ";
        rows += "|";
    }
    const CRoute& first = *all.GetRoute(1);
    const auto letter = [](const CZone* zone) {
        return std::string(1, static_cast<char>('@' + zone->GetNumber()));
    };
    const std::string expected =
        "Permitted Route Num Origin Zone Origin Arm Origin Lane Dest. Zone Dest. Arm "
        "Dest Lane Flow Locked |Y 1 " +
        letter(first.GetOriginZone()) + " " + first.GetOriginArm()->GetLabel() + " " +
        std::to_string(first.GetOriginLane()->GetNumber()) + " " +
        letter(first.GetDestinationZone()) + " " + first.GetDestinationArm()->GetLabel() + " " +
        std::to_string(first.GetDestinationLane()->GetNumber()) + " 50.0 Locked |Y 3 " +
        letter(all.GetRoute(3)->GetOriginZone());
    EXPECT_EQ(rows.substr(0, expected.size()), expected) << "route 2 is not permitted";

    for (std::uint32_t n = 1; n <= all.GetRouteCount(); ++n)
        all.GetRoute(n)->SetPermitted(false);
    const std::string rtf = Rtf();
    EXPECT_EQ(Count(rtf, "\\trowd"), 0);
    routes.SetShowAllowedRoutesOnly(false);
    EXPECT_EQ(Count(Rtf(), " N\r\n"), static_cast<int>(all.GetRouteCount()));
}

TEST_F(ReportGenerator, DiagramFitsThePageOrClipsToItsPrintZone)
{
    auto& diagram = Add<CCarouselNetworkDiagramReportFragment>(Kind::NetworkDiagram);
    diagram.SetFlowGroupId(GroupId());
    EXPECT_EQ(Count(Rtf(), "\\pict\\emfblip"), 1);
    EXPECT_EQ(Count(Rtf(), "\\picscalex"), 1);

    // The zone lies inside the drawing, so the picture is the zone: 0.01 mm per 0.1 mm unit.
    ring.printPages.AddPage()->GetPrintZone().SetRect(1000, 1100, 1800, 1500);
    diagram.SetPrintZone(1);
    diagram.SetScale(0);
    std::string rtf = Rtf();
    EXPECT_EQ(Count(rtf, "\\picw8000\\pich4000\\picscalex"), 1) << rtf.substr(0, 3000);
    diagram.SetScale(150);
    diagram.SetPrintZone(2);
    rtf = Rtf();
    EXPECT_EQ(Count(rtf, "\\picscalex150\\picscaley150 "), 1);
    EXPECT_EQ(Count(rtf, "\\picw8000"), 0) << "print zone 2 does not exist: the whole network";
}

// The diagram shows the routes its caller selected only when the fragment highlights them.
TEST_F(ReportGenerator, DiagramHighlightsTheSelectedRoutesItIsGiven)
{
    auto& diagram = Add<CCarouselNetworkDiagramReportFragment>(Kind::NetworkDiagram);
    diagram.SetFlowGroupId(GroupId());
    diagram.SetHighlightSelectedRoutes(true);
    const std::string nothingSelected = Rtf();
    source.diagram.selectedRoutes = {ring.network.GetRoutes().GetRoute(1)->GetId()};
    EXPECT_NE(Rtf(), nothingSelected);
    diagram.SetHighlightSelectedRoutes(false);
    const std::string notHighlighted = Rtf();
    source.diagram.selectedRoutes.clear();
    EXPECT_EQ(Rtf(), notHighlighted);
}

TEST_F(ReportGenerator, DiagramOfAnEmptyNetworkHasNoScalingWords)
{
    TestSupport::CRoundabout empty;
    CFlowGroup* group = empty.network.GetFlowGroups().InsertFlowGroup(1);
    Add<CCarouselNetworkDiagramReportFragment>(Kind::NetworkDiagram).SetFlowGroupId(group->GetId());
    std::ostringstream out;
    CReportGenerator(
        report,
        {{empty.network, empty.labels, empty.printPages, odMatrix, {}, program, networkSettings},
         "",
         measurer})
        .Generate(out);
    const std::string rtf = out.str();
    EXPECT_EQ(Count(rtf, "\\picw0\\pich0 "), 1);
    EXPECT_EQ(Count(rtf, "\\picscale"), 0);
}

} // namespace
