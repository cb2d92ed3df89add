// OD movements and flow groups: movements follow the zones, flow group numbering and limits,
// records, durations, the current group and the list commands' rules.
#include "model/network.h"
#include "routing/flow_group_commands.h"

#include <gtest/gtest.h>

namespace
{
TEST(ODMovements, FollowTheZonesInKeyOrder)
{
    CNetwork network;
    CZones& zones = network.GetZones();
    CZone* a = zones.InsertZone(1);
    EXPECT_EQ(network.GetODMovements().GetCount(), 1u);
    EXPECT_NE(network.GetODMovements().Find(a, a), nullptr);
    CZone* b = zones.InsertZone(1);
    EXPECT_EQ(network.GetODMovements().GetCount(), 4u);
    EXPECT_EQ(network.GetODMovements().ZoneAdded(*b), 0u) << "existing keys are not made again";
    std::vector<std::pair<CZone*, CZone*>> order;
    for (CODMovement* m = network.GetODMovements().First(); m;
         m = network.GetODMovements().Next(m)) {
        order.emplace_back(m->GetOrigin(), m->GetDestination());
    }
    EXPECT_EQ(order, (std::vector<std::pair<CZone*, CZone*>>{{a, a}, {a, b}, {b, a}, {b, b}}));
    EXPECT_EQ(network.GetODMovements().Find(a, b)->GetKey(), (1001u << 16) + 1002u);
    ASSERT_TRUE(zones.DeleteZone(2)); // zone a, now number 2
    EXPECT_EQ(network.GetODMovements().GetCount(), 1u);
    EXPECT_EQ(network.GetODMovements().First()->GetOrigin(), b);
}

TEST(ODMovements, DeletedZoneTakesOnlyItsDesiredFlows)
{
    CNetwork network;
    for (std::uint32_t n = 1; n <= 3; ++n) {
        network.GetZones().InsertZone(n);
    }
    CZone* z1 = network.GetZones().GetZone(1);
    CZone* z2 = network.GetZones().GetZone(2);
    CZone* z3 = network.GetZones().GetZone(3);
    CFlowGroup* group = network.GetFlowGroups().InsertFlowGroup(1);
    CODMovements& movements = network.GetODMovements();
    group->SetDesiredFlow(movements.Find(z1, z2), 100);
    group->SetDesiredFlow(movements.Find(z2, z3), 30);
    group->SetDesiredFlow(movements.Find(z1, z3), 7);
    group->SetDesiredFlow(movements.Find(z1, z3), 5); // replaces
    EXPECT_EQ(group->GetOriginTotal(z1), 105);
    EXPECT_EQ(group->GetDestinationTotal(z3), 35);
    ASSERT_TRUE(network.GetZones().DeleteZone(2));
    EXPECT_EQ(group->GetDesiredFlowRecords().size(), 1u);
    EXPECT_EQ(group->GetDesiredFlow(movements.Find(z1, z3)), 5);
    EXPECT_EQ(group->GetOriginTotal(z1), 5);
    EXPECT_EQ(group->GetDesiredFlow(nullptr), 0);
}

TEST(FlowGroups, NumberingLimitsAndDuration)
{
    CNetwork network;
    CFlowGroups& groups = network.GetFlowGroups();
    EXPECT_EQ(groups.InsertFlowGroup(100), nullptr);
    EXPECT_EQ(groups.InsertFlowGroup(0), nullptr);
    ASSERT_NE(groups.InsertFlowGroup(5), nullptr);
    ASSERT_EQ(groups.GetCount(), 5u);
    EXPECT_EQ(groups.GetFlowGroup(5)->GetDescription(), "Flow Group 5");
    EXPECT_EQ(groups.GetFlowGroup(5)->GetId(), 1005u) << "missing groups were made first";
    EXPECT_TRUE(groups.MoveFlowGroup(1, 5));
    EXPECT_EQ(groups.GetFlowGroup(5)->GetId(), 1001u);
    EXPECT_FALSE(groups.MoveFlowGroup(6, 1));
    while (groups.GetCount() < 99) {
        groups.InsertFlowGroup(1);
    }
    EXPECT_EQ(groups.InsertFlowGroup(1), nullptr) << "a full list takes no more";

    // An end not after the start is on the next day.
    CFlowGroup* group = groups.GetFlowGroup(1);
    EXPECT_EQ(group->GetDuration(), 3600);
    group->SetStart(82800);
    group->SetEnd(3600);
    EXPECT_EQ(group->GetDuration(), 7200);
    group->SetStart(3600);
    EXPECT_EQ(group->GetDuration(), 86400);
    groups.RemoveAllFlowGroups();
    EXPECT_EQ(groups.GetCount(), 0u);
}

TEST(FlowGroups, RouteFlowRecordsKeepEachFieldApartUntilTheRouteGoes)
{
    CNetwork network;
    CFlowGroup* group = network.GetFlowGroups().InsertFlowGroup(1);
    EXPECT_EQ(group->GetProportion(1001), -1.0) << "no record: no proportion";
    group->SetLocked(1001, nullptr, true);
    EXPECT_EQ(group->GetRouteFlow(1001), 0.0);
    EXPECT_EQ(group->GetProportion(1001), -1.0);
    group->SetRouteFlow(1002, nullptr, 12.5);
    group->SetProportion(1002, nullptr, 0.25);
    EXPECT_FALSE(group->IsLocked(1002));
    network.GetFlowGroups().RemoveRoute(1002);
    EXPECT_EQ(group->GetRouteFlow(1002), 0.0);
    EXPECT_EQ(group->GetRouteFlowRecords().size(), 1u);
}

TEST(FlowGroupCommands, DeleteMakesThePreviousGroupCurrentAndRemovingItClearsThePointer)
{
    CNetwork network;
    AddFlowGroup(network, FlowGroupAddPosition::Append, nullptr);
    CFlowGroup* second = AddFlowGroup(network, FlowGroupAddPosition::Append, nullptr);
    CFlowGroup* before = AddFlowGroup(network, FlowGroupAddPosition::BeforeSelected, second);
    EXPECT_EQ(network.GetCurrentFlowGroup(), before);
    EXPECT_EQ(before->GetNumber(), 2u);
    EXPECT_EQ(second->GetNumber(), 3u);
    ASSERT_TRUE(DeleteFlowGroup(network, 1));
    EXPECT_EQ(network.GetCurrentFlowGroup(), before) << "former group 2, now number 1";
    EXPECT_EQ(before->GetNumber(), 1u);
    EXPECT_EQ(CurrentNumberAfterDelete(3), 2u);
    EXPECT_FALSE(DeleteFlowGroup(network, 5));

    EXPECT_TRUE(ValidateFlowEditAllowed(network));
    network.GetFlowGroups().RemoveFlowGroup(1);
    EXPECT_EQ(network.GetCurrentFlowGroup(), nullptr);
    const CValidationResult refused = ValidateFlowEditAllowed(network);
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.message, "A FlowGroup must be created before flows can be edited");
}

TEST(FlowGroupCommands, EditRefusesEqualTimesAndChangesNothing)
{
    CNetwork network;
    CFlowGroup* g = AddFlowGroup(network, FlowGroupAddPosition::Append, nullptr);
    AddFlowGroup(network, FlowGroupAddPosition::Append, nullptr);
    const CValidationResult refused = EditFlowGroup(network, *g, 2, "Peak", 3600, 3600);
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.message, "Time Period Start and End Times cannot be the same");
    EXPECT_EQ(g->GetNumber(), 1u);
    EXPECT_EQ(g->GetDescription(), "Flow Group 1");
    ASSERT_TRUE(EditFlowGroup(network, *g, 2, "Peak", 82800, 3600));
    EXPECT_EQ(g->GetNumber(), 2u);
    EXPECT_EQ(g->GetDescription(), "Peak");
    EXPECT_EQ(FormatTimeOfDay(g->GetStart()), "23:00");
    EXPECT_EQ(FormatTimeOfDay(g->GetEnd()), "01:00");
}

} // namespace
