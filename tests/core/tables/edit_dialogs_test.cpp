// The edit dialogs without their windows: choices, presets, formats and what OK refuses.
#include "model/label.h"
#include "model/route.h"
#include "network_builder.h"
#include "routing/flow_group_commands.h"
#include "tables/arm_dialogs.h"
#include "tables/capacity_assessor_dialog.h"
#include "tables/edit_lane_dialog.h"
#include "tables/edit_zone_dialog.h"
#include "tables/flow_group_dialog.h"
#include "tables/label_dialog.h"
#include "tables/route_dialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace
{

using testing::ElementsAre;
using TestSupport::AddArm;
using TestSupport::Lane;

const char* const LengthMessage =
    "The Lane Length must be in the allowed range to avoid creating short lanes which are "
    "illogical";

TEST(CreateArmDialog, NumbersLastPreselectedAndLaneCountsTheFileHolds)
{
    CNetwork network;
    AddArm(network, 1);
    AddArm(network, 1);
    CDlgArmCreateModel dialog = CDlgArmCreateModel::ForAddArm(network);
    EXPECT_THAT(dialog.GetNumberChoices(), ElementsAre(" 1", " 2", " 3"));
    EXPECT_EQ(dialog.GetNumber(), 3u);
    EXPECT_EQ(dialog.GetLaneCountText(), "2");
    EXPECT_EQ(CDlgArmCreateModel(4).GetLaneCountText(), "1") << "the dialog's own preset";
    EXPECT_FALSE(dialog.SetNumber(4));
    EXPECT_FALSE(dialog.SetLaneCountText("-3")) << "digits only";
    EXPECT_EQ(dialog.GetLaneCountText(), "2");

    for (const char* refused : {"", "0", "100", "99999999999999999999999"}) {
        ASSERT_TRUE(dialog.SetLaneCountText(refused));
        EXPECT_EQ(dialog.Validate().message, "The Number of lanes must be from 1 to 99") << refused;
    }
    ASSERT_TRUE(dialog.SetLaneCountText("99"));
    EXPECT_TRUE(dialog.Validate());
    EXPECT_EQ(dialog.GetLaneCount(), 99u);
}

TEST(EditArmDialog, ListsEveryNumberWithTheArmsOwn)
{
    CNetwork network;
    AddArm(network, 1);
    const CArm* second = AddArm(network, 1);
    const CDlgEditArmModel dialog(*second);
    EXPECT_THAT(dialog.GetNumberChoices(), ElementsAre(" 1", " 2"));
    EXPECT_EQ(dialog.GetNumber(), 2u);
}

// Lanes 1..4 of one arm; lane lengths set per test.
class ShortLaneDialog : public testing::Test
{
protected:
    CLane* L(std::uint32_t n) { return Lane(arm, n); }
    void Feed(std::uint32_t from, std::uint32_t to)
    {
        network.GetLaneConnectors().AddConnector(L(from), L(to));
    }
    CNetwork network;
    CArm* arm = AddArm(network, 4);
};

TEST_F(ShortLaneDialog, RangeFollowsTheParentAndTheFedLaneOnTheOtherSide)
{
    // Lane 2 short (200) fed from lane 1 (infinitely long); nothing short on its right.
    L(2)->SetLength(200);
    Feed(1, 2);
    CDlgEditLaneModel edit = CDlgEditLaneModel::ForEditShortLane(*L(2));
    EXPECT_TRUE(edit.IsParentToLeft());
    EXPECT_FALSE(edit.IsRightEnabled()) << "fixed to the side feeding it";
    EXPECT_EQ(edit.GetMaxText(), "1000");
    EXPECT_EQ(edit.GetMinText(), "1");
    EXPECT_EQ(edit.GetLengthText(), "200");
    EXPECT_FALSE(edit.SetParentToLeft(false));

    for (const char* typed : {"0", "1001", "-5"}) {
        edit.SetLengthText(typed);
        EXPECT_EQ(edit.Validate().message, LengthMessage) << typed;
    }
    edit.SetLengthText("12x");
    EXPECT_EQ(edit.Validate().message, "Please enter an integer.");
    edit.SetLengthText(" 1000 ");
    EXPECT_TRUE(edit.Validate());
    EXPECT_EQ(edit.GetLength(), 1000);

    // A short lane 3 (150) fed from lane 2 sets the minimum of lane 2 beside its parent; a
    // short lane to the right of lane 3 has lane 3 (150) as its maximum.
    L(3)->SetLength(150);
    Feed(2, 3);
    EXPECT_EQ(CDlgEditLaneModel::ForEditShortLane(*L(2)).GetRange().lower, 150);
    const CDlgEditLaneModel add = CDlgEditLaneModel::ForAddShortLane(*L(3), true);
    EXPECT_TRUE(add.IsParentToLeft());
    EXPECT_EQ(add.GetParent(), L(3));
    EXPECT_EQ(add.GetLengthText(), "150") << "9999 clamped into 1..150 on opening";
}

TEST_F(ShortLaneDialog, AnEmptyRangeRefusesEveryLength)
{
    // Lane 2 (100) is the parent of a lane that would sit beside lane 3 (300), fed from lane 2:
    // Min 300 above Max 100.
    L(2)->SetLength(100);
    L(3)->SetLength(300);
    Feed(2, 3);
    CDlgEditLaneModel dialog(L(2), nullptr, L(3), 9999, true, true, false);
    EXPECT_EQ(dialog.GetRange().lower, 300);
    EXPECT_EQ(dialog.GetRange().upper, 100);
    for (const char* typed : {"100", "200", "300"}) {
        dialog.SetLengthText(typed);
        EXPECT_EQ(dialog.Validate().message, LengthMessage) << typed;
    }
}

TEST_F(ShortLaneDialog, NewLanesAreFedFromTheSideTheCommandWillUse)
{
    // Beside an infinitely long lane the new lane is fed from its right neighbour, which for
    // "to the left" is the selected lane and for "to the right" of the last lane is missing.
    const CDlgEditLaneModel left = CDlgEditLaneModel::ForAddShortLane(*L(2), false);
    EXPECT_EQ(left.GetParent(), L(2));
    EXPECT_FALSE(left.IsLeftEnabled());
    const CDlgEditLaneModel lastRight = CDlgEditLaneModel::ForAddShortLane(*L(4), true);
    EXPECT_EQ(lastRight.GetParent(), L(4)) << "the only neighbour it will have";

    // Converting: a neighbour the lane feeds cannot become its parent; right is preselected.
    L(4)->SetLength(100);
    Feed(3, 4);
    const CDlgEditLaneModel convert = CDlgEditLaneModel::ForConvertToShortLane(*L(3));
    EXPECT_TRUE(convert.IsLeftEnabled());
    EXPECT_FALSE(convert.IsRightEnabled());
    EXPECT_TRUE(convert.IsParentToLeft());
    EXPECT_TRUE(CDlgEditLaneModel::ForConvertToShortLane(*L(2)).IsLeftEnabled());
    EXPECT_FALSE(CDlgEditLaneModel::ForConvertToShortLane(*L(2)).IsParentToLeft());
}

// Arm 1 entry (zone A), arm 2 exit, arm 3 exit with zone B, arm 4 unconnected; zone C has no
// arm.
class ZoneDialog : public testing::Test
{
protected:
    ZoneDialog()
    {
        TestSupport::CNetworkBuilder(network)
            .Arms({1, 1, 1, 1})
            .Connect("1.1>2.1 1.1>3.1")
            .Zone(1, 0)
            .Zone(0, 3)
            .Zone(0, 0);
    }
    CNetwork network;
};

TEST_F(ZoneDialog, CreatingOffersOneMoreLetterAndTheFreeArms)
{
    CDlgEditZoneModel dialog = CDlgEditZoneModel::ForAddZone(network);
    EXPECT_STREQ(dialog.GetTitle(), "Create Zone");
    EXPECT_THAT(dialog.GetZoneChoices(), ElementsAre("A", "B", "C", "D"));
    EXPECT_EQ(dialog.GetZoneNumber(), 4u);
    // Arm 1 is an Entry arm with a zone already: not offered; "(none)" always is.
    EXPECT_THAT(dialog.GetEntryChoices(),
                ElementsAre(CArmNumberChoice{"(none)", 0}, CArmNumberChoice{"4", 4}));
    EXPECT_THAT(dialog.GetExitChoices(),
                ElementsAre(CArmNumberChoice{"(none)", 0}, CArmNumberChoice{"2", 2},
                            CArmNumberChoice{"4", 4}));
    EXPECT_FALSE(dialog.SetEntryArmNumber(1));
    // The unconnected arm is offered both ways, but one arm cannot be both.
    ASSERT_TRUE(dialog.SetEntryArmNumber(4));
    ASSERT_TRUE(dialog.SetExitArmNumber(4));
    EXPECT_FALSE(dialog.Validate());
    ASSERT_TRUE(dialog.SetExitArmNumber(0));
    EXPECT_TRUE(dialog.Validate());
}

TEST_F(ZoneDialog, EditingKeepsTheZonesOwnArmsOnOffer)
{
    CZone* zone = network.GetZones().GetZone(1);
    zone->SetColour(0x123456);
    const CDlgEditZoneModel dialog = CDlgEditZoneModel::ForEditZone(network, *zone);
    EXPECT_STREQ(dialog.GetTitle(), "Edit Zone");
    EXPECT_THAT(dialog.GetZoneChoices(), ElementsAre("A", "B", "C"));
    EXPECT_EQ(dialog.GetZoneNumber(), 1u);
    EXPECT_EQ(dialog.GetEntryArmNumber(), 1u);
    EXPECT_THAT(dialog.GetEntryChoices(),
                ElementsAre(CArmNumberChoice{"(none)", 0}, CArmNumberChoice{"1", 1},
                            CArmNumberChoice{"4", 4}));
    EXPECT_EQ(dialog.GetColour(), 0x123456u);
}

// Arm 1 entry, arm 2 circulatory, arm 3 exit, arm 4 unconnected, arm 5 circulatory.
class AssessorDialog : public testing::Test
{
protected:
    AssessorDialog()
    {
        TestSupport::CNetworkBuilder(network)
            .Arms({1, 1, 1, 1, 1})
            .Connect("1.1>2.1>3.1 2.1>5.1>3.1");
    }
    CArm* Arm(std::uint32_t n) { return network.GetArms().GetArm(n); }
    std::uint32_t Id(std::uint32_t n) { return Arm(n)->GetId(); }

    CNetwork network;
};

TEST_F(AssessorDialog, ListsFreeArmsByLabelAndWantsTwoDifferentOnes)
{
    CDlgCapacityAssessorModel dialog = CDlgCapacityAssessorModel::ForAdd(network, nullptr, 1500);
    EXPECT_STREQ(dialog.GetTitle(), "Create Capacity Assessor");
    EXPECT_THAT(dialog.GetEntryChoices(),
                ElementsAre(CArmLabelChoice{"E1", Id(1)}, CArmLabelChoice{"4", Id(4)}));
    EXPECT_THAT(dialog.GetCirculatoryChoices(),
                ElementsAre(CArmLabelChoice{"C2", Id(2)}, CArmLabelChoice{"4", Id(4)},
                            CArmLabelChoice{"C5", Id(5)}));
    EXPECT_EQ(dialog.GetInitialFocus(), CDlgCapacityAssessorModel::EFocus::EntryList);
    EXPECT_FALSE(dialog.IsOkEnabled());
    ASSERT_TRUE(dialog.SetEntryArmId(Id(4)));
    ASSERT_TRUE(dialog.SetCirculatoryArmId(Id(4)));
    EXPECT_TRUE(dialog.IsOkEnabled());
    EXPECT_FALSE(dialog.Validate()) << "one arm as entry and circulatory arm";
    ASSERT_TRUE(dialog.SetCirculatoryArmId(Id(2)));
    EXPECT_TRUE(dialog.Validate());

    const char* const thresholdMessage =
        "The Capacity Threshold must be a whole number from -9999 to 99999";
    for (const char* refused : {"-10000", "100000", "1.5", ""}) {
        dialog.SetThresholdText(refused);
        EXPECT_EQ(dialog.Validate().message, thresholdMessage) << refused;
    }
    for (const char* taken : {"-9999", "99999"}) {
        dialog.SetThresholdText(taken);
        EXPECT_TRUE(dialog.Validate()) << taken;
    }
    EXPECT_EQ(dialog.GetThreshold(), 99999);
}

TEST_F(AssessorDialog, AProposedArmIsFixedAndSteersTheFocus)
{
    const CDlgCapacityAssessorModel entry = CDlgCapacityAssessorModel::ForAdd(network, Arm(1), 7);
    EXPECT_FALSE(entry.IsEntryListEnabled());
    EXPECT_EQ(entry.GetEntryArmId(), Id(1));
    EXPECT_EQ(entry.GetThresholdText(), "7");
    EXPECT_EQ(entry.GetInitialFocus(), CDlgCapacityAssessorModel::EFocus::CirculatoryList);

    const CDlgCapacityAssessorModel circulatory =
        CDlgCapacityAssessorModel::ForAdd(network, Arm(2), 7);
    EXPECT_TRUE(circulatory.IsEntryListEnabled());
    EXPECT_EQ(circulatory.GetCirculatoryArmId(), Id(2));
    EXPECT_EQ(circulatory.GetInitialFocus(), CDlgCapacityAssessorModel::EFocus::EntryList);

    // Once arm 2 carries an assessor it is offered no more, except fixed in its disabled list.
    CCapacityAssessor* assessor = network.GetCapacityAssessors().InsertCapacityAssessor(1);
    assessor->SetEntryArm(Arm(1));
    assessor->SetCirculatoryArm(Arm(2));
    const CDlgCapacityAssessorModel later = CDlgCapacityAssessorModel::ForAdd(network, nullptr, 0);
    EXPECT_THAT(later.GetEntryChoices(), ElementsAre(CArmLabelChoice{"4", Id(4)}));
    EXPECT_FALSE(CDlgCapacityAssessorModel::CanAdd(network, Arm(2)));
    EXPECT_FALSE(CDlgCapacityAssessorModel::CanAdd(network, Arm(3))) << "an exit arm";
    EXPECT_TRUE(CDlgCapacityAssessorModel::CanAdd(network, Arm(5)));
    EXPECT_TRUE(CDlgCapacityAssessorModel::CanAdd(network, nullptr));

    const CDlgCapacityAssessorModel edit = CDlgCapacityAssessorModel::ForEdit(network, *assessor);
    EXPECT_STREQ(edit.GetTitle(), "Edit Capacity Assessor");
    EXPECT_THAT(edit.GetEntryChoices(),
                ElementsAre(CArmLabelChoice{"E1", Id(1)}, CArmLabelChoice{"4", Id(4)}));
    EXPECT_EQ(edit.GetCirculatoryArmId(), Id(2));
}

TEST(LabelDialog, HeightInMillimetresClampedAsTheFileReadsIt)
{
    CDlgEditLabelModel dialog("(blank)", 40, 0xFF00FF);
    EXPECT_EQ(dialog.GetHeightText(), "4.0");
    struct
    {
        const char* typed;
        std::int32_t stored;
    } const heights[] = {{"2.57", 25}, {"0.05", 10}, {"-3", 10}, {"123.4", 1000}, {"1e9", 1000}};
    for (const auto& h : heights) {
        dialog.SetHeightText(h.typed);
        ASSERT_TRUE(dialog.Validate()) << h.typed;
        EXPECT_EQ(dialog.GetTextHeight(), h.stored) << h.typed;
    }
    dialog.SetHeightText("tall");
    EXPECT_FALSE(dialog.Validate());
    dialog.SetHeightText("4");
    dialog.SetTextField("   ");
    EXPECT_EQ(dialog.GetText(), "(blank)");
    dialog.SetTextField(std::string(60, 'x'));
    EXPECT_EQ(dialog.GetText(), std::string(50, 'x'));
    dialog.SetTextField("two\nlines");
    EXPECT_FALSE(dialog.Validate());
}

TEST(FlowGroupDialog, TimesOfADayAndATitleTheFileGivesBack)
{
    CNetwork network;
    CFlowGroup* group = network.GetFlowGroups().InsertFlowGroup(2);
    CDlgEditFlowGroupModel dialog(*group);
    EXPECT_THAT(dialog.GetNumberChoices(), ElementsAre(" 1", " 2"));
    EXPECT_EQ(dialog.GetNumber(), 2u);
    EXPECT_EQ(dialog.GetStartText(), "08:00");
    EXPECT_EQ(dialog.GetEndText(), "09:00");
    dialog.SetEnd(28800 + 59);
    EXPECT_EQ(dialog.Validate().message, "Time Period Start and End Times cannot be the same");
    dialog.SetEnd(-3600);
    EXPECT_EQ(dialog.GetEndText(), "23:00");
    EXPECT_TRUE(dialog.Validate());
    dialog.SetTitleField("  " + std::string(79, 'a') + "  b");
    EXPECT_EQ(dialog.GetDescription(), std::string(79, 'a')) << "80 characters, then trimmed";
}

// Lane 1.1 reaches zone B two ways, directly and round arm 2: the two routes are coupled.
class RouteDialog : public testing::Test
{
protected:
    RouteDialog()
    {
        TestSupport::CNetworkBuilder(network)
            .Arms({1, 1, 1})
            .Connect("1.1>2.1>3.1 1.1>3.1")
            .Zone(1, 0)
            .Zone(0, 3)
            .Routes()
            .FlowGroup();
        group = network.GetCurrentFlowGroup();
        first()->SetFlow(group, 12.345678);
    }
    CRoute* first() { return network.GetRoutes().GetRoute(1); }
    CRoute* second() { return network.GetRoutes().GetRoute(2); }

    CNetwork network;
    CFlowGroup* group = nullptr;
};

TEST_F(RouteDialog, FlowPageShowsTheRouteAndTakesFlowsTheFileHolds)
{
    ASSERT_EQ(network.GetRoutes().GetRouteCount(), 2u);
    CRouteFlowPageModel page(*first(), *group, 2);
    EXPECT_EQ(page.GetOriginZoneText(), "A");
    EXPECT_EQ(page.GetOriginArmText(), "E1");
    EXPECT_EQ(page.GetDestinationArmText(), "X3");
    EXPECT_EQ(page.GetDestinationLaneText(), "1");
    EXPECT_EQ(page.GetFlowText(), "12.35");
    page.SetShowAllDecimals(true);
    EXPECT_EQ(page.GetFlowText(), "12.34568");

    for (const char* refused : {"100000", "-1e5", "nan", "inf", "12,5"}) {
        page.SetFlowText(refused);
        EXPECT_FALSE(page.Validate()) << refused;
    }
    page.SetFlowText("-99999.5");
    EXPECT_TRUE(page.Validate()) << "negative flows are stored as typed";
    EXPECT_EQ(page.GetFlow(), -99999.5);
}

TEST_F(RouteDialog, CoupledPageSharesEquallyUntilProportionsAreTyped)
{
    CRouteCoupledFlowPageModel page(*first(), *group, 1);
    ASSERT_EQ(page.GetRows().size(), 2u);
    EXPECT_TRUE(page.IsShareEqually()) << "no route has a proportion";
    EXPECT_EQ(page.GetProportionText(0), "Shared Equally");
    EXPECT_EQ(page.GetFlowText(0), "12.3");
    page.SetShareEqually(false);
    EXPECT_EQ(page.GetProportionText(1), "50");

    const char* const message = "Value must be in the range 0 to 100%";
    EXPECT_TRUE(page.SetProportionText(0, "-0.0001")) << "-1e-6";
    EXPECT_TRUE(page.SetProportionText(0, "100.0001")) << "1.000001";
    EXPECT_EQ(page.SetProportionText(0, "100.001").message, message);
    EXPECT_EQ(page.SetProportionText(0, "abc").message, message);
    ASSERT_TRUE(page.SetProportionText(0, "25"));
    EXPECT_EQ(page.GetProportionText(0), "25");

    CRouteFlowPageModel flow(*first(), *group, 2);
    const CRouteFlowEdit edit = RouteFlowEditOf(flow, page);
    EXPECT_FALSE(edit.shareEqually);
    EXPECT_EQ(edit.proportions.at(first()->GetId()), 0.25);
    EXPECT_EQ(edit.proportions.at(second()->GetId()), 0.5);

    // Reopened on a route with proportions, the box starts unticked and shows them.
    second()->SetProportion(group, 0.75);
    EXPECT_FALSE(CRouteCoupledFlowPageModel(*first(), *group, 1).IsShareEqually());
    EXPECT_EQ(CRouteCoupledFlowPageModel(*first(), *group, 1).GetProportionText(1), "75");
}

TEST(RouteDialogOpening, NeedsAFlowGroup)
{
    CNetwork network;
    EXPECT_EQ(CanEditRoute(network).message,
              "A FlowGroup must be created before flows can be edited");
}

} // namespace
