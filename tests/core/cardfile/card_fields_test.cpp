// Card records against their lines, for the forms and values the sample network file does not
// reach: older and shorter lines and the limits of single fields.
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

// The SENV card as read from a line whose two flags are negative.
CCardEnvironment EnvironmentWithFlagsOff()
{
    CCardEnvironment env;
    env.viewCount = 2;
    env.labelCount = 3;
    env.armTextHeight = 35;
    env.zoneTextHeight = 45;
    env.capacityAssessorTextHeight = 55;
    env.printPageCount = 1;
    env.aggregation = 2;
    env.colouring = 1;
    env.gridSize = 50;
    env.delimiter = " / ";
    return env;
}

CCardPrintPage ShortFormPage()
{
    CCardPrintPage page;
    page.left = -100;
    page.right = 5000;
    page.bottom = 9999;
    page.scaleHundredths = 250;
    page.titleBlockPosition = 4;
    page.crop = false;
    page.scaleToFit = true;
    page.indicateScale = true;
    page.title = "Site plan";
    return page;
}

// The cards of the sample network are held byte for byte by NetworkFile's
// CardsCarryTheirFieldsInTheirColumns and read back by its round trips; these are the forms and
// values it does not reach.
INSTANTIATE_TEST_SUITE_P(
    Cards, CardRoundTrip,
    testing::Values(
        // A negative flag reads as off here, unlike the flags of other cards.
        ReadOnly("SenvNegativeFlagsAreOff",
                 "SENV     2    3   35   45   55   -1    1    2    1   -1   50   -1    3 / ",
                 EnvironmentWithFlagsOff()),
        Written("Lane", "LANE     3 9999",
                [] {
                    CCardLane lane;
                    lane.number = 3;
                    lane.length = 9999;
                    return lane;
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
        ReadOnly("PrintPageShortForm",
                 "PPAGE -100    0 5000 9999  250    2    4    0    1    1Site plan",
                 ShortFormPage()),
        ReadOnly("ODGraphicShortForm", "ODGRF   65-1500 2500",
                 CCardODGraphic{.textHeight = 65, .x = -1500, .y = 2500}),
        Written("FileIntegrity", "FITGR65535", CCardFileIntegrity{.checksum = 65535}),
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
