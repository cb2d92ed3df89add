// The report builder's commands: their undo names, the delete question, templates, Save and
// View.
#include "cardfile/report_template_file.h"
#include "case_name.h"
#include "document/report_commands.h"
#include "document_fixture.h"
#include "external_tools.h"
#include "platform/private_temp_file.h"
#include "platform/text_measurer.h"
#include "reports/header_footer_report_fragment.h"
#include "reports/report_definition.h"
#include "reports/routes_report_fragment.h"
#include "temp_dir.h"

#include <array>
#include <functional>
#include <sys/stat.h>

namespace
{
using TestSupport::PrintTo;

using namespace doctest;
using Aggregation = ELaneFlowAggregation;
using Colouring = ELaneFlowColouring;

// A document with one report holding one fragment of each type.
struct ReportCommandsFixture : CDocumentFixture
{
    void SetUp() override
    {
        CDocumentFixture::SetUp();
        report = &*doc.GetReportDefinitions().AppendDefinition();
        CReportFragments& f = report->GetFragments();
        header = dynamic_cast<CHeaderFooterReportFragment*>(
            f.AddFragment(ReportFragmentType::Header, 1));
        flows = dynamic_cast<CCarouselFlowsReportFragment*>(
            f.AddFragment(ReportFragmentType::FlowsMatrix, 2));
        routes = dynamic_cast<CCarouselRoutesReportFragment*>(
            f.AddFragment(ReportFragmentType::RoutesList, 3));
        diagram = dynamic_cast<CCarouselNetworkDiagramReportFragment*>(
            f.AddFragment(ReportFragmentType::NetworkDiagram, 4));
    }

    CReportCommands commands{doc};
    CReportDefinition* report = nullptr;
    CHeaderFooterReportFragment* header = nullptr;
    CCarouselFlowsReportFragment* flows = nullptr;
    CCarouselRoutesReportFragment* routes = nullptr;
    CCarouselNetworkDiagramReportFragment* diagram = nullptr;
};

struct UndoNameCase
{
    std::string name;
    std::function<void(CReportCommands&, ReportCommandsFixture&)> run;
    std::string undoName;
};

class ReportUndoName : public ReportCommandsFixture,
                       public testing::WithParamInterface<UndoNameCase>
{};

// Every command checkpoints under its own name and marks the document modified. One option
// each stands for the routes list and the header: their names come from one table per family.
TEST_P(ReportUndoName, IsTheCommandsOwn)
{
    GetParam().run(commands, *this);
    EXPECT_EQ(doc.GetUndoName(), GetParam().undoName);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.hints.back(), HintDataChanged);
}

using F = ReportCommandsFixture;
using C = CReportCommands;
#define CASE(name, body, undo)                                                                     \
    UndoNameCase                                                                                   \
    {                                                                                              \
        name, [](C& c, [[maybe_unused]] F& f) { body; }, undo                                      \
    }

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportUndoName,
    testing::Values(
        CASE("CreateReport", c.CreateReport(), "Create Report"),
        CASE("EditTitle", c.EditReportTitle(*f.report, "T"), "Edit Report Title"),
        CASE("PaperSize", c.SetPaperSize(*f.report, PaperSize::A3), "Report: Set Paper Size"),
        CASE("AddFragment", c.AddFragment(*f.report, ReportFragmentType::Footer),
             "Add Report Fragment"),
        CASE("RemoveFragment", c.RemoveFragment(*f.flows), "Remove Report Fragment"),
        CASE("MoveUp", c.MoveFragmentUp(*f.flows), "Move Report Fragment Up"),
        CASE("MoveDown", c.MoveFragmentDown(*f.flows), "Move Report Fragment Down"),
        CASE("ShowName", c.SetShowFragmentName(*f.flows, true), "Report: Show Fragment Name"),
        CASE("HideName", c.SetShowFragmentName(*f.flows, false),
             "Report: Don't show Fragment Name"),
        CASE("Landscape", c.SetLandscape(*f.routes, true), "Report: Set Landscape"),
        CASE("Portrait", c.SetLandscape(*f.routes, false), "Report: Set Portrait"),
        CASE("FlowGroup", c.SetFlowGroup(*f.diagram, 1001), "Report: Set Flowgroup"),
        CASE("ShowDescription", c.SetShowFlowGroupDescription(*f.routes, true),
             "Report: Show Flowgroup Description"),
        CASE("HideDescription", c.SetShowFlowGroupDescription(*f.routes, false),
             "Report: Don't Show Flowgroup Description"),
        CASE("MatrixKind",
             c.SetMatrixKind(*f.flows, CCarouselFlowsReportFragment::FlowMatrixKind::Actual),
             "Report: Set Flows Matrix Type"),
        CASE("Precision", c.SetPrecision(*f.flows, 2), "Report: Set Flows Display Precision"),
        CASE("IndicatePermitted",
             c.SetRoutesListOption(*f.routes, RoutesListOption::IndicateIfRouteIsPermitted, true),
             "Report: Indicate If Route Is Permitted"),
        CASE("NoOriginZone", c.SetRoutesListOption(*f.routes, RoutesListOption::OriginZone, false),
             "Report: Don't Show Origin Zone"),
        CASE("ByOrigin", c.SetAggregation(*f.diagram, Aggregation::ByOrigin),
             "Report: Aggregate Flows By Origin"),
        CASE("ColourByDestination", c.SetColouring(*f.diagram, Colouring::ByDestination),
             "Report: Colour Flows By Destination"),
        CASE("ZeroFlows", c.SetShowZeroLaneFlows(*f.diagram, true), "Report: Show Zero Lane Flows"),
        CASE("NoZeroFlows", c.SetShowZeroLaneFlows(*f.diagram, false),
             "Report: Don't Show Zero Lane Flows"),
        CASE("PrintZone", c.SetPrintZone(*f.diagram, 1), "Report: Set Print Zone"),
        CASE("Scale", c.SetScale(*f.diagram, 150), "Report: Set Network Diagram Scale"),
        CASE("Filtered", c.SetHighlightFilteredRoutes(*f.diagram, true),
             "Report: Highlight Filtered Routes"),
        CASE("NotFiltered", c.SetHighlightFilteredRoutes(*f.diagram, false),
             "Report: Don't Highlight Filtered Routes"),
        CASE("Selected", c.SetHighlightSelectedRoutes(*f.diagram, true),
             "Report: Highlight Selected Routes"),
        CASE("NotSelected", c.SetHighlightSelectedRoutes(*f.diagram, false),
             "Report: Don't Highlight Selected Routes"),
        CASE("Title", c.SetHeaderFooterItem(*f.header, HeaderFooterItem::Title, true),
             "Report: Show Title"),
        CASE("NoPageNumber", c.SetHeaderFooterItem(*f.header, HeaderFooterItem::PageNumber, false),
             "Report: Don't Show Page Number")),
    CaseName());
#undef CASE

using ReportCommands = ReportCommandsFixture;

// Undo replaces every report object, so the builder is told to let go and finds its
// selection again by position.
TEST_F(ReportCommands, UndoReplacesTheReportsAndKeepsPositions)
{
    commands.EditReportTitle(*report, "Renamed");
    EXPECT_TRUE(doc.Undo());
    const CReportDefinition& restored = *doc.GetReportDefinitions().GetDefinition(1);
    EXPECT_EQ(restored.GetTitle(), "<Enter Report 1 Title Here>");
    EXPECT_EQ(restored.GetFragments().GetFragment(4)->GetType(),
              ReportFragmentType::NetworkDiagram);
}

// A title is one card line: a pasted line break must not split it, and the same title again is
// no step to undo.
TEST_F(ReportCommands, TitleStaysOneLineAndAnUnchangedTitleTakesNoStep)
{
    EXPECT_TRUE(commands.EditReportTitle(*report, "Morning\r\npeak\nsurvey"));
    EXPECT_EQ(report->GetTitle(), "Morning  peak survey");
    EXPECT_EQ(doc.GetCheckpointCount(), 1u);
    EXPECT_FALSE(commands.EditReportTitle(*report, "Morning  peak survey"));
    EXPECT_FALSE(commands.EditReportTitle(*report, "Morning\n peak survey"));
    EXPECT_EQ(doc.GetCheckpointCount(), 1u);
}

TEST_F(ReportCommands, DeleteAsksAndNoKeepsTheReport)
{
    prompt.Answer(PromptAnswer::No);
    EXPECT_FALSE(commands.DeleteReport(*report));
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);
    prompt.Answer(PromptAnswer::Yes);
    EXPECT_TRUE(commands.DeleteReport(*report));
    EXPECT_EQ(prompt.questions,
              std::vector<std::string>(2, "Are you sure you want to delete this report ?"));
    EXPECT_EQ(doc.GetReportDefinitions().GetCount(), 0);
    EXPECT_EQ(doc.GetUndoName(), "Delete Report");
}

TEST_F(ReportCommands, NothingMovesPastEitherEndAndNewFragmentsGoLast)
{
    EXPECT_FALSE(commands.MoveFragmentUp(*header));
    EXPECT_FALSE(commands.MoveFragmentDown(*diagram));
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);
    EXPECT_TRUE(commands.MoveFragmentDown(*header));
    EXPECT_EQ(header->GetPosition(), 2);
    CReportFragment* footer = commands.AddFragment(*report, ReportFragmentType::Footer);
    EXPECT_EQ(footer->GetPosition(), 5);
    EXPECT_EQ(commands.AddFragment(*report, static_cast<ReportFragmentType>(5)), nullptr);
}

TEST_F(ReportCommands, AggregatingByOriginOrDestinationColoursTheSameWay)
{
    commands.SetAggregation(*diagram, Aggregation::ByDestination);
    EXPECT_EQ(diagram->GetColouring(), Colouring::ByDestination);
    commands.SetAggregation(*diagram, Aggregation::ByOD);
    EXPECT_EQ(diagram->GetColouring(), Colouring::ByDestination);
    commands.SetAggregation(*diagram, Aggregation::ByOrigin);
    EXPECT_EQ(diagram->GetColouring(), Colouring::ByOrigin);
}

TEST_F(ReportCommands, OnlyAnUnsetFlowGroupTakesTheCurrentOne)
{
    const std::uint32_t current = doc.GetNetwork().GetCurrentFlowGroup()->GetId();
    EXPECT_TRUE(commands.AdoptCurrentFlowGroup(*flows));
    EXPECT_EQ(flows->GetFlowGroupId(), current);
    routes->SetFlowGroupId(NoFlowGroupId);
    EXPECT_FALSE(commands.AdoptCurrentFlowGroup(*routes));
    EXPECT_FALSE(commands.AdoptCurrentFlowGroup(*header));
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);
    EXPECT_THROW(commands.SetFlowGroup(*header, current), std::logic_error);
}

TEST_F(ReportCommands, CreateFromTemplateIsOneStepOrNoneAtAll)
{
    CTempDir dir;
    report->SetTitle("Source");
    ASSERT_TRUE(commands.SaveTemplate(*report, dir.File("a.rep")));
    CReportDefinition* created = commands.CreateReportFromTemplate(dir.File("a.rep"));
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->GetTitle(), "<Enter Report 2 Title Here>");
    EXPECT_EQ(created->GetFragments().GetCount(), 4);
    EXPECT_EQ(doc.GetUndoName(), "Report: Create From Template");
    EXPECT_EQ(doc.GetCheckpointCount(), 1u);

    doc.SetModifiedFlag(false);
    TestSupport::WriteText(dir.File("b.rep"), "REPTS    2 1234\r\n");
    EXPECT_EQ(commands.CreateReportFromTemplate(dir.File("b.rep")), nullptr);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{InvalidTemplateMessage});
    EXPECT_EQ(doc.GetReportDefinitions().GetCount(), 2);
    EXPECT_EQ(doc.GetCheckpointCount(), 1u);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.HasPendingCheckpoint());

    commands.BeginCreateFromTemplate();
    EXPECT_EQ(doc.GetReportDefinitions().GetCount(), 3);
    commands.CancelCreateFromTemplate();
    EXPECT_EQ(doc.GetReportDefinitions().GetCount(), 2);
    EXPECT_FALSE(doc.HasPendingCheckpoint());
    EXPECT_EQ(commands.CommitCreateFromTemplate(dir.File("a.rep")), nullptr);
    EXPECT_EQ(doc.GetReportDefinitions().GetCount(), 2);
}

// A saved report's diagram that highlights selected routes shows the routes selected in the
// document; one that does not highlight them ignores the selection.
TEST_F(ReportCommands, SavedDiagramHighlightsTheDocumentsSelectedRoutes)
{
    CTempDir dir;
    CFixedWidthTextMeasurer measurer;
    CReportDefinition& pictureOnly = *doc.GetReportDefinitions().AppendDefinition();
    auto* picture = dynamic_cast<CCarouselNetworkDiagramReportFragment*>(
        pictureOnly.GetFragments().AddFragment(ReportFragmentType::NetworkDiagram, 1));
    picture->SetFlowGroupId(doc.GetNetwork().GetCurrentFlowGroup()->GetId());
    auto saved = [&](bool highlight) {
        picture->SetHighlightSelectedRoutes(highlight);
        EXPECT_TRUE(commands.SaveReport(pictureOnly, dir.File("r.rtf"), measurer));
        return TestSupport::ReadText(dir.File("r.rtf"));
    };
    const std::string highlightedNone = saved(true);
    const std::string plain = saved(false);

    const std::uint32_t route = doc.GetNetwork().GetRoutes().GetRoute(1)->GetId();
    doc.SetRoutesSelected(std::array{route}, true);
    EXPECT_NE(saved(true), highlightedNone);
    EXPECT_EQ(saved(false), plain);
    doc.SetRoutesSelected(std::array{route}, false);
    EXPECT_EQ(saved(true), highlightedNone);
}

TEST_F(ReportCommands, SaveLeavesNoFileWhenItFails)
{
    CTempDir dir;
    CFixedWidthTextMeasurer measurer;
    ASSERT_TRUE(commands.SaveReport(*report, dir.File("r.rtf"), measurer));
    EXPECT_EQ(TestSupport::ReadText(dir.File("r.rtf")).substr(0, 18), "{\\rtf\\ansi\\deff0\r\n");

    const std::filesystem::path missing = dir.Path() / "missing" / "r.rtf";
    EXPECT_FALSE(commands.SaveReport(*report, missing, measurer));
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"Cannot write " + missing.string() +
                                                        ": its folder does not exist"});
    EXPECT_FALSE(std::filesystem::exists(missing.parent_path()));
}

class CRecordingViewer : public CReportViewer
{
public:
    explicit CRecordingViewer(bool opens) : m_opens(opens) {}
    bool Open(const std::filesystem::path& file) override
    {
        files.push_back(file);
        return m_opens;
    }
    std::vector<std::filesystem::path> files;

private:
    bool m_opens;
};

TEST_F(ReportCommands, ViewHandsAFreshPrivateFileToTheViewer)
{
    CFixedWidthTextMeasurer measurer;
    CRecordingViewer viewer(true);
    ASSERT_TRUE(commands.ViewReport(*report, viewer, measurer));
    ASSERT_TRUE(commands.ViewReport(*report, viewer, measurer));
    ASSERT_EQ(viewer.files.size(), 2u);
    EXPECT_NE(viewer.files[0], viewer.files[1]);
    const std::filesystem::path folder = viewer.files[0].parent_path();
    EXPECT_EQ(folder, PrivateTempFolder());
    EXPECT_EQ(viewer.files[0].extension(), ".rtf");
    struct stat info = {};
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 077, 0u);
    EXPECT_EQ(TestSupport::ReadText(viewer.files[1]), TestSupport::ReadText(viewer.files[0]));

    CRecordingViewer none(false);
    EXPECT_FALSE(commands.ViewReport(*report, none, measurer));
    EXPECT_EQ(prompt.messages,
              std::vector<std::string>{"An RTF compatible viewer, such as Microsoft Word or "
                                       "WordPerfect, is required to view reports.  An appropriate "
                                       "viewer is not currently installed.\n(Code 31)"});
    EXPECT_TRUE(std::filesystem::exists(none.files.at(0)));
    for (const auto& file : {viewer.files[0], viewer.files[1], none.files[0]})
        std::filesystem::remove(file);
}

} // namespace
