// The network file: round trips, the card rules of reading and the failures of both ways.
#include "cardfile/card_builder.h"
#include "cardfile/card_checksum.h"
#include "cardfile/card_errors.h"
#include "cardfile/card_stream_memory.h"
#include "cardfile/card_writer_memory.h"
#include "cardfile/carousel_file.h"
#include "cardfile/layout_cards.h"
#include "cardfile/network_read_error.h"
#include "case_name.h"
#include "external_tools.h"
#include "model/route.h"
#include "platform/atomic_file.h"
#include "platform/text_encoding.h"
#include "sample_document.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

using namespace netfiletest;

namespace
{
using TestSupport::PrintTo;
std::string WriteFull(const CDocumentData& doc, const NetworkSettings& settings)
{
    CCardWriterMemory writer;
    CCarouselFileWriterV1(doc, writer, settings).Write(false);
    return writer.TakeText();
}

struct CRead
{
    std::unique_ptr<CDocumentData> doc;
    NetworkSettings settings;
};

CRead Read(const std::string& text, bool checkpoint = false)
{
    CCardStreamMemory stream(text);
    CRead read;
    read.doc = ReadNetwork(stream, read.settings, checkpoint, "<default>");
    return read;
}

class NetworkFile : public testing::Test
{
protected:
    void SetUp() override { BuildSampleDocument(doc, settings); }

    CDocumentData doc;
    NetworkSettings settings;
};

TEST_F(NetworkFile, SnapshotRoundTripKeepsEverythingButTheViews)
{
    const std::string snapshot = WriteNetworkSnapshot(doc, settings);
    EXPECT_EQ(FindCard(SplitLines(snapshot), "VWPOS"), -1);
    const CRead read = Read(snapshot, true);
    EXPECT_TRUE(read.doc->viewPositions.empty());
    EXPECT_EQ(read.doc->resizeableViewCount, 2) << "SENV still counts the open views";
    doc.viewPositions.clear();
    EXPECT_EQ(Describe(*read.doc, read.settings), Describe(doc, settings));
    EXPECT_EQ(WriteNetworkSnapshot(*read.doc, read.settings), snapshot);
}

TEST_F(NetworkFile, SavedFileHasCrLfAndWindows1252AndReadsBackTheSame)
{
    const auto path = TestSupport::ScratchDir("netfile-saved") / "saved.crs";
    SaveNetworkFile(path, doc, settings);
    const std::string saved = TestSupport::ReadText(path);
    EXPECT_EQ(saved.rfind("SCHEM1.3\r\nSVERS", 0), 0u);
    EXPECT_NE(saved.find("Caf\xE9 survey"), std::string::npos) << "é as one byte";
    EXPECT_NE(saved.find("Ring road\xACStage 2"), std::string::npos) << "line break as 0xAC";
    NetworkSettings loaded;
    const auto read = LoadNetworkFile(path, loaded);
    EXPECT_EQ(Describe(*read, loaded), Describe(doc, settings));
    SaveNetworkFile(path, *read, loaded);
    EXPECT_EQ(TestSupport::ReadText(path), saved);
    std::filesystem::remove(path);
}

TEST_F(NetworkFile, CardsCarryTheirFieldsInTheirColumns)
{
    const std::vector<std::string> lines = SplitLines(WriteFull(doc, settings));
    const auto card = [&](const std::string& keyword, int nth = 0) {
        int at = FindCard(lines, keyword);
        for (int i = 0; i < nth && at >= 0; ++i) {
            at = FindCard(lines, keyword, at + 1);
        }
        return at >= 0 ? lines[static_cast<std::size_t>(at)] : std::string("missing");
    };
    EXPECT_EQ(card("SENV "),
              "SENV     2    2   35   45   55    1    2    2    1    1   50   -1    3 / ");
    EXPECT_EQ(card("NET  "), "NET      4    3    6    6    9    2    2");
    EXPECT_EQ(card("ARM  "), "ARM      1    0    3North Rd");
    EXPECT_EQ(card("ARM  ", 3), "ARM      4    0    2    B");
    EXPECT_EQ(card("VECT "), "VECT  LONG       100       200      -300      4000");
    EXPECT_EQ(card("LANE ", 2), "LANE     3   12");
    EXPECT_EQ(card("ZONE ", 2), "ZONE     0    4        -1");
    EXPECT_EQ(card("CAPAS"), "CAPAS    1    2 1200");
    EXPECT_EQ(lines[static_cast<std::size_t>(FindCard(lines, "CAPAS") + 1)],
              "POINT LONG      1234      -567");
    EXPECT_EQ(card("LACON"), "LACON    1    1    1    2");
    EXPECT_EQ(card("LACON", 2), "LACON    3    1    2    1") << "ordered by arm and lane numbers";
    EXPECT_EQ(card("ROUTE"), "ROUTE    1    2 9999    1    1    2    1    2    1    3    1");
    EXPECT_EQ(card("ROUTE", 4), "ROUTE    0    2 9999    1    2    2    1    2    1    4    1");
    // Barring route 5 gave it a record in flow group 1, so six route flows are written.
    EXPECT_EQ(card("FLWGP"), "FLWGP    1    6    2"
                             "07:30"
                             "09:15"
                             "AM peak, counted 2026");
    EXPECT_EQ(card("ODFLW", 1), "ODFLW    1    399999");
    EXPECT_EQ(card("RTFLW"), "RTFLW    1   123.456789012345681    0    -1.000000000000000");
    EXPECT_EQ(card("RTFLW", 3), "RTFLW    4     0.666666666666667    0     0.750000000000000");
    EXPECT_EQ(card("RTFLW", 5), "RTFLW    6     0.000000000000001    0    -1.000000000000000");
    EXPECT_EQ(card("LABEL"), "LABEL LONG       -20        10       300       400 1000   1193046"
                             "Fifty characters exactly, with é and ü: 1234567890");
    EXPECT_EQ(card("LABEL", 1), "LABEL LONG       500       500       400       600   10 -16777216"
                                "(blank)                                           ");
    EXPECT_EQ(card("PPAGE", 1), "PPAGE LONG      -100         0      5000    999999  250    0    4"
                                "    0    1    1Site plan — east");
    EXPECT_EQ(card("ODGRF"), "ODGRF   65 LONG     -1500      2500");
    EXPECT_EQ(card("REPDS"), "REPDS    2");
    EXPECT_EQ(card("REPD "), "REPD     1    6    1\xC2\xAC"
                             "Morning report");
    EXPECT_EQ(card("RFFLO"), "RFFLO    2    1    2    2");
    EXPECT_EQ(card("RFFLO", 1), "RFFLO   -1    1    0    1") << "an unset flow group is -1";
    EXPECT_EQ(card("VWPOS"), "VWPOS    1   10   20  800  600    1    125000  100 -200    1    0");
}

TEST_F(NetworkFile, ChecksumCoversEveryCardButTheReports)
{
    for (const bool checkpoint : {false, true}) {
        const std::string text =
            checkpoint ? WriteNetworkSnapshot(doc, settings) : WriteFull(doc, settings);
        const std::vector<std::string> lines = SplitLines(text);
        CCardFileChecksum sum;
        bool inReports = false;
        for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
            inReports =
                (inReports || lines[i].rfind("REPDS", 0) == 0) && lines[i].rfind("VWPOS", 0) != 0;
            if (!inReports) {
                sum.AddLine(Utf8ToWindows1252(lines[i]));
            }
        }
        char expected[16];
        std::snprintf(expected, sizeof expected, "FITGR%5u", sum.StoredValue());
        EXPECT_EQ(lines.back(), expected) << "checkpoint " << checkpoint;
    }
}

TEST_F(NetworkFile, LaterSchemaIsRefusedNamingTheWritingVersion)
{
    std::vector<std::string> lines = SplitLines(WriteFull(doc, settings));
    lines[0] = "SCHEM2.0";
    lines[1] = "SVERS9.9.1 beta";
    try {
        Read(JoinLines(lines));
        FAIL() << "read a later schema";
    } catch (const errIncompatibleSchema& e) {
        EXPECT_STREQ(e.what(), "The file was created on version 9.9.1 beta of Gyrolith");
    }
}

TEST_F(NetworkFile, ZoneKeepsAnEntryArmThatTheConnectorsMakeCirculatory)
{
    // Zone 1 enters by arm 1; a connector from arm 2 into arm 1 makes arm 1 circulatory.
    std::vector<std::string> lines = SplitLines(WriteFull(doc, settings));
    const int net = FindCard(lines, "NET  ");
    lines[static_cast<std::size_t>(net)] = "NET      4    3    7    0    9    2    0";
    const int lacon = FindCard(lines, "LACON");
    lines.insert(lines.begin() + lacon, "LACON    1    2    1    1");
    const int route = FindCard(lines, "ROUTE");
    const int labels = FindCard(lines, "LABEL");
    lines.erase(lines.begin() + route, lines.begin() + labels);
    const CRead read = Read(JoinLines(lines));
    const CNetwork& network = read.doc->network;
    EXPECT_EQ(network.GetArms().GetArm(1)->GetKind(), ArmKind::Circulatory);
    EXPECT_EQ(network.GetZones().GetZone(1)->GetEntryArm(), network.GetArms().GetArm(1));
}

struct FrameCase
{
    const char* name;
    std::string line;
    CViewPosition read;
};

constexpr const char* kFullFrame =
    "VWPOS    1   10   20  800  600    0    1    0    0    0    1    4";

class NetworkFileFrame : public testing::TestWithParam<FrameCase>
{};

TEST_P(NetworkFileFrame, PlacementIsClampedAndShortCardsFillInDefaults)
{
    EXPECT_EQ(CCardFramePosition::FromLine(GetParam().line).position, GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(
    Vwpos, NetworkFileFrame,
    testing::Values(FrameCase{"OutsideTheScreen",
                              "VWPOS    2 2500   -1 3500 3000    1    250000    7    8    1    4",
                              {2, 0, 0, 300, 3000, true, 2.5, 7, 8, 1, 4}},
                    FrameCase{"FiftyNineCharacters",
                              std::string(kFullFrame).substr(0, 59),
                              {1, 10, 20, 800, 600, false, 1.0, 0, 0, 0, -1}},
                    FrameCase{"SixtyFourCharacters",
                              std::string(kFullFrame).substr(0, 64),
                              {1, 10, 20, 800, 600, false, 1.0, 0, 0, 1, -1}}),
    CaseName());

TEST(NetworkFileFrameWrite, PlacementOutsideTheScreenAndPlainViewsAreWrittenAsDefaults)
{
    const CViewPosition view{3, -5, 2001, 2001, 2500, false, 2.5, 7, 8, 1, 2};
    EXPECT_EQ(CCardFramePosition(view).Format(),
              "VWPOS    3    0    0  300  300    0    1    0    0    0    1    2\n");
}

TEST_F(NetworkFile, NoPrintPagesMeansNoPpageCards)
{
    while (doc.printPages.RemovePage(1)) {
    }
    const std::vector<std::string> lines = SplitLines(WriteFull(doc, settings));
    EXPECT_EQ(lines[static_cast<std::size_t>(FindCard(lines, "SENV "))].substr(35, 5), "    0");
    EXPECT_EQ(FindCard(lines, "PPAGE"), -1);
    EXPECT_EQ(Read(JoinLines(lines)).doc->printPages.GetCount(), 0);
}

struct EditCase
{
    const char* name;
    const char* keyword; // the first card that starts with it is replaced
    std::string card;
    const char* expected; // a part of Describe
};

class NetworkFileEdited : public NetworkFile, public testing::WithParamInterface<EditCase>
{};

TEST_P(NetworkFileEdited, ReadsAsDescribed)
{
    std::vector<std::string> lines = SplitLines(WriteFull(doc, settings));
    const int at = FindCard(lines, GetParam().keyword);
    ASSERT_GE(at, 0);
    lines[static_cast<std::size_t>(at)] = GetParam().card;
    const CRead read = Read(JoinLines(lines));
    const std::string described = Describe(*read.doc, read.settings);
    EXPECT_NE(described.find(GetParam().expected), std::string::npos) << described;
}

// SENV up to the grid size, and a FLWGP card around its two time fields.
const std::string kSenv = "SENV     2    2   35   45   55    1    2    2    1    1";
std::string Flwgp(const char* times)
{
    return std::string("FLWGP    1    6    2") + times + "AM peak, counted 2026";
}

INSTANTIATE_TEST_SUITE_P(
    Cards, NetworkFileEdited,
    testing::Values(
        // Short and old SENV cards fill in defaults.
        EditCase{"SenvOfSixty", "SENV ", kSenv + "    0", "settings '<default>' 35 45 55 65 100"},
        EditCase{"SenvOfSixtyFive", "SENV ", kSenv + "   50   -1",
                 "settings '<default>' 35 45 55 65 50"},
        EditCase{"SenvEmptyDelimiter", "SENV ", kSenv + "   50   -1    0", "settings '' "},
        EditCase{"SenvLengthButNoText", "SENV ", kSenv + "   50   -1    4", "settings '' "},
        EditCase{"SenvDelimiterCutToItsLength", "SENV ", kSenv + "   50   -1    2; extra",
                 "settings '; ' "},
        EditCase{"SenvGridZeroIsHundred", "SENV ", kSenv + "    0   -1    1|",
                 "settings '|' 35 45 55 65 100"},
        // Time fields read as seconds.
        EditCase{"TimesOfHoursAndMinutes", "FLWGP", Flwgp("08:0009:00"), "] 28800-32400\n"},
        EditCase{"TimesOfHoursOnly", "FLWGP", Flwgp("    8   17"), "] 28800-61200\n"},
        EditCase{"TimesBlank", "FLWGP", Flwgp("          "), "] 0-0\n"},
        EditCase{"TimesPastMidnightWrap", "FLWGP", Flwgp("25:00-1:00"), "] 3600-82800\n"},
        // From 38 characters on, RTFLW carries a proportion; a shorter card keeps the default.
        EditCase{"RouteFlowOf37Characters", "RTFLW    3", "RTFLW    3     0.333333333333333    0",
                 "flow 3 0.333333333333333 0 -1.000000000000000\n"},
        EditCase{"RouteFlowOf38Characters", "RTFLW    3", "RTFLW    3     0.333333333333333    0 ",
                 "flow 3 0.333333333333333 0 0.000000000000000\n"},
        // Labels: text height clamped, text trimmed and cut to 50, an empty one the default.
        EditCase{"LabelShortForm", "LABEL",
                 "LABEL  -20   10  300  400    1       255padded text" + std::string(39, ' ') +
                     "cut",
                 "label 1 [padded text] 10 255 -20,10 300,400\n"},
        EditCase{"LabelBlankText", "LABEL LONG       500",
                 "LABEL LONG         1         2         3         4 5000         0" +
                     std::string(50, ' '),
                 "label 2 [(blank)] 1000 0 1,2 3,4\n"},
        // References to missing objects are ignored.
        EditCase{"ZoneArmBeyondCount", "ZONE ", "ZONE     7    0      255",
                 "zone 1 in 0 out 0 colour 255\n"},
        EditCase{"AssessorArmZero", "CAPAS", "CAPAS    0   99  700", "assessor 1 0 0 700"},
        EditCase{"ConnectorLaneBeyondCount", "LACON    3", "LACON    9    1    2    1",
                 "connector 1.2>2.1\nconnector 2.1>3.1"},
        EditCase{"ODFlowZoneZero", "ODFLW", "ODFLW    0    2  350",
                 "group 1 [AM peak, counted 2026] 27000-33300\n  od 1>3 99999\n"},
        EditCase{"RouteFlowBeyondCount", "RTFLW",
                 "RTFLW  700   1.000000000000000    0 -1.000000000000000",
                 "group 1 [AM peak, counted 2026] 27000-33300\n  od 1>2 350\n  od 1>3 99999\n"
                 "  flow 2 "},
        EditCase{"ReportFlowGroupBeyondCount", "RFFLO", "RFFLO   42    1    2    2",
                 " group -1 1 matrix 2 2"}),
    CaseName());

// An RTFLW card with the flow and proportion fields as given (22 columns each).
std::string Rtflw(int route, const std::string& flow, int locked, const std::string& proportion)
{
    char head[16];
    std::snprintf(head, sizeof head, "RTFLW%5d", route);
    char lock[8];
    std::snprintf(lock, sizeof lock, "%5d", locked);
    return head + std::string(22 - flow.size(), ' ') + flow + lock +
           std::string(22 - proportion.size(), ' ') + proportion;
}

struct AdjustCase
{
    const char* name;
    const char* keyword; // the first card that starts with it is edited
    std::function<std::string(std::string)> edit;
    std::vector<std::string> adjustments; // after "Line N, "
};

std::function<std::string(std::string)> Replace(std::string card)
{
    return [card](const std::string&) {
        return card;
    };
}

class NetworkFileAdjusted : public NetworkFile, public testing::WithParamInterface<AdjustCase>
{};

// A value the writer could not write back is brought into its field and reported with its card
// and line; the document then saves, and reads back with nothing left to change.
TEST_P(NetworkFileAdjusted, BringsTheValueIntoItsFieldAndSaysSo)
{
    std::vector<std::string> lines = SplitLines(WriteFull(doc, settings));
    const int at = FindCard(lines, GetParam().keyword);
    ASSERT_GE(at, 0);
    lines[static_cast<std::size_t>(at)] = GetParam().edit(lines[static_cast<std::size_t>(at)]);
    const CRead read = Read(JoinLines(lines));
    std::vector<std::string> told;
    for (const CReadAdjustment& adjustment : read.doc->readAdjustments) {
        EXPECT_EQ(adjustment.line, at + 1);
        told.push_back(ReadAdjustmentText(adjustment));
    }
    std::vector<std::string> expected;
    for (const std::string& text : GetParam().adjustments) {
        expected.push_back("Line " + std::to_string(at + 1) + ", " + text);
    }
    EXPECT_EQ(told, expected);
    std::string saved;
    ASSERT_NO_THROW(saved = WriteFull(*read.doc, read.settings));
    EXPECT_TRUE(Read(saved).doc->readAdjustments.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cards, NetworkFileAdjusted,
    testing::Values(
        AdjustCase{"NegativeDesiredFlow",
                   "ODFLW",
                   Replace("ODFLW    1    2   -5"),
                   {"ODFLW card: the desired flow -5 became 0"}},
        AdjustCase{"RouteFlowOfAnExponent",
                   "RTFLW    1",
                   Replace(Rtflw(1, "9.2e18", 0, "-1")),
                   {"RTFLW card: the route flow 9.2e+18 became 99999"}},
        AdjustCase{"ProportionOfAnExponent",
                   "RTFLW    1",
                   Replace(Rtflw(1, "50", 0, "1e22")),
                   {"RTFLW card: the proportion 1e+22 became 99999"}},
        AdjustCase{"FlowOfARouteNotPermitted",
                   "RTFLW    1",
                   Replace(Rtflw(5, "50", 1, "0.5")),
                   {"RTFLW card: the flow of a route that is not permitted 50 became 0"}},
        AdjustCase{"CarriageReturnInsideAnArmText",
                   "ARM  ",
                   [](std::string card) { return card.insert(22, "\r"); },
                   {"ARM card: the carriage return in column 22 became a blank"}},
        AdjustCase{"LabelTextHeight",
                   "LABEL LONG       500",
                   Replace("LABEL LONG         1         2         3         4 5000         0x"),
                   {"LABEL card: the text height 5000 became 1000"}},
        AdjustCase{"UnknownLaneFlowDisplay",
                   "SENV ",
                   [](std::string card) { return card.replace(40, 10, "    7    5"); },
                   {"SENV card: the lane flow aggregation 7 became 3",
                    "SENV card: the lane flow colouring 5 became 0"}},
        AdjustCase{"TimePastMidnight",
                   "FLWGP",
                   Replace(Flwgp("25:00-1:00")),
                   {"FLWGP card: the start time 90000 seconds became 01:00",
                    "FLWGP card: the end time -3600 seconds became 23:00"}}),
    CaseName());

TEST_F(NetworkFile, ARouteNotPermittedHasNoFlowInAnyGroupAfterReading)
{
    std::vector<std::string> lines = SplitLines(WriteFull(doc, settings));
    const int at = FindCard(lines, "RTFLW    6");
    ASSERT_GE(at, 0);
    lines[static_cast<std::size_t>(at)] = Rtflw(5, "50", 0, "-1");
    const CRead read = Read(JoinLines(lines));
    const CNetwork& network = read.doc->network;
    const CRoute* route = network.GetRoutes().GetRoute(5);
    ASSERT_FALSE(route->IsPermitted());
    for (std::uint32_t g = 1; g <= network.GetFlowGroups().GetCount(); ++g) {
        EXPECT_EQ(route->GetFlow(network.GetFlowGroups().GetFlowGroup(g)), 0.0);
    }
}

struct BrokenCase
{
    const char* name;
    const char* keyword;
    std::function<void(std::vector<std::string>&, int)> edit;
    const char* message; // what() of the error
    bool corrupt;        // errCorruptCardData (else eFileError::Corrupt)
    const char* detail;  // where the user is told reading stopped
};

class NetworkFileBroken : public NetworkFile, public testing::WithParamInterface<BrokenCase>
{};

TEST_P(NetworkFileBroken, FailsWithOneErrorAndLeavesTheSettingsAlone)
{
    std::vector<std::string> lines = SplitLines(WriteFull(doc, settings));
    GetParam().edit(lines, FindCard(lines, GetParam().keyword));
    const std::string text = JoinLines(lines);
    CCardStreamMemory stream(text);
    NetworkSettings untouched;
    untouched.Author = "unchanged";
    NetworkSettings target = untouched;
    try {
        ReadNetwork(stream, target, false);
        FAIL() << "read a broken file";
    } catch (const errCorruptCardData& e) {
        EXPECT_TRUE(GetParam().corrupt);
        EXPECT_STREQ(e.what(), GetParam().message);
        EXPECT_EQ(DescribeNetworkReadError(stream).detail, GetParam().detail);
    } catch (eFileError e) {
        EXPECT_FALSE(GetParam().corrupt);
        EXPECT_EQ(e, eFileError::Corrupt);
        EXPECT_EQ(DescribeNetworkReadError(stream).detail, GetParam().detail);
    }
    EXPECT_EQ(target, untouched);
}

const auto kReplace = [](const char* card) {
    return [card](std::vector<std::string>& lines, int at) {
        lines[static_cast<std::size_t>(at)] = card;
    };
};

INSTANTIATE_TEST_SUITE_P(
    Files, NetworkFileBroken,
    testing::Values(
        BrokenCase{"WrongKeyword", "ZONE ", kReplace("ZONES    1    0        0"), "", true,
                   "line 28: expected a ZONE card"},
        BrokenCase{"WrongShapeKeyword", "POINT", kReplace("PIONT LONG         0         0"),
                   "Cannot find POINT Card", true, "line 32: expected a POINT card"},
        BrokenCase{"EndsInsideTheArms", "LANE ",
                   [](std::vector<std::string>& lines, int at) {
                       lines.resize(static_cast<std::size_t>(at));
                   },
                   "", false, "line 15: the file ends where a LANE card was expected"},
        BrokenCase{"EndsBeforeTheChecksum", "FITGR",
                   [](std::vector<std::string>& lines, int at) {
                       lines.resize(static_cast<std::size_t>(at - 1));
                   },
                   "", false, "line 83: the file ends where a VWPOS card was expected"},
        BrokenCase{"RouteDoesNotJoin", "ROUTE",
                   kReplace("ROUTE    1    2 9999    1    1    2    1    1    3    1    2"),
                   "Route End Match Error", true, "line 41: Route End Match Error"},
        BrokenCase{"RouteNamesNoConnector", "ROUTE",
                   kReplace("ROUTE    1    1 9999    3    1    1    1"),
                   "Route 1 uses a lane connector from lane 1 of arm 3 to lane 1 of arm 1 that "
                   "does not exist",
                   true,
                   "line 41: Route 1 uses a lane connector from lane 1 of arm 3 to lane 1 of arm 1 "
                   "that does not exist"},
        BrokenCase{"RouteCountBeyondTheLine", "ROUTE",
                   kReplace("ROUTE    199999 9999    1    1    2    1"),
                   "Route 1 uses a lane connector from lane 0 of arm 0 to lane 0 of arm 0 that "
                   "does not exist",
                   true,
                   "line 41: Route 1 uses a lane connector from lane 0 of arm 0 to lane 0 of arm 0 "
                   "that does not exist"},
        BrokenCase{"UnknownFragmentType", "REPF ",
                   kReplace("REPF     1    7    1    0\xC2\xAC"
                            "Odd"),
                   "Unknown report fragment type 7", true,
                   "line 69: Unknown report fragment type 7"},
        BrokenCase{"TooManyFlowGroups", "NET  ",
                   kReplace("NET      4    3    6    6    9    2  100"),
                   "Cannot add flow group 100", true, "line 46: Cannot add flow group 100"}),
    CaseName());

TEST_F(NetworkFile, HundredArmsAreRefusedAtTheHundredth)
{
    std::string text = "SCHEM1.3\nSVERS1\nSENV \n";
    for (int i = 0; i < 8; ++i) {
        text += "TEXT \n";
    }
    text += "NET    100\n";
    for (int i = 0; i < 100; ++i) {
        text += "ARM      1    0    0\nVECT  LONG\n";
    }
    try {
        Read(text);
        FAIL();
    } catch (const errCorruptCardData& e) {
        EXPECT_STREQ(e.what(), "Cannot add arm 100");
    }
}

struct RefusalCase
{
    const char* name;
    std::function<void(CDocumentData&, NetworkSettings&)> change;
    const char* message;
};

class NetworkFileRefusal : public NetworkFile, public testing::WithParamInterface<RefusalCase>
{};

TEST_P(NetworkFileRefusal, ValuesThatDoNotFitAreRefusedNamingTheObject)
{
    GetParam().change(doc, settings);
    try {
        WriteNetworkSnapshot(doc, settings);
        FAIL() << "wrote a value that does not fit";
    } catch (const errCardFieldRefused& e) {
        EXPECT_STREQ(e.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, NetworkFileRefusal,
    testing::Values(
        RefusalCase{"ODFlowOfSixDigits",
                    [](CDocumentData& d, NetworkSettings&) {
                        CNetwork& n = d.network;
                        n.GetFlowGroups().GetFlowGroup(1)->SetDesiredFlow(
                            n.GetODMovements().Find(n.GetZones().GetZone(1),
                                                    n.GetZones().GetZone(2)),
                            100000);
                    },
                    "OD flow from zone 1 to zone 2 of flow group 1: The desired flow 100000 does "
                    "not fit in its field of 5 columns"},
        RefusalCase{"RouteFlowOfSixDigits",
                    [](CDocumentData& d, NetworkSettings&) {
                        CNetwork& n = d.network;
                        CRoute* r = n.GetRoutes().GetRoute(2);
                        n.GetFlowGroups().GetFlowGroup(2)->SetRouteFlow(r->GetId(), r, 100000.0);
                    },
                    "Flow of route 2 in flow group 2: The route flow 100000.000000000000000 does "
                    "not fit in its field of 22 columns"},
        RefusalCase{
            "LaneLength",
            [](CDocumentData& d, NetworkSettings&) {
                d.network.GetArms().GetArm(4)->GetLanes().GetLane(2)->SetLength(123456);
            },
            "Lane 2 of arm 4: The lane length 123456 does not fit in its field of 5 columns"},
        RefusalCase{"ReportTitleWithLineBreak",
                    [](CDocumentData& d, NetworkSettings&) {
                        d.reportDefinitions.GetDefinition(2)->SetTitle("two\nlines");
                    },
                    "Report 2: The report title cannot be written: it holds a line break"},
        RefusalCase{
            "GridSize", [](CDocumentData&, NetworkSettings& s) { s.GridSize = 123456; },
            "Network settings: The grid size 123456 does not fit in its field of 5 columns"},
        // Readers take a longer line for damage, so the file would not open again.
        RefusalCase{"NotesLongerThanACard",
                    [](CDocumentData& d, NetworkSettings&) {
                        d.project.notes = std::string(CCardStream::kMaxCardLength - 4, 'n');
                    },
                    "Notes: The text of 32764 characters is longer than the 32763 a file can "
                    "hold"},
        RefusalCase{
            "ReportTitleLongerThanACard",
            [](CDocumentData& d, NetworkSettings&) {
                d.reportDefinitions.GetDefinition(1)->SetTitle(
                    std::string(CCardStream::kMaxCardLength, 't'));
            },
            "The REPD card cannot be written: it is 32789 characters long, more than the 32768 "
            "a card can hold"}),
    CaseName());

// The longest text the writer takes is one the reader takes too, line breaks and all.
TEST_F(NetworkFile, TextsAtTheLengthOfACardSurviveADiskFile)
{
    const std::size_t room = CCardStream::kMaxCardLength - 5;
    doc.project.notes = std::string(room - 2, 'n') + "\r\n\xC3\xA9";
    const auto path = TestSupport::ScratchDir("netfile-longest") / "longest.crs";
    SaveNetworkFile(path, doc, settings);
    NetworkSettings loaded;
    EXPECT_EQ(LoadNetworkFile(path, loaded)->project.notes, doc.project.notes);
    std::filesystem::remove(path);
}

// What the settings sheets ask before they hand texts to a document.
TEST(UnstorableNetworkText, NamesTheTextTheWriterWouldRefuse)
{
    CProjectInformation project{"title", "location", "two\r\nlines", "name", "scn"};
    NetworkSettings settings;
    EXPECT_EQ(UnstorableNetworkTextMessage(project, settings), "");

    project.notes = std::string(CCardStream::kMaxCardLength, 'n');
    EXPECT_EQ(UnstorableNetworkTextMessage(project, settings),
              "Notes: The text of 32768 characters is longer than the 32763 a file can hold");

    settings.LaneFlowDelimiter = "\n";
    EXPECT_EQ(UnstorableNetworkTextMessage({}, settings),
              "Network settings: The lane flow delimiter cannot be written: it holds a line break");
}

TEST_F(NetworkFile, RefusedSaveLeavesTheFileOnDiskAsItWas)
{
    const auto path = TestSupport::ScratchDir("netfile-refused") / "refused.crs";
    SaveNetworkFile(path, doc, settings);
    const auto size = std::filesystem::file_size(path);
    doc.labels.GetLabel(1)->SetTextHeight(123456);
    EXPECT_THROW(SaveNetworkFile(path, doc, settings), errCardFieldRefused);
    EXPECT_EQ(std::filesystem::file_size(path), size);
    NetworkSettings loaded;
    EXPECT_EQ(LoadNetworkFile(path, loaded)->labels.GetLabel(1)->GetTextHeight(), 1000);
    std::filesystem::remove(path);
}

} // namespace
