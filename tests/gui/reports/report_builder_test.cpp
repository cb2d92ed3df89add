// The report builder driven as the user drives it: every command through its controls, undo
// and redo under it, Save, View and templates.
#include "../app/app_fixture.h"
#include "document/carousel_doc.h"
#include "platform/private_temp_file.h"
#include "reports/carousel_report_builder_view.h"
#include "reports/report_builder_main_frame.h"
#include "reports/report_definition.h"
#include "routing/flow_group_commands.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace
{

// Records what View hands over, and whether the wait cursor was up meanwhile; never starts a
// program.
class CRecordingViewer : public CReportViewer
{
public:
    bool Open(const std::filesystem::path& file) override
    {
        opened.push_back(file);
        const QCursor* cursor = QGuiApplication::overrideCursor();
        waitCursorShown = cursor && cursor->shape() == Qt::WaitCursor;
        return accepts;
    }
    bool accepts = true;
    bool waitCursorShown = false;
    std::vector<std::filesystem::path> opened;
};

std::string Contents(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The sample roundabout has one report: Header, Footer, Network Diagram, Flows Matrix, Routes
// List and a second, landscape Network Diagram ("The ring").
class ReportBuilderTest : public testing::Test, public AppFixture
{
protected:
    void SetUp() override
    {
        Start({Example("roundabout.crs")});
        Doc().OpenView(ReportBuilderViewKind);
        for (CChildFrame* frame : app->Frames())
            if (auto* builder = dynamic_cast<CReportBuilderMainFrame*>(frame))
                view = builder->GetReportBuilderView();
        ASSERT_NE(view, nullptr);
        view->SetViewer(viewer);
    }

    CCarouselDoc& Doc() { return *app->GetDocument(); }
    template <typename W> W& Find(const char* name)
    {
        W* widget = view->findChild<W*>(name);
        if (widget == nullptr)
            throw std::logic_error(std::string("no control ") + name);
        return *widget;
    }
    bool Checked(const char* name) { return Find<QAbstractButton>(name).isChecked(); }
    void Click(const char* name) { Find<QAbstractButton>(name).click(); }
    void Pick(const char* name, const char* text)
    {
        auto& box = Find<QComboBox>(name);
        const int index = box.findText(text);
        if (index < 0)
            throw std::logic_error(std::string("no choice ") + text);
        box.setCurrentIndex(index);
        emit box.activated(index);
    }
    void AddFragment(ReportFragmentType type)
    {
        Find<QToolButton>("addFragment")
            .menu()
            ->findChild<QAction*>(QString("add%1").arg(static_cast<int>(type)))
            ->trigger();
    }
    void SelectFragment(int position)
    {
        Find<QListWidget>("fragments").setCurrentRow(position - 1);
    }
    int FragmentRow() { return Find<QListWidget>("fragments").currentRow(); }
    CReportDefinition& Report(int position)
    {
        return *Doc().GetReportDefinitions().GetDefinition(position);
    }
    void EditTitle(const QString& title)
    {
        QLineEdit& edit = Find<QLineEdit>("title");
        edit.setFocus();
        edit.selectAll();
        QTest::keyClicks(&edit, title);
        QTest::keyClick(&edit, Qt::Key_Return);
    }

    // The action takes one checkpoint under the name. Undo then replaces every report object:
    // the builder must come back on the same report and fragment positions, showing the
    // restored objects, and redo likewise.
    void ExpectStep(const std::string& name, const std::function<void()>& act)
    {
        SCOPED_TRACE(name);
        const std::string before = Doc().CanUndo() ? Doc().GetUndoName() : "";
        act();
        ASSERT_TRUE(Doc().CanUndo());
        EXPECT_EQ(Doc().GetUndoName(), name);
        EXPECT_TRUE(Doc().IsModified());
        for (const bool undo : {true, false}) {
            const int reportRow = Find<QListWidget>("reports").currentRow();
            const int fragmentRow = FragmentRow();
            ASSERT_TRUE(undo ? Doc().Undo() : Doc().Redo());
            const CReportDefinitions& reports = Doc().GetReportDefinitions();
            const int reportPosition = std::clamp(reportRow + 1, 1, reports.GetCount());
            EXPECT_EQ(view->SelectedReport(), reports.GetDefinition(reportPosition));
            const CReportFragments& fragments = view->SelectedReport()->GetFragments();
            if (fragments.GetCount() > 0) {
                EXPECT_EQ(view->SelectedFragment(), fragments.GetFragment(std::clamp(
                                                        fragmentRow + 1, 1, fragments.GetCount())));
            }
            // One step: undoing it comes back to the step before.
            EXPECT_EQ(Doc().CanUndo() ? Doc().GetUndoName() : "", undo ? before : name);
        }
    }
    // A check box twice: its command, then its twin, each taken back and done again.
    void ExpectToggle(int fragment, const char* box, const std::string& on, const std::string& off)
    {
        SelectFragment(fragment);
        const bool was = Checked(box);
        ExpectStep(was ? off : on, [&] { Click(box); });
        EXPECT_EQ(Checked(box), !was) << box << " shows the redone value";
        ExpectStep(was ? on : off, [&] { Click(box); });
        EXPECT_EQ(Checked(box), was);
    }

    CCarouselReportBuilderView* view = nullptr;
    CRecordingViewer viewer;
};

TEST_F(ReportBuilderTest, ReportCommandsTakeTheirUndoNames)
{
    ASSERT_EQ(Find<QListWidget>("reports").count(), 1);
    ExpectStep("Create Report", [&] {
        Click("createReport");
        EXPECT_EQ(Find<QLineEdit>("title").text(), "<Enter Report 2 Title Here>");
        EXPECT_TRUE(Find<QLineEdit>("title").hasFocus()) << "a new report is named first";
    });
    // Undo took the new report away, so the selection went back to the first.
    Find<QListWidget>("reports").setCurrentRow(1);
    ExpectStep("Edit Report Title", [&] { EditTitle("Evening peak"); });
    EXPECT_EQ(Find<QListWidget>("reports").item(1)->text(), "Evening peak");
    ExpectStep("Report: Set Paper Size", [&] { Pick("paperSize", "A3 (297x420mm)"); });
    EXPECT_EQ(Report(2).GetPaperSize(), PaperSize::A3);
    ExpectStep("Add Report Fragment", [&] { AddFragment(ReportFragmentType::RoutesList); });
    ExpectStep("Add Report Fragment", [&] {
        AddFragment(ReportFragmentType::Footer);
        EXPECT_EQ(FragmentRow(), 1) << "the new fragment is selected";
    });
    SelectFragment(2);
    ExpectStep("Move Report Fragment Up", [&] {
        Click("moveFragmentUp");
        EXPECT_EQ(FragmentRow(), 0) << "the selection moves with the fragment";
    });
    EXPECT_EQ(Report(2).GetFragments().GetFragment(1)->GetName(), "Footer");
    ExpectStep("Move Report Fragment Down", [&] {
        Click("moveFragmentDown");
        EXPECT_EQ(FragmentRow(), 1);
    });
    EXPECT_EQ(Report(2).GetFragments().GetFragment(2)->GetName(), "Footer");
    ExpectStep("Remove Report Fragment", [&] { Click("removeFragment"); });
    EXPECT_EQ(Report(2).GetFragments().GetCount(), 1);

    prompt.yesNo = {PromptAnswer::Yes};
    ExpectStep("Delete Report", [&] { Click("deleteReport"); });
    EXPECT_EQ(prompt.questions.back(), "Are you sure you want to delete this report ?");
    EXPECT_EQ(Doc().GetReportDefinitions().GetCount(), 1);
}

TEST_F(ReportBuilderTest, FragmentOptionsTakeTheirUndoNames)
{
    ExpectToggle(3, "showFragmentName", "Report: Show Fragment Name",
                 "Report: Don't show Fragment Name");
    ExpectStep("Report: Set Landscape", [&] { Click("landscape"); });
    ExpectStep("Report: Set Portrait", [&] { Click("portrait"); });

    // Header, fragment 1.
    const std::pair<const char*, const char*> items[] = {
        {"title", "Title"}, {"fileName", "FileName"}, {"path", "Path"},
        {"date", "Date"},   {"time", "Time"},         {"pageNumber", "Page Number"}};
    for (const auto& [box, item] : items)
        ExpectToggle(1, box, std::string("Report: Show ") + item,
                     std::string("Report: Don't Show ") + item);

    // Flows matrix, fragment 4.
    SelectFragment(4);
    ExpectStep("Report: Set Flows Matrix Type", [&] { Pick("matrixKind", "Difference"); });
    ExpectStep("Report: Set Flows Display Precision", [&] { Pick("precision", "2"); });
    ExpectToggle(4, "showFlowGroupDescription", "Report: Show Flowgroup Description",
                 "Report: Don't Show Flowgroup Description");
    ASSERT_NE(Doc().AddFlowGroup(FlowGroupAddPosition::Append, nullptr), nullptr);
    ASSERT_EQ(Find<QComboBox>("flowGroup").count(), 2) << "a new flow group is offered";
    ExpectStep("Report: Set Flowgroup", [&] {
        Find<QComboBox>("flowGroup").setCurrentIndex(1);
        emit Find<QComboBox>("flowGroup").activated(1);
    });

    // Routes list, fragment 5.
    const std::pair<const char*, const char*> columns[] = {
        {"routeNumber", "Route Number"},
        {"originZone", "Origin Zone"},
        {"originArm", "Origin Arm"},
        {"originLane", "Origin Lane"},
        {"destinationZone", "Destination Zone"},
        {"destinationArm", "Destination Arm"},
        {"destinationLane", "Destination Lane"},
        {"routeFlow", "Route Flow"},
        {"allowedRoutesOnly", "Allowed Routes Only"}};
    for (const auto& [box, column] : columns)
        ExpectToggle(5, box, std::string("Report: Show ") + column,
                     std::string("Report: Don't Show ") + column);
    ExpectToggle(5, "permitted", "Report: Indicate If Route Is Permitted",
                 "Report: Don't Indicate If Route Is Permitted");
    ExpectToggle(5, "flowLockStatus", "Report: Show Flow Lock Status",
                 "Report: Don't Show Flow Lock Status");

    // Network diagram, fragment 6.
    SelectFragment(6);
    ExpectStep("Report: Aggregate Flows By Destination", [&] { Click("aggregation2"); });
    EXPECT_TRUE(Checked("colouring1")) << "aggregating by destination colours by destination";
    ExpectStep("Report: Aggregate Flows By Origin", [&] { Click("aggregation1"); });
    EXPECT_TRUE(Checked("colouring0"));
    ExpectStep("Report: No Flow Aggregation", [&] { Click("aggregation3"); });
    ExpectStep("Report: Aggregate Flows By OD", [&] { Click("aggregation0"); });
    ExpectStep("Report: Colour Flows By Destination", [&] { Click("colouring1"); });
    ExpectStep("Report: Colour Flows By Origin", [&] { Click("colouring0"); });
    ExpectToggle(6, "showZeroLaneFlows", "Report: Show Zero Lane Flows",
                 "Report: Don't Show Zero Lane Flows");
    ExpectToggle(6, "highlightFilteredRoutes", "Report: Highlight Filtered Routes",
                 "Report: Don't Highlight Filtered Routes");
    ExpectToggle(6, "highlightSelectedRoutes", "Report: Highlight Selected Routes",
                 "Report: Don't Highlight Selected Routes");
    EXPECT_EQ(Find<QComboBox>("printZone").currentText(), "Print Zone 1");
    ExpectStep("Report: Set Print Zone", [&] { Pick("printZone", "Entire Network"); });
    EXPECT_EQ(Find<QComboBox>("scale").currentText(), "40%");
    ExpectStep("Report: Set Network Diagram Scale", [&] { Pick("scale", "Fit To Page Width"); });
}

// What is chosen already takes no step to undo.
TEST_F(ReportBuilderTest, ReChoosingTheCurrentValueTakesNoStep)
{
    SelectFragment(6);
    Pick("scale", "40%");
    Pick("printZone", "Print Zone 1");
    Pick("paperSize", "A4 (210x297mm)");
    Click("landscape");
    Click("aggregation0");
    Click("colouring0");
    EditTitle("Four-arm roundabout: AM Peak");
    EXPECT_EQ(Doc().GetCheckpointCount(), 0u);
    EXPECT_FALSE(Doc().IsModified());
}

// No keeps the report. The undo that brings back the last report after Yes selects it again;
// without reports nothing is selected and nothing can be acted on.
TEST_F(ReportBuilderTest, DeleteReportAsksAndAnEmptyListRests)
{
    prompt.yesNo = {PromptAnswer::No};
    Click("deleteReport");
    EXPECT_EQ(Doc().GetReportDefinitions().GetCount(), 1);
    EXPECT_EQ(Doc().GetCheckpointCount(), 0u);

    prompt.yesNo = {PromptAnswer::Yes};
    Click("deleteReport");
    EXPECT_EQ(prompt.questions.size(), 2u);
    EXPECT_EQ(view->SelectedReport(), nullptr);
    EXPECT_FALSE(Find<QAbstractButton>("saveReport").isEnabled());
    EXPECT_FALSE(Find<QAbstractButton>("deleteReport").isEnabled());
    ASSERT_TRUE(Doc().Undo());
    EXPECT_EQ(view->SelectedReport(), &Report(1));
    EXPECT_EQ(view->SelectedFragment(), Report(1).GetFragments().GetFragment(1));
}

// Save and Save As PDF propose a name from the title and write the whole file with nothing
// left beside it; a missing folder is said and left missing, a cancelled dialog says nothing.
TEST_F(ReportBuilderTest, SavesProposeTheTitleAndWriteTheWholeFile)
{
    const auto entries = [&] {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.File("")))
            names.insert(entry.path().filename().string());
        return names;
    };
    std::set<std::string> expected = entries();
    expected.insert({"am.rtf", "am.pdf"});
    for (const auto& [button, proposed, file, start, end] :
         {std::tuple{"saveReport", "report Four-arm roundabout AM Peak.rtf", "am.rtf",
                     "{\\rtf\\ansi\\deff0", "}"},
          std::tuple{"saveReportPdf", "report pdf Four-arm roundabout AM Peak.pdf", "am.pdf",
                     "%PDF-", "%%EOF"}}) {
        SCOPED_TRACE(button);
        prompt.messages.clear();
        files.answers = {dir.File(file)};
        Click(button);
        EXPECT_EQ(files.asked.back(), proposed);
        const std::string contents = Contents(dir.File(file));
        EXPECT_EQ(contents.rfind(start, 0), 0u);
        EXPECT_NE(contents.find(end, contents.size() - 8), std::string::npos);
        EXPECT_TRUE(prompt.messages.empty());

        files.answers = {dir.File(std::string("missing/") + file)};
        Click(button);
        ASSERT_EQ(prompt.messages.size(), 1u);
        EXPECT_NE(prompt.messages.front().find(file), std::string::npos) << prompt.messages.front();
        EXPECT_FALSE(std::filesystem::exists(dir.File("missing")));
        files.answers = {std::nullopt};
        Click(button);
        EXPECT_EQ(prompt.messages.size(), 1u);
    }
    EXPECT_EQ(entries(), expected) << "no temporary file stays beside the reports";
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ReportBuilderTest, ViewHandsAPrivateFileOverUnderTheWaitCursor)
{
    Click("viewReport");
    ASSERT_EQ(viewer.opened.size(), 1u);
    const std::filesystem::path file = viewer.opened.front();
    EXPECT_EQ(file.parent_path(), PrivateTempFolder());
    EXPECT_EQ(file.extension(), ".rtf");
    EXPECT_EQ(Contents(file).rfind("{\\rtf\\ansi\\deff0", 0), 0u);
    EXPECT_TRUE(viewer.waitCursorShown);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    std::filesystem::remove(file);

    viewer.accepts = false;
    Click("viewReport");
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages.front(),
              "An RTF compatible viewer, such as Microsoft Word or WordPerfect, is required to "
              "view reports.  An appropriate viewer is not currently installed.\n(Code 31)");
    EXPECT_TRUE(std::filesystem::exists(viewer.opened.back())) << "the file stays";
    std::filesystem::remove(viewer.opened.back());
}

TEST_F(ReportBuilderTest, TemplatesGoOutAndComeBackAsNewReports)
{
    const std::string saved = dir.File("am.rep");
    files.answers = {saved};
    Click("saveTemplate");
    EXPECT_EQ(files.asked.back(), "template Four-arm roundabout AM Peak.rep");
    ASSERT_TRUE(std::filesystem::exists(saved));
    EXPECT_EQ(Doc().GetCheckpointCount(), 0u) << "saving a template changes nothing";

    files.answers = {std::nullopt};
    Click("createFromTemplate");
    EXPECT_EQ(Doc().GetReportDefinitions().GetCount(), 1) << "cancelled: no report";
    EXPECT_EQ(Doc().GetCheckpointCount(), 0u);

    const std::string broken = dir.File("broken.rep");
    std::ofstream(broken) << "NOT A TEMPLATE\n";
    files.answers = {broken};
    Click("createFromTemplate");
    EXPECT_EQ(prompt.messages.back(),
              "The file is not a valid report template file. Please consult Technical Support\n");
    EXPECT_EQ(Doc().GetReportDefinitions().GetCount(), 1);
    EXPECT_EQ(Doc().GetCheckpointCount(), 0u);

    files.answers = {saved};
    ExpectStep("Report: Create From Template", [&] {
        Click("createFromTemplate");
        EXPECT_EQ(view->SelectedReport(), &Report(2)) << "the new report is selected";
    });
    ASSERT_EQ(Doc().GetReportDefinitions().GetCount(), 2);
    EXPECT_EQ(Report(2).GetTitle(), "<Enter Report 2 Title Here>");
    EXPECT_EQ(Report(2).GetFragments().GetCount(), 6);
}

} // namespace
