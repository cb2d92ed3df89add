// The lane flow display's stored numbers and its commands.
#include "routing/lane_flow_display.h"

#include <climits>
#include <gtest/gtest.h>
#include <utility>

namespace
{

using A = ELaneFlowAggregation;
using C = ELaneFlowColouring;

// The numbers are what files hold: known ones read back as written, whatever the fallback;
// numbers no writer writes read as the fallback.
TEST(LaneFlowDisplayNumbers, FileNumbersReadBackAndUnknownOnesFallBack)
{
    const std::pair<A, int> aggregations[] = {
        {A::ByOD, 0}, {A::ByOrigin, 1}, {A::ByDestination, 2}, {A::None, 3}};
    for (const auto& [aggregation, number] : aggregations) {
        EXPECT_EQ(LaneFlowAggregationNumber(aggregation), number);
        EXPECT_EQ(LaneFlowAggregationFromNumber(number, A::ByOD), aggregation);
        EXPECT_EQ(LaneFlowAggregationFromNumber(number, A::None), aggregation);
    }
    for (const auto& [colouring, number] : {std::pair{C::ByOrigin, 0}, {C::ByDestination, 1}}) {
        EXPECT_EQ(LaneFlowColouringNumber(colouring), number);
        EXPECT_EQ(LaneFlowColouringFromNumber(number), colouring);
    }
    for (const int number : {-1, 4, 99999, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(number);
        EXPECT_EQ(LaneFlowAggregationFromNumber(number, A::None), A::None);
        EXPECT_EQ(LaneFlowAggregationFromNumber(number, A::ByOD), A::ByOD);
        EXPECT_EQ(LaneFlowColouringFromNumber(number), C::ByOrigin);
    }
    EXPECT_EQ(LaneFlowColouringFromNumber(2), C::ByOrigin);
}

// Each command from {by OD, coloured by destination, zero flows shown}: its menu text and what it
// sets; aggregating by origin or destination also colours that way.
TEST(LaneFlowDisplayCommands, SetWhatTheyNameAndAreFoundFromTheSetting)
{
    using Command = LaneFlowDisplayCommand;
    const struct
    {
        Command command;
        const char* name;
        CLaneFlowDisplay after;
    } cases[] = {
        {Command::AggregateByOD, "Aggregate Flows By OD", {A::ByOD, C::ByDestination, true}},
        {Command::AggregateByOrigin, "Aggregate Flows By Origin", {A::ByOrigin, C::ByOrigin, true}},
        {Command::AggregateByDestination,
         "Aggregate Flows By Destination",
         {A::ByDestination, C::ByDestination, true}},
        {Command::NoAggregation, "No Flow Aggregation", {A::None, C::ByDestination, true}},
        {Command::ColourByOrigin, "Colour Flows By Origin", {A::ByOD, C::ByOrigin, true}},
        {Command::ColourByDestination,
         "Colour Flows By Destination",
         {A::ByOD, C::ByDestination, true}},
        {Command::ShowZeroFlows, "Show Zero Flows", {A::ByOD, C::ByDestination, true}},
        {Command::DontShowZeroFlows, "Don't Show Zero Flows", {A::ByOD, C::ByDestination, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CLaneFlowDisplay display{A::ByOD, C::ByDestination, true};
        ApplyLaneFlowDisplayCommand(display, c.command);
        EXPECT_EQ(display, c.after);
        EXPECT_EQ(LaneFlowDisplayCommandName(c.command), c.name);
    }
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
