// Route flows: coupled proportions, locks and permission, lane measures, OD matrices and
// capacity assessors that read them.
#include "case_name.h"
#include "model/route_flows.h"
#include "route_fixture.h"
#include "routing/lane_data_source.h"
#include "routing/od_flow_matrix.h"
#include "routing/route_commands.h"

#include <gtest/gtest.h>

namespace
{
using TestSupport::PrintTo;

using namespace routetest;

constexpr double None = -1.0;

// One entry lane fanning out over the lanes of a circulatory arm to one exit: every route is in
// the same coupled group G(entry lane, destination).
class CoupledFan : public CRouteNetwork
{
protected:
    void Make(std::uint32_t routes)
    {
        TestSupport::CNetworkBuilder built(network);
        built.Arms({1, routes, 1});
        for (std::uint32_t n = 1; n <= routes; ++n) {
            built.Connect("1.1>2." + std::to_string(n) + ">3.1");
        }
        built.Zone(1, 0).Zone(0, 3);
        ASSERT_EQ(BuildRoutes(network), routes);
    }
    std::vector<double> Proportions()
    {
        std::vector<double> values;
        for (std::uint32_t n = 1; n <= network.GetRoutes().GetRouteCount(); ++n) {
            values.push_back(Route(n)->GetProportion(group));
        }
        return values;
    }
};

struct NormaliseCase
{
    const char* name;
    std::vector<double> given;
    std::vector<double> expected;
};

class NormaliseTest : public CoupledFan, public ::testing::WithParamInterface<NormaliseCase>
{};

TEST_P(NormaliseTest, ProportionsOfTheGroupSumToOne)
{
    const NormaliseCase& c = GetParam();
    Make(static_cast<std::uint32_t>(c.given.size()));
    for (std::uint32_t n = 1; n <= c.given.size(); ++n) {
        Route(n)->SetProportion(group, c.given[n - 1]);
    }
    NormaliseAllArms(network);
    const std::vector<double> got = Proportions();
    ASSERT_EQ(got.size(), c.expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_NEAR(got[i], c.expected[i], 1e-9) << "route " << i + 1;
    }
}

const NormaliseCase kNormaliseCases[] = {
    {"TwoScaledUp", {0.2, 0.3}, {0.4, 0.6}},
    {"OneOfThreeWithAProportion", {0.5, None, None}, {1.0 / 3, 1.0 / 3, 1.0 / 3}},
    {"TwoOfThree", {0.1, 0.3, None}, {1.0 / 6, 0.5, 1.0 / 3}},
    {"SumZeroSharesEqually", {0.0, 0.0}, {0.5, 0.5}},
    {"ZeroBesideNoneSharesEqually", {0.0, None, None}, {1.0 / 3, 1.0 / 3, 1.0 / 3}},
    {"AlreadySummingToOneIsKept", {0.25, 0.75}, {0.25, 0.75}},
    {"NoProportionsAreLeftAlone", {None, None}, {None, None}},
    {"SingleRouteLosesItsProportion", {0.7}, {None}},
};

INSTANTIATE_TEST_SUITE_P(RouteFlows, NormaliseTest, ::testing::ValuesIn(kNormaliseCases),
                         CaseName());

TEST_F(CoupledFan, StatusTextNamesTheGroupAndLockingLeavesALoneRouteWithout)
{
    Make(3);
    EXPECT_EQ(RouteStatusText(*Route(2), group), "Shared equally between Routes 1 2 3");
    Route(1)->SetProportion(group, 0.5);
    NormaliseAllArms(network);
    EXPECT_EQ(RouteStatusText(*Route(2), group), "Shared between routes 1(33%) 2(33%) 3(33%)");
    EXPECT_EQ(RouteStatusText(*Route(2), nullptr), "");
    Route(1)->SetLocked(group, true);
    Route(2)->SetLocked(group, true);
    EXPECT_TRUE(Route(1)->IsLocked(group));
    // Route 3 is now alone in its group, which takes its proportion away too.
    EXPECT_EQ(Proportions(), (std::vector<double>{None, None, None}));
    EXPECT_EQ(RouteStatusText(*Route(1), group), "Locked");
    EXPECT_EQ(RouteStatusText(*Route(3), group), "");
}

TEST_F(CoupledFan, DisallowingClearsEveryFlowGroupAndRenormalises)
{
    Make(3);
    CFlowGroup* other = network.GetFlowGroups().InsertFlowGroup(2);
    for (CFlowGroup* g : {group, other}) {
        Route(1)->SetFlow(g, 11.0);
        Route(1)->SetProportion(g, 0.5);
        Route(2)->SetProportion(g, 0.25);
        Route(3)->SetProportion(g, 0.25);
    }
    Route(1)->SetLocked(other, true);
    Route(1)->SetPermitted(false);
    for (CFlowGroup* g : {group, other}) {
        EXPECT_EQ(Route(1)->GetFlow(g), 0.0);
        EXPECT_FALSE(Route(1)->IsLocked(g));
        EXPECT_FALSE(Route(1)->HasProportion(g));
        EXPECT_DOUBLE_EQ(Route(2)->GetProportion(g), 0.5);
        EXPECT_DOUBLE_EQ(Route(3)->GetProportion(g), 0.5);
    }
    Route(1)->SetFlow(group, 5.0);
    EXPECT_EQ(Route(1)->GetFlow(group), 0.0);
    Route(2)->SetFlow(group, 4.0);
    Route(2)->ScaleFlow(group, 2.5);
    EXPECT_DOUBLE_EQ(Route(2)->GetFlow(group), 10.0);
}

TEST_F(CoupledFan, WithoutAFlowGroupFlowsReadZeroAndEditsAreRefused)
{
    Make(2);
    Route(1)->SetFlow(group, 3.0);
    ASSERT_TRUE(network.GetFlowGroups().RemoveFlowGroup(1));
    EXPECT_EQ(network.GetCurrentFlowGroup(), nullptr);
    Route(1)->SetFlow(nullptr, 9.0);
    Route(1)->SetLocked(nullptr, true);
    EXPECT_EQ(Route(1)->GetFlow(nullptr), 0.0);
    EXPECT_FALSE(Route(1)->IsLocked(nullptr));
    EXPECT_EQ(Route(1)->GetProportion(nullptr), None);
    const CValidationResult refused = ToggleRouteLock(network, *Route(1));
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.message, "A FlowGroup must be created before flows can be edited");
    // A new group made where the old one lived must not answer from a route's memory.
    CFlowGroup* fresh = network.GetFlowGroups().InsertFlowGroup(1);
    EXPECT_EQ(Route(1)->GetFlow(fresh), 0.0);
}

// CJunction: entry arm 1 (lanes 1, 2) -> circulatory arm 2 (one lane) -> exit arms 3 and 4.
// Routes: 1 = 1.1>2.1>3.1, 2 = 1.2>2.1>3.1, 3 = 1.1>2.1>4.1, 4 = 1.2>2.1>4.1.
class JunctionFlows : public CJunction
{
protected:
    void SetUp() override
    {
        CJunction::SetUp();
        ASSERT_EQ(BuildRoutes(network), 4u);
    }
    void Flows(double r1, double r2, double r3, double r4)
    {
        Route(1)->SetFlow(group, r1);
        Route(2)->SetFlow(group, r2);
        Route(3)->SetFlow(group, r3);
        Route(4)->SetFlow(group, r4);
    }
};

TEST_F(JunctionFlows, LaneMeasuresAndTextsOnEntryCirculatoryAndExitArms)
{
    // The lane texts round the sum to whole units.
    Flows(10.4, 0.0, 0.2, 0.0);
    const CLaneDataActualFlow texts;
    EXPECT_EQ(texts.GetText1(group, *Lane(circ, 1)), "11");
    EXPECT_EQ(texts.GetText2(group, *Lane(entry, 2)), "0");
    EXPECT_EQ(texts.GetText2(nullptr, *Lane(entry, 1)), "0");

    Flows(10.0, 20.0, 30.0, 40.0);
    const CCapacityLane* entryLane = Lane(entry, 1);
    EXPECT_DOUBLE_EQ(entryLane->GetStopLineFlow(group), 40.0);
    EXPECT_DOUBLE_EQ(entryLane->GetInflow(group), 40.0); // entry arm: its outgoing routes
    EXPECT_DOUBLE_EQ(entryLane->GetStopLineFlowTo(group, destA), 10.0);
    EXPECT_DOUBLE_EQ(Lane(circ, 1)->GetInflow(group), 100.0);
    EXPECT_DOUBLE_EQ(Lane(circ, 1)->GetStopLineFlow(group), 100.0);
    // Exit arm: the routes that enter it count at its stop line.
    EXPECT_DOUBLE_EQ(Lane(exitA, 1)->GetStopLineFlow(group), 30.0);
    EXPECT_DOUBLE_EQ(Lane(exitB, 1)->GetInflow(group), 70.0);

    Route(1)->SetPermitted(false);
    EXPECT_DOUBLE_EQ(entryLane->GetStopLineFlow(group), 30.0);
}

TEST_F(JunctionFlows, ActualAndDifferenceMatrices)
{
    Flows(10.0, 20.0, 30.0, 40.0);
    group->SetDesiredFlow(network.GetODMovements().Find(origin, destA), 50);
    group->SetDesiredFlow(network.GetODMovements().Find(destA, destB), 8);
    const CODFlowMatrix matrix(network, group);
    EXPECT_EQ(matrix.GetCell(ODFlowKind::Desired, *origin, *destA), 50.0);
    EXPECT_EQ(matrix.GetCell(ODFlowKind::Actual, *origin, *destA), 30.0);
    EXPECT_EQ(matrix.GetCell(ODFlowKind::Difference, *origin, *destA), -20.0);
    EXPECT_EQ(matrix.GetCell(ODFlowKind::Difference, *origin, *destB), 70.0);
    EXPECT_EQ(matrix.GetOriginTotal(ODFlowKind::Actual, *origin), 100.0);
    EXPECT_EQ(matrix.GetOriginTotal(ODFlowKind::Difference, *origin), 50.0);
    EXPECT_EQ(matrix.GetDestinationTotal(ODFlowKind::Actual, *destB), 70.0);
    EXPECT_EQ(matrix.GetDestinationTotal(ODFlowKind::Difference, *destA), -20.0);
    // destA has no entry arm: nothing actual, the whole desired flow is missing.
    EXPECT_EQ(matrix.GetCell(ODFlowKind::Actual, *destA, *destB), 0.0);
    EXPECT_EQ(matrix.GetCell(ODFlowKind::Difference, *destA, *destB), -8.0);
    const CODFlowMatrix none(network, nullptr);
    EXPECT_EQ(none.GetCell(ODFlowKind::Difference, *origin, *destB), 0.0);
}

// The assessor adds the busiest lanes of its arms, truncated; its arms are taken from the
// choices, and deleting one of them takes the assessor along.
TEST_F(JunctionFlows, CapacityAssessor)
{
    EXPECT_EQ(CapacityAssessorEntryArmChoices(network), (std::vector<CArm*>{entry}));
    EXPECT_EQ(CapacityAssessorCirculatoryArmChoices(network), (std::vector<CArm*>{circ}));
    // Entry lanes carry 299.9 and 200.7; the circulatory lane carries both, 500.6.
    Flows(299.9, 0.3, 0.0, 200.4);
    CCapacityAssessor* assessor = network.GetCapacityAssessors().InsertCapacityAssessor(1, 799);
    ASSERT_NE(assessor, nullptr);
    ASSERT_TRUE(assessor->SetEntryArm(entry));
    ASSERT_TRUE(assessor->SetCirculatoryArm(circ));
    EXPECT_EQ(entry->GetCapacityAssessor(), assessor);
    EXPECT_TRUE(CapacityAssessorEntryArmChoices(network).empty());
    EXPECT_EQ(CapacityAssessorEntryArmChoices(network, entry), (std::vector<CArm*>{entry}));
    EXPECT_EQ(network.GetCapacityAssessors().InsertCapacityAssessor(3), nullptr);
    EXPECT_EQ(assessor->GetAssessedFlow(group), 799);
    EXPECT_TRUE(assessor->IsExceeded(group)); // equal counts as reached
    assessor->SetThreshold(800);
    EXPECT_FALSE(assessor->IsExceeded(group));
    EXPECT_EQ(assessor->GetAssessedFlow(nullptr), 0);
    assessor->SetThreshold(0);
    EXPECT_TRUE(assessor->IsExceeded(nullptr));
    assessor->SetThreshold(1);
    EXPECT_FALSE(assessor->IsExceeded(nullptr));

    ASSERT_TRUE(network.GetArms().DeleteArm(circ->GetNumber()));
    EXPECT_EQ(network.GetCapacityAssessors().GetCount(), 0u);
    EXPECT_EQ(entry->GetCapacityAssessor(), nullptr);
}

TEST(CapacityAssessors, NoGapFillingAndAtMostAThousand)
{
    CNetwork network;
    CCapacityAssessors& assessors = network.GetCapacityAssessors();
    EXPECT_EQ(assessors.InsertCapacityAssessor(2), nullptr);
    for (std::uint32_t n = 1; n <= 1000; ++n) {
        ASSERT_NE(assessors.InsertCapacityAssessor(n), nullptr);
    }
    EXPECT_EQ(assessors.InsertCapacityAssessor(1001), nullptr);
    EXPECT_EQ(assessors.GetCapacityAssessor(1)->GetId(), 1001u);
}

} // namespace
