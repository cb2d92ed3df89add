// Report template files: what they carry, what reading one leaves out, and every refusal.
#include "cardfile/product_code.h"
#include "cardfile/report_template_file.h"
#include "case_name.h"
#include "external_tools.h"
#include "model/network.h"
#include "reports/flows_report_fragment.h"
#include "reports/header_footer_report_fragment.h"
#include "reports/network_diagram_report_fragment.h"
#include "reports/report_definition.h"
#include "reports/report_file_names.h"
#include "reports/routes_report_fragment.h"
#include "temp_dir.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>

namespace
{
using TestSupport::PrintTo;

using TestSupport::ReadText;
using TestSupport::WriteText;

// Every line of a file but the REPD card, which carries the report's position and title.
std::string WithoutReportCard(const std::string& text)
{
    std::istringstream in(text);
    std::string kept;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("REPD ", 0) != 0)
            kept += line + "\n";
    }
    return kept;
}

class ReportTemplate : public testing::Test
{
protected:
    ReportTemplate()
    {
        for (std::uint32_t n = 1; n <= 3; ++n)
            network.GetFlowGroups().InsertFlowGroup(n);
        for (int n = 0; n < 3; ++n)
            reports.AppendDefinition();
    }
    CReportDefinition& Source()
    {
        CReportDefinition& report = *reports.GetDefinition(1);
        report.SetTitle("Morning: A/B");
        report.SetPaperSize(PaperSize::A3);
        CReportFragments& fragments = report.GetFragments();
        const std::uint32_t group3 = network.GetFlowGroups().GetFlowGroup(3)->GetId();
        auto* header = dynamic_cast<CHeaderFooterReportFragment*>(
            fragments.AddFragment(ReportFragmentType::Header, 1));
        header->SetShowPath(true);
        auto* flows = dynamic_cast<CCarouselFlowsReportFragment*>(
            fragments.AddFragment(ReportFragmentType::FlowsMatrix, 2));
        flows->SetFlowGroupId(group3);
        flows->SetPrecision(2);
        flows->SetLandscape(true);
        auto* diagram = dynamic_cast<CCarouselNetworkDiagramReportFragment*>(
            fragments.AddFragment(ReportFragmentType::NetworkDiagram, 3));
        diagram->SetFlowGroupId(group3);
        diagram->SetPrintZone(2);
        diagram->SetScale(150);
        auto* routes = dynamic_cast<CCarouselRoutesReportFragment*>(
            fragments.AddFragment(ReportFragmentType::RoutesList, 4));
        routes->SetFlowGroupId(group3);
        routes->SetShowOriginArm(false);
        fragments.AddFragment(ReportFragmentType::Footer, 5)->SetName("Bottom \xC2\xAC line");
        return report;
    }
    // Reads the file as "Create Report From Template" does; the message when it is refused.
    std::string Refusal(const std::filesystem::path& path)
    {
        try {
            CreateReportFromTemplate(reports, network.GetFlowGroups(), path);
        } catch (const errReportTemplate& e) {
            return e.what();
        }
        return "read";
    }

    CTempDir dir;
    CNetwork network;
    CReportDefinitions reports;
};

TEST_F(ReportTemplate, CarriesTheFragmentsButNotWhatBelongsToTheNetwork)
{
    const std::filesystem::path file = dir.File("morning.rep");
    SaveReportTemplate(file, Source(), network.GetFlowGroups());
    const std::string text = ReadText(file);
    char header[32];
    std::snprintf(header, sizeof header, "REPTS    1%5d\r\n", ProductCode);
    EXPECT_EQ(text.substr(0, 17), header);
    EXPECT_NE(text.find("RFFLO   -1    1    0    2\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("RFNET   -1    1    0    0    0   -1  150    0    0\r\n"),
              std::string::npos)
        << text;

    CReportDefinition& created = CreateReportFromTemplate(reports, network.GetFlowGroups(), file);
    EXPECT_EQ(created.GetPosition(), 4);
    EXPECT_EQ(created.GetTitle(), "<Enter Report 4 Title Here>");
    EXPECT_EQ(created.GetPaperSize(), PaperSize::A3);
    const auto& flows =
        dynamic_cast<const CCarouselFlowsReportFragment&>(*created.GetFragments().GetFragment(2));
    EXPECT_EQ(flows.GetFlowGroupId(), NoFlowGroupId);
    EXPECT_TRUE(flows.IsLandscape());
    // Written again, it is the same template but for its position and title.
    SaveReportTemplate(dir.File("again.rep"), created, network.GetFlowGroups());
    EXPECT_EQ(WithoutReportCard(ReadText(dir.File("again.rep"))), WithoutReportCard(text));
}

struct RefusalCase
{
    std::string name;
    std::string text;
    const char* message;
};

class TemplateRefusal : public ReportTemplate, public testing::WithParamInterface<RefusalCase>
{};

TEST_P(TemplateRefusal, ShowsItsMessageAndAddsNoReport)
{
    char code[8];
    std::snprintf(code, sizeof code, "%5d", ProductCode);
    std::string text = GetParam().text;
    for (std::size_t at; (at = text.find("CODE")) != std::string::npos;)
        text.replace(at, 4, code);
    WriteText(dir.File("bad.rep"), text);
    EXPECT_EQ(Refusal(dir.File("bad.rep")), GetParam().message);
    EXPECT_EQ(reports.GetCount(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TemplateRefusal,
    testing::Values(
        RefusalCase{"AnotherProgramsCode", "REPTS    1 1234\r\nREPD     1    0    0\xAC x\r\n",
                    InvalidTemplateMessage},
        RefusalCase{"LaterSchemaWithOurCode", "REPTS    2CODE\r\nREPD     1    0    0\xAC x\r\n",
                    LaterTemplateMessage},
        RefusalCase{"CodeCheckedBeforeSchema", "REPTS    2 1234\r\n", InvalidTemplateMessage},
        RefusalCase{"EmptyFile", "", InvalidTemplateMessage},
        RefusalCase{"EndsInsideAFragment",
                    "REPTS    1CODE\r\nREPD     1    2    0\xAC x\r\nREPF     1    3    1    0\xAC"
                    "Header\r\nRFHFR    1    0    0    0    0    0    1\r\nREPF     2    1\r\n",
                    InvalidTemplateMessage},
        RefusalCase{"UnknownFragmentType",
                    "REPTS    1CODE\r\nREPD     1    1    0\xAC x\r\nREPF     1    7    1    0\xAC"
                    "What\r\nRFHFR\r\n",
                    InvalidTemplateMessage}),
    CaseName());

TEST_F(ReportTemplate, FileThatCannotBeOpenedIsNamedWithTheReason)
{
    EXPECT_EQ(Refusal(dir.File("none.rep")),
              "Cannot open " + dir.File("none.rep") + ": No such file or directory");
    EXPECT_EQ(Refusal(dir.Path()),
              "Cannot open " + dir.Path().string() + ": it is a folder, not a file");
    EXPECT_EQ(reports.GetCount(), 3);
}

TEST(ReportFileNames, ForbiddenCharactersGoAndTheExtensionIsReplaced)
{
    EXPECT_EQ(ProposedTemplateName("a\\b/c:d*e?f\"g<h>i|j k"), "abcdefghij k.rep");
    EXPECT_EQ(ProposedReportName("Survey.crs"), "Survey.rtf");
    EXPECT_EQ(ProposedReportName("<Enter Report 1 Title Here>"), "Enter Report 1 Title Here.rtf");
    EXPECT_EQ(ProposedReportName("AM/PM peaks.v2"), "AMPM peaks.v2.rtf");
    EXPECT_EQ(ProposedReportName(".rep"), ".rtf");
}

} // namespace
