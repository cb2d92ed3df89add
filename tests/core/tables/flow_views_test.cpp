// The flow group list's rows and menu, and the lane flow display manager's controls.
#include "model/network.h"
#include "tables/flow_group_list.h"
#include "tables/lane_flow_display_controls.h"

#include <gtest/gtest.h>

namespace
{

using Row = std::array<std::string, FlowGroupListColumnCount>;

TEST(FlowGroupList, RowsShowTimesAndADayLongGroupAs24Hours)
{
    CNetwork network;
    CFlowGroup* group = network.GetFlowGroups().InsertFlowGroup(1);
    EXPECT_EQ(FlowGroupListRow(*group), (Row{"1", "Flow Group 1", "08:00", "09:00", "01:00"}));
    group->SetStart(23 * 3600);
    group->SetEnd(3600 + 30 * 60);
    EXPECT_EQ(FlowGroupListRow(*group)[4], "02:30");
    group->SetEnd(23 * 3600);
    EXPECT_EQ(FlowGroupListRow(*group), (Row{"1", "Flow Group 1", "23:00", "23:00", "24:00"}));
}

// Aggregating by destination disables colouring by origin, and the other way round; a button
// runs its command only when it changes something.
TEST(LaneFlowDisplayControls, AggregationDisablesTheOtherColouring)
{
    using Button = LaneFlowDisplayButton;
    using Command = LaneFlowDisplayCommand;
    using A = ELaneFlowAggregation;
    using C = ELaneFlowColouring;
    const CLaneFlowDisplay byDestination{A::ByDestination, C::ByDestination, false};
    const CLaneFlowDisplayControls controls = LaneFlowDisplayControls(byDestination);
    EXPECT_TRUE(controls.aggregateByDestination && controls.colourByDestination);
    EXPECT_FALSE(controls.colourByOriginEnabled);
    EXPECT_TRUE(controls.colourByDestinationEnabled);
    EXPECT_FALSE(
        LaneFlowDisplayControls({A::ByOrigin, C::ByOrigin, false}).colourByDestinationEnabled);
    EXPECT_EQ(LaneFlowDisplayButtonCommand(byDestination, Button::ColourByOrigin), std::nullopt);
    EXPECT_EQ(LaneFlowDisplayButtonCommand(byDestination, Button::AggregateByDestination),
              std::nullopt);
    EXPECT_EQ(LaneFlowDisplayButtonCommand(byDestination, Button::AggregateNone),
              Command::NoAggregation);
    EXPECT_EQ(
        LaneFlowDisplayButtonCommand({A::None, C::ByDestination, true}, Button::ColourByOrigin),
        Command::ColourByOrigin);
    EXPECT_EQ(
        LaneFlowDisplayButtonCommand({A::None, C::ByDestination, true}, Button::ShowZeroFlows),
        Command::DontShowZeroFlows);
}

} // namespace
