// What the commands do with values the network file cannot hold: bring them in as the reader
// would, or refuse them naming the field and its range, and what a document that still cannot
// be written does to a command, a save and an auto-save.
#include "case_name.h"
#include "document_fixture.h"
#include "external_tools.h"
#include "model/capacity_assessor.h"
#include "printing/print_page_layout.h"
#include "routing/route_commands.h"
#include "settings/program_settings.h"
#include "temp_dir.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{
using TestSupport::PrintTo;

using doctest::CDocumentFixture;
using Doc = CCarouselDoc;

CFlowGroup* Group1(Doc& d)
{
    return d.GetNetwork().GetFlowGroups().GetFlowGroup(1);
}

struct RefusalCase
{
    const char* Name;
    bool (*Run)(Doc& doc);
    const char* Message;
};

const RefusalCase RefusalCases[] = {
    {"ThresholdAboveItsField",
     [](Doc& d) { return d.BeginAddCapacityAssessor(1, nullptr, nullptr, 100000) != nullptr; },
     "The capacity assessor threshold 100000 is outside the range -9999 to 99999"},
    {"TimeNotAWholeMinute",
     [](Doc& d) { return d.EditFlowGroup(*Group1(d), 1, "AM Peak", 28830, 32400); },
     "The start time 28830 seconds is not a whole minute"},
    {"DescriptionWithALineBreak",
     [](Doc& d) { return d.EditFlowGroup(*Group1(d), 1, "AM\nPeak", 28800, 32400); },
     "The flow group description cannot hold a line break"},
    {"RouteFlowTooLarge",
     [](Doc& d) {
         return d.EditRoute(*d.GetNetwork().GetRoutes().GetRoute(1),
                            CRouteFlowEdit{9.2e18, false, true, {}});
     },
     "The route flow 9.2e+18 does not lie between -100000 and 100000"},
    {"RouteFlowNotANumber",
     [](Doc& d) {
         return d.EditRoute(*d.GetNetwork().GetRoutes().GetRoute(1),
                            CRouteFlowEdit{std::nan(""), false, true, {}});
     },
     "The route flow nan does not lie between -100000 and 100000"},
    {"ProportionAboveOne",
     [](Doc& d) {
         CRoute* route = d.GetNetwork().GetRoutes().GetRoute(1);
         return d.EditRoute(*route, CRouteFlowEdit{10.0, false, false, {{route->GetId(), 1e22}}});
     },
     "Value must be in the range 0 to 100%"},
    {"DesiredFlowNegative", [](Doc& d) { return d.SetODMatrixFlow(1, 2, -5); },
     "The desired flow -5 is outside the range 0 to 99999"},
    {"ZoneColourWithATopByte",
     [](Doc& d) {
         return d.EditZone(*d.GetNetwork().GetZones().GetZone(1), 1,
                           d.GetNetwork().GetArms().GetArm(1), nullptr, 0xC2D8F0B6);
     },
     "The zone colour 3268997302 is outside the range 0 to 16777215"},
    {"LabelTextWithALineBreak",
     [](Doc& d) { return d.EditLabel(*d.GetLabels().InsertLabel(1), "Main\rRoad", 40, 0); },
     "The label text cannot hold a line break"},
    {"ShortLaneOfNoLength",
     [](Doc& d) {
         return d.EditShortLane(*d.GetNetwork().GetArms().GetArm(1)->GetLanes().GetLane(1), 0);
     },
     "The short lane length 0 is outside the range 1 to 9998"},
    {"ArmMovedBeyondTheCoordinateFields",
     [](Doc& d) { return d.MoveArm(*d.GetNetwork().GetArms().GetArm(1), -3e9, 0.0); },
     "The arm cannot go to (-3000000000, 0): its coordinates must lie in the range -999999999 to "
     "2147483647"},
    {"PrintZoneMovedPastTheRangeOfInt",
     [](Doc& d) {
         CPrintPage* page = d.GetPrintPages().AddPage();
         return d.MovePrintZone(*page, 2147483647, 0);
     },
     "The print zone cannot go to (2147484250, 1182): its coordinates must lie in the range "
     "-999999999 to 2147483647"},
    {"DelimiterWithALineBreak",
     [](Doc& d) {
         NetworkSettings settings = d.GetNetworkSettings();
         settings.LaneFlowDelimiter = ";\n";
         return d.EditNetworkSettings(d.GetProjectInformation(), settings);
     },
     "The lane flow delimiter cannot hold a line break"},
    {"TextHeightAboveItsField",
     [](Doc& d) {
         NetworkSettings settings = d.GetNetworkSettings();
         settings.ZoneTextHeight = 123456;
         return d.EditNetworkSettings(d.GetProjectInformation(), settings);
     },
     "The zone text height 123456 is outside the range -9999 to 99999"},
};

class RefusedValueTest : public CDocumentFixture, public testing::WithParamInterface<RefusalCase>
{};

TEST_P(RefusedValueTest, NamesTheFieldAndItsRangeAndChangesNothing)
{
    const std::string before = doc.SaveSnapshot();
    EXPECT_FALSE(GetParam().Run(doc));
    EXPECT_EQ(prompt.messages, std::vector<std::string>{GetParam().Message});
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);
    EXPECT_FALSE(doc.HasPendingCheckpoint());
    EXPECT_FALSE(doc.IsModified());
    // The cases that add a label or a page do so before the command; the rest leave the
    // document exactly as it was.
    if (doc.GetLabels().GetCount() == 0 && doc.GetPrintPages().GetCount() == 0) {
        EXPECT_EQ(doc.SaveSnapshot(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, RefusedValueTest, testing::ValuesIn(RefusalCases), CaseName());

using DocumentValuesTest = CDocumentFixture;

// Values the reader would trim or clamp are taken as it would take them, so the edit is kept
// and saves.
TEST_F(DocumentValuesTest, ValuesTheReaderBringsInAreTakenAsItBringsThem)
{
    ASSERT_TRUE(doc.EditFlowGroup(*Group1(doc), 1, "  AM Peak ", 25 * 3600, -3600));
    EXPECT_EQ(Group1(doc)->GetDescription(), "AM Peak");
    EXPECT_EQ(Group1(doc)->GetStart(), 3600);
    EXPECT_EQ(Group1(doc)->GetEnd(), 23 * 3600);

    CLabel* label = doc.GetLabels().InsertLabel(1);
    ASSERT_TRUE(doc.EditLabel(*label, "  Ring Road  ", 123456, 0x0000FF));
    EXPECT_EQ(std::tuple(label->GetText(), label->GetTextHeight(), label->GetColour()),
              std::tuple(std::string("Ring Road"), 1000, 0x0000FFu));

    program.DefLabelTextHeight = 2;
    CLabel* added = doc.BeginAddLabel(2);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->GetTextHeight(), CLabel::MinTextHeight);
    doc.CommitAddLabel();

    NetworkSettings edited = doc.GetNetworkSettings();
    edited.GridSize = 0;
    ASSERT_TRUE(doc.EditNetworkSettings(doc.GetProjectInformation(), edited));
    EXPECT_EQ(doc.GetNetworkSettings().GridSize, 100);
    EXPECT_NO_THROW(doc.SaveSnapshot());
    EXPECT_TRUE(prompt.messages.empty());
}

// A value that reached the model past the commands (here straight through the model) makes the
// document unwritable: every checkpoint, undo, save and auto-save is then refused with the
// writer's message, and the document and its history stay as they were.
TEST_F(DocumentValuesTest, ADocumentThatCannotBeWrittenRefusesCommandsAndKeepsItsHistory)
{
    ASSERT_TRUE(doc.ToggleODMatrixShown());
    Group1(doc)->SetDescription("AM Peak ");
    prompt.messages.clear();
    const std::string refusal = "Flow group 1: the description \"AM Peak \" is longer than 80 "
                                "characters or starts or ends with blanks";

    EXPECT_EQ(doc.AddZone(3, nullptr, spare), nullptr);
    EXPECT_FALSE(doc.BuildRoutes());
    EXPECT_FALSE(doc.Undo());
    EXPECT_EQ(doc.GetNetwork().GetZones().GetCount(), 2u);
    EXPECT_EQ(RouteCount(), 2u);
    EXPECT_EQ(doc.GetCheckpointCount(), 1u);
    EXPECT_EQ(doc.GetUndoName(), "Show OD Matrix");
    EXPECT_TRUE(doc.IsODMatrixShown());

    CTempDir dir;
    EXPECT_FALSE(doc.OnSaveDocument(dir.File("ring.crs")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("ring.crs")));
    std::int64_t now = 100;
    CAutoSaveManager autoSave([&] { return dir.Dir(); }, [&] { return now; });
    autoSave.IdleTick(&doc);
    EXPECT_EQ(prompt.messages,
              (std::vector<std::string>{refusal, refusal, refusal, refusal,
                                        "The network could not be auto-saved: " + refusal}));
    now += 20;
    autoSave.IdleTick(&doc);
    EXPECT_EQ(prompt.messages.size(), 5u) << "a failing auto-save is told once";

    // Once the value is mended, auto-save and the history go on from where they were; after an
    // auto-save that succeeded, a new failure is told again.
    Group1(doc)->SetDescription("AM Peak");
    now += 20;
    autoSave.IdleTick(&doc);
    Group1(doc)->SetDescription(" x");
    now += 20;
    autoSave.IdleTick(&doc);
    EXPECT_EQ(prompt.messages.size(), 6u);
    Group1(doc)->SetDescription("AM Peak");
    ASSERT_TRUE(doc.Undo());
    EXPECT_FALSE(doc.IsODMatrixShown());
    autoSave.CleanupAtExit();
}

// Edit Zone lets go of an arm only when it changes: a new colour keeps every route with its
// flow and lock.
TEST_F(DocumentValuesTest, EditZoneKeepsTheRoutesOfTheArmsThatStay)
{
    CFlowGroup* group = Group1(doc);
    CRoute* route = doc.GetNetwork().GetRoutes().GetRoute(1);
    route->SetFlow(group, 250.0);
    route->SetLocked(group, true);
    ASSERT_TRUE(doc.EditZone(*destination, 2, nullptr, exitArm, 0x00FF00));
    EXPECT_EQ(destination->GetColour(), 0x00FF00u);
    ASSERT_EQ(RouteCount(), 2u);
    route = doc.GetNetwork().GetRoutes().GetRoute(1);
    EXPECT_EQ(route->GetFlow(group), 250.0);
    EXPECT_TRUE(route->IsLocked(group));

    // A changed exit arm lets the old one go, with its routes.
    ASSERT_TRUE(doc.EditZone(*destination, 2, nullptr, spare, 0x00FF00));
    EXPECT_EQ(RouteCount(), 0u);
    EXPECT_EQ(doc.GetUndoName(), "Edit Zone");

    // An arm that serves another zone is refused before anything changes.
    EXPECT_FALSE(doc.EditZone(*destination, 2, entry, spare, 0));
    EXPECT_EQ(destination->GetColour(), 0x00FF00u);
}

TEST_F(DocumentValuesTest, EditCapacityAssessorTakesItsThresholdUnderTheSameCheckpoint)
{
    CCapacityAssessor* assessor = doc.BeginAddCapacityAssessor(1, entry, nullptr, 900);
    ASSERT_NE(assessor, nullptr);
    doc.CommitAddCapacityAssessor();
    EXPECT_EQ(assessor->GetThreshold(), 900);
    const std::size_t checkpoints = doc.GetCheckpointCount();
    ASSERT_TRUE(doc.EditCapacityAssessor(*assessor, entry, circ, -9999));
    EXPECT_EQ(std::tuple(assessor->GetCirculatoryArm(), assessor->GetThreshold()),
              std::tuple(circ, -9999));
    EXPECT_EQ(doc.GetCheckpointCount(), checkpoints + 1);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.GetNetwork().GetCapacityAssessors().GetCapacityAssessor(1)->GetThreshold(), 900);
}

// Opening a file whose values the reader had to change says what it changed; the document
// then saves as it is.
TEST_F(DocumentValuesTest, OpeningSaysWhatTheReaderChanged)
{
    CTempDir dir;
    ASSERT_TRUE(doc.SetODMatrixFlow(origin->GetNumber(), destination->GetNumber(), 600));
    ASSERT_TRUE(doc.OnSaveDocument(dir.File("ring.crs")));
    std::string text = TestSupport::ReadText(dir.File("ring.crs"));
    const std::size_t at = text.find("ODFLW    1    2  600");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 20, "ODFLW    1    2   -5");
    TestSupport::WriteText(dir.File("edited.crs"), text);
    const int line = static_cast<int>(std::count(text.begin(), text.begin() + at, '\n')) + 1;

    NetworkSettings openedSettings;
    CScriptedPrompt openedPrompt;
    CCarouselDoc opened(program, openedSettings, &openedPrompt);
    ASSERT_TRUE(opened.OnOpenDocument(dir.File("edited.crs")));
    EXPECT_EQ(openedPrompt.messages,
              std::vector<std::string>{"Some values in the file could not be kept as they were:\n"
                                       "Line " +
                                       std::to_string(line) +
                                       ", ODFLW card: the desired flow -5 became 0"});
    EXPECT_TRUE(opened.OnSaveDocument(dir.File("edited.crs")));
}

// With routes held, a build that would pass the most a network file holds stops, leaves the
// routes as they were, says why and takes no checkpoint.
TEST_F(DocumentValuesTest, BuildRoutesStopsAtTheMostRoutesAFileHolds)
{
    CRoutes& routes = doc.GetNetwork().GetRoutes();
    routes.RemoveAllRoutes();
    CCarouselLaneConnector* first =
        doc.GetNetwork().GetLaneConnectors().FindConnector(Lane(1, 1), Lane(2, 1));
    while (routes.GetRouteCount() < CRoutes::MaxRoutes - 1)
        routes.AddRoute()->AppendEdge(first);
    const std::string before = doc.SaveSnapshot();

    EXPECT_FALSE(doc.BuildRoutes()) << "its two routes would make 100000";
    EXPECT_EQ(prompt.messages, std::vector<std::string>{TooManyRoutesMessage()});
    EXPECT_TRUE(doc.SaveSnapshot() == before);
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);
    EXPECT_FALSE(doc.ToggleAutoRebuildRoutes()) << "switching on builds, and is refused alike";
    EXPECT_FALSE(doc.IsAutoRebuildRoutes());

    routes.RemoveRoute(1u);
    EXPECT_TRUE(doc.BuildRoutes()) << "99999 routes fit";
    EXPECT_EQ(RouteCount(), CRoutes::MaxRoutes);
}

} // namespace
