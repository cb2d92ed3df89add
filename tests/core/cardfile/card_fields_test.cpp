// Every card of the network file, written from a record and read back from its line.
#include "cardfile/card_builder.h"
#include "cardfile/card_errors.h"
#include "cardfile/flow_cards.h"
#include "cardfile/layout_cards.h"
#include "cardfile/network_cards.h"
#include "cardfile/report_cards.h"
#include "case_name.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <type_traits>

namespace
{
struct CardCase
{
    std::string name;
    std::string line; // without its "\n"
    // Checks the record against the line: read(line) == record and, for a card in the form
    // written today, format(record) == line.
    std::function<void(const std::string&)> check;
};

void PrintTo(const CardCase& c, std::ostream* out)
{
    *out << c.name;
}

template <typename Card> Card Read(const std::string& line)
{
    if constexpr (std::is_same_v<Card, CCardEnvironment>) {
        return Card::FromLine(line, "<default>");
    } else {
        return Card::FromLine(line);
    }
}

// The card as written today: both ways.
template <typename Card> CardCase Written(std::string name, std::string line, Card record)
{
    return {std::move(name), std::move(line), [record](const std::string& l) {
                EXPECT_EQ(record.Format(), l + "\n");
                EXPECT_TRUE(Read<Card>(l) == record);
            }};
}

// A form only read: older or shorter cards.
template <typename Card> CardCase ReadOnly(std::string name, std::string line, Card record)
{
    return {std::move(name), std::move(line), [record](const std::string& l) {
                EXPECT_TRUE(Read<Card>(l) == record);
            }};
}

class CardRoundTrip : public testing::TestWithParam<CardCase>
{};

TEST_P(CardRoundTrip, LineAndRecordMatch)
{
    GetParam().check(GetParam().line);
}

CCardEnvironment Environment(std::string delimiter)
{
    CCardEnvironment env;
    env.viewCount = 2;
    env.labelCount = 3;
    env.armTextHeight = 35;
    env.zoneTextHeight = 45;
    env.capacityAssessorTextHeight = 55;
    env.odMatrixShown = true;
    env.printPageCount = 1;
    env.aggregation = 2;
    env.colouring = 1;
    env.zeroFlowsShown = true;
    env.gridSize = 50;
    env.delimiter = std::move(delimiter);
    return env;
}

CCardFramePosition Frame()
{
    CCardFramePosition frame;
    frame.position = {1, 10, 20, 800, 600, true, 1.25, 100, -200, 1, 0};
    return frame;
}

CCardPrintPage Page(int bottom, bool landscape, std::string title)
{
    CCardPrintPage page;
    page.left = -100;
    page.top = 0;
    page.right = 5000;
    page.bottom = bottom;
    page.scaleHundredths = 250;
    page.landscape = landscape;
    page.titleBlockPosition = 4;
    page.crop = false;
    page.scaleToFit = true;
    page.indicateScale = true;
    page.title = std::move(title);
    return page;
}

const std::string kFifty = "Fifty characters exactly, with \xC3\xA9 and \xC3\xBC: 1234567890";

CCardLabel Label()
{
    CCardLabel label;
    label.x1 = -20;
    label.y1 = 10;
    label.x2 = 300;
    label.y2 = 400;
    label.textHeight = 1000;
    label.colour = 0x123456u;
    label.text = kFifty;
    return label;
}

INSTANTIATE_TEST_SUITE_P(
    Cards, CardRoundTrip,
    testing::Values(
        Written("Senv", "SENV     2    3   35   45   55    1    1    2    1    1   50   -1    3 / ",
                Environment(" / ")),
        // A negative flag reads as off here, unlike the flags of other cards.
        ReadOnly("SenvNegativeFlagsAreOff",
                 "SENV     2    3   35   45   55   -1    1    2    1   -1   50   -1    3 / ",
                 [] {
                     CCardEnvironment env = Environment(" / ");
                     env.odMatrixShown = false;
                     env.zeroFlowsShown = false;
                     return env;
                 }()),
        Written("Net", "NET      4    3    6    6    9    2    2",
                CCardNet{.arms = 4,
                         .zones = 3,
                         .laneConnectors = 6,
                         .routes = 6,
                         .odMovements = 9,
                         .capacityAssessors = 2,
                         .flowGroups = 2}),
        Written("Arm", "ARM      1    0    3North Rd",
                [] {
                    CCardArm arm;
                    arm.number = 1;
                    arm.laneCount = 3;
                    arm.text = "North Rd";
                    return arm;
                }()),
        Written("ArmShortTextRightJustified", "ARM      4    0    2    B",
                [] {
                    CCardArm arm;
                    arm.number = 4;
                    arm.laneCount = 2;
                    arm.text = "B";
                    return arm;
                }()),
        Written("Lane", "LANE     3 9999",
                [] {
                    CCardLane lane;
                    lane.number = 3;
                    lane.length = 9999;
                    return lane;
                }()),
        Written("ZoneColourAsSigned32Bits", "ZONE     0    4        -1",
                [] {
                    CCardZone zone;
                    zone.exitArm = 4;
                    zone.colour = 0xFFFFFFFFu;
                    return zone;
                }()),
        Written("LaneConnector", "LACON    1    2    3    4",
                [] {
                    CCardLaneConnector connector;
                    connector.fromLane = 1;
                    connector.fromArm = 2;
                    connector.toLane = 3;
                    connector.toArm = 4;
                    return connector;
                }()),
        Written("CapacityAssessor", "CAPAS    1    2 1200",
                [] {
                    CCardCapacityAssessor assessor;
                    assessor.entryArm = 1;
                    assessor.circulatoryArm = 2;
                    assessor.threshold = 1200;
                    return assessor;
                }()),
        Written("Route", "ROUTE    1    2 9999    1    1    2    1    2    1    3    1",
                [] {
                    CCardRoute route;
                    route.steps = {{1, 1, 2, 1}, {2, 1, 3, 1}};
                    return route;
                }()),
        Written("RouteNotPermittedWithoutSteps", "ROUTE    0    0 9999",
                [] {
                    CCardRoute route;
                    route.permitted = false;
                    return route;
                }()),
        // A count past the end of the line stands for one empty step, not for thousands.
        ReadOnly("RouteCountBeyondTheLine", "ROUTE    199999 9999    1    1    2    1",
                 [] {
                     CCardRoute route;
                     route.steps = {{1, 1, 2, 1}, {}};
                     return route;
                 }()),
        Written("FlowGroup", "FLWGP    1    6    207:3009:15AM peak",
                [] {
                    CCardFlowGroup group;
                    group.number = 1;
                    group.routeFlowCount = 6;
                    group.odFlowCount = 2;
                    group.start = 27000;
                    group.end = 33300;
                    group.description = "AM peak";
                    return group;
                }()),
        Written("ODFlow", "ODFLW    1    399999",
                [] {
                    CCardODFlow od;
                    od.origin = 1;
                    od.destination = 3;
                    od.flow = 99999;
                    return od;
                }()),
        Written("RouteFlow", "RTFLW    4   123.250000000000000    1    -0.750000000000000",
                [] {
                    CCardRouteFlow rf;
                    rf.route = 4;
                    rf.flow = 123.25;
                    rf.locked = true;
                    rf.hasProportion = true;
                    rf.proportion = -0.75;
                    return rf;
                }()),
        Written("Label",
                "LABEL LONG       -20        10       300       400 1000   1193046" + kFifty,
                Label()),
        Written("PrintPage",
                "PPAGE LONG      -100         0      5000    999999  250    0    4    0    1    1"
                "Site plan \xE2\x80\x94 east",
                Page(999999, false, "Site plan \xE2\x80\x94 east")),
        ReadOnly("PrintPageShortForm",
                 "PPAGE -100    0 5000 9999  250    2    4    0    1    1Site plan",
                 Page(9999, true, "Site plan")),
        Written("ODGraphicLongMarkerAfterTheTextHeight", "ODGRF   65 LONG     -1500      2500",
                CCardODGraphic{.textHeight = 65, .x = -1500, .y = 2500}),
        ReadOnly("ODGraphicShortForm", "ODGRF   65-1500 2500",
                 CCardODGraphic{.textHeight = 65, .x = -1500, .y = 2500}),
        Written("FramePosition",
                "VWPOS    1   10   20  800  600    1    125000  100 -200    1    0", Frame()),
        Written("FileIntegrity", "FITGR65535", CCardFileIntegrity{.checksum = 65535}),
        Written("ReportDefinition",
                "REPD     1    6    1\xC2\xAC"
                "Morning report",
                CCardReportDefinition{
                    .position = 1, .fragmentCount = 6, .paperSize = 1, .title = "Morning report"}),
        ReadOnly("ReportDefinitionOlderWithoutPaperSize", "REPD     1    6Morning report",
                 CCardReportDefinition{
                     .position = 1, .fragmentCount = 6, .paperSize = 0, .title = "Morning report"}),
        Written(
            "ReportFragment",
            "REPF     2    3    1    1\xC2\xAC"
            "Routes",
            CCardReportFragment{
                .position = 2, .type = 3, .showName = true, .landscape = true, .name = "Routes"}),
        ReadOnly(
            "ReportFragmentOlderWithoutLandscape", "REPF     2    3   -1Routes",
            CCardReportFragment{
                .position = 2, .type = 3, .showName = true, .landscape = false, .name = "Routes"})),
    CaseName());

} // namespace
