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
    EXPECT_STREQ(FlowGroupListColumns()[4].header, "Duration");
}

TEST(FlowGroupList, MenuNeedsACurrentGroupForAllButAdding)
{
    const std::vector<CMenuEntry> none = FlowGroupListMenu(false);
    ASSERT_EQ(none.size(), 5u);
    EXPECT_STREQ(none[0].text, "Add Flow Group...");
    EXPECT_TRUE(none[0].enabled);
    for (std::size_t i = 1; i < none.size(); ++i) {
        EXPECT_FALSE(none[i].enabled) << none[i].text;
        EXPECT_TRUE(FlowGroupListMenu(true)[i].enabled) << none[i].text;
    }
}

TEST(LaneFlowDisplayControls, AggregationDisablesTheOtherColouring)
{
    CLaneFlowDisplayControls byDestination;
    byDestination.aggregateByDestination = true;
    byDestination.colourByDestination = true;
    byDestination.colourByOriginEnabled = false;
    EXPECT_EQ(LaneFlowDisplayControls({2, 1, false}), byDestination);

    CLaneFlowDisplayControls byOrigin;
    byOrigin.aggregateByOrigin = true;
    byOrigin.colourByOrigin = true;
    byOrigin.colourByDestinationEnabled = false;
    byOrigin.showZeroFlows = true;
    EXPECT_EQ(LaneFlowDisplayControls({1, 0, true}), byOrigin);
}

TEST(LaneFlowDisplayControls, ButtonsRunTheirCommandUnlessSetOrDisabled)
{
    using Button = LaneFlowDisplayButton;
    using Command = LaneFlowDisplayCommand;
    const CLaneFlowDisplaySettings byDestination{2, 1, false};
    EXPECT_EQ(LaneFlowDisplayButtonCommand(byDestination, Button::ColourByOrigin), std::nullopt);
    EXPECT_EQ(LaneFlowDisplayButtonCommand(byDestination, Button::AggregateByDestination),
              std::nullopt);
    EXPECT_EQ(LaneFlowDisplayButtonCommand(byDestination, Button::AggregateByOD),
              Command::AggregateByOD);
    EXPECT_EQ(LaneFlowDisplayButtonCommand(byDestination, Button::ShowZeroFlows),
              Command::ShowZeroFlows);
    const CLaneFlowDisplaySettings none{3, 1, true};
    EXPECT_EQ(LaneFlowDisplayButtonCommand(none, Button::ColourByOrigin), Command::ColourByOrigin);
    EXPECT_EQ(LaneFlowDisplayButtonCommand(none, Button::ShowZeroFlows),
              Command::DontShowZeroFlows);
}

} // namespace
