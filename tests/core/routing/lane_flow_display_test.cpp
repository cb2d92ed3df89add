// The lane flow display's stored numbers and its commands.
#include "routing/lane_flow_display.h"

#include <cctype>
#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace
{

using A = ELaneFlowAggregation;
using C = ELaneFlowColouring;

TEST(LaneFlowDisplayNumbers, EveryValueReadsBackAsItWasWritten)
{
    const std::pair<A, int> aggregations[] = {
        {A::ByOD, 0}, {A::ByOrigin, 1}, {A::ByDestination, 2}, {A::None, 3}};
    for (const auto& [aggregation, number] : aggregations) {
        EXPECT_EQ(LaneFlowAggregationNumber(aggregation), number);
        // Whatever the fallback, a known number reads as itself.
        EXPECT_EQ(LaneFlowAggregationFromNumber(number, A::ByOD), aggregation);
        EXPECT_EQ(LaneFlowAggregationFromNumber(number, A::None), aggregation);
    }
    for (const auto& [colouring, number] : {std::pair{C::ByOrigin, 0}, {C::ByDestination, 1}}) {
        EXPECT_EQ(LaneFlowColouringNumber(colouring), number);
        EXPECT_EQ(LaneFlowColouringFromNumber(number), colouring);
    }
}

TEST(LaneFlowDisplayNumbers, NumbersNoWriterWritesReadAsTheFallback)
{
    for (const int number : {-1, 4, 99, 99999, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(number);
        EXPECT_EQ(LaneFlowAggregationFromNumber(number, A::None), A::None);
        EXPECT_EQ(LaneFlowAggregationFromNumber(number, A::ByOD), A::ByOD);
        EXPECT_EQ(LaneFlowColouringFromNumber(number), C::ByOrigin);
    }
    EXPECT_EQ(LaneFlowColouringFromNumber(2), C::ByOrigin);
}

struct CDisplayCase
{
    LaneFlowDisplayCommand command;
    const char* name;
    CLaneFlowDisplay after; // from {by OD, coloured by destination, zero flows shown}
};

class CLaneFlowDisplayCommands : public ::testing::TestWithParam<CDisplayCase>
{};

TEST_P(CLaneFlowDisplayCommands, SetsWhatTheCommandNames)
{
    CLaneFlowDisplay display{A::ByOD, C::ByDestination, true};
    ApplyLaneFlowDisplayCommand(display, GetParam().command);
    EXPECT_EQ(display, GetParam().after);
    EXPECT_EQ(LaneFlowDisplayCommandName(GetParam().command), GetParam().name);
}

using Command = LaneFlowDisplayCommand;
INSTANTIATE_TEST_SUITE_P(
    All, CLaneFlowDisplayCommands,
    ::testing::Values(
        CDisplayCase{
            Command::AggregateByOD, "Aggregate Flows By OD", {A::ByOD, C::ByDestination, true}},
        CDisplayCase{Command::AggregateByOrigin,
                     "Aggregate Flows By Origin",
                     {A::ByOrigin, C::ByOrigin, true}},
        CDisplayCase{Command::AggregateByDestination,
                     "Aggregate Flows By Destination",
                     {A::ByDestination, C::ByDestination, true}},
        CDisplayCase{
            Command::NoAggregation, "No Flow Aggregation", {A::None, C::ByDestination, true}},
        CDisplayCase{
            Command::ColourByOrigin, "Colour Flows By Origin", {A::ByOD, C::ByOrigin, true}},
        CDisplayCase{Command::ColourByDestination,
                     "Colour Flows By Destination",
                     {A::ByOD, C::ByDestination, true}},
        CDisplayCase{Command::ShowZeroFlows, "Show Zero Flows", {A::ByOD, C::ByDestination, true}},
        CDisplayCase{Command::DontShowZeroFlows,
                     "Don't Show Zero Flows",
                     {A::ByOD, C::ByDestination, false}}),
    [](const auto& c) {
        std::string name = c.param.name;
        std::erase_if(name, [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); });
        return name;
    });

TEST(LaneFlowDisplayCommands, EachAggregationAndColouringHasTheCommandThatSetsIt)
{
    for (const A aggregation : {A::ByOD, A::ByOrigin, A::ByDestination, A::None}) {
        CLaneFlowDisplay display;
        ApplyLaneFlowDisplayCommand(display, AggregateCommand(aggregation));
        EXPECT_EQ(display.aggregation, aggregation);
    }
    for (const C colouring : {C::ByDestination, C::ByOrigin}) {
        CLaneFlowDisplay display{A::None, C::ByDestination};
        ApplyLaneFlowDisplayCommand(display, ColourCommand(colouring));
        EXPECT_EQ(display.colouring, colouring);
    }
}

} // namespace
