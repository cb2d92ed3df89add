// Lanes: the program-wide id counter, numbering within an arm, neighbours, deletion with its
// connectors, the changed notification and the short-lane length bounds.
#include "case_name.h"
#include "model/network.h"
#include "recording_observer.h"

#include <cstdlib>
#include <gtest/gtest.h>

using TestSupport::AddArm;
using TestSupport::Lane;

namespace
{
using TestSupport::PrintTo;

const char* const kShortLaneMessage =
    "The Lane Length must be in the allowed range to avoid creating short lanes which are "
    "illogical";

TEST(LaneIds, FirstLaneOfTheProgramGets1001AndIdsAreSharedAcrossNetworksNeverReused)
{
    // A fresh process: the threadsafe style re-runs the test binary, so no earlier test has
    // moved the counter.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            CNetwork network;
            CArm* arm = AddArm(network, 2);
            const bool first =
                Lane(arm, 1)->GetLaneId() == 1001 && Lane(arm, 2)->GetLaneId() == 1002;
            arm->GetLanes().DeleteLane(2);
            CNetwork other;
            CArm* later = AddArm(other, 1);
            const bool ok =
                first && Lane(later, 1)->GetLaneId() == 1003 && CLane::PeekNextLaneId() == 1004;
            std::exit(ok ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(LaneNumbering, InsertLeftOrRightOfALaneWithoutGaps)
{
    CNetwork network;
    CArm* arm = AddArm(network, 2);
    CCapLanes& lanes = arm->GetLanes();
    EXPECT_EQ(lanes.InsertLane(0), nullptr);
    EXPECT_EQ(lanes.InsertLane(4), nullptr);
    EXPECT_FALSE(lanes.DeleteLane(0));
    EXPECT_FALSE(lanes.DeleteLane(3));
    EXPECT_EQ(lanes.GetLane(3), nullptr);
    CCapacityLane* old1 = lanes.GetLane(1);
    CCapacityLane* old2 = lanes.GetLane(2);
    // "To the left of lane 2" takes number 2; "to the right of lane 2" takes 3.
    CCapacityLane* left = lanes.InsertLane(old2->GetNumber());
    CCapacityLane* right = lanes.InsertLane(old2->GetNumber() + 1);
    EXPECT_EQ(old1->GetNumber(), 1u);
    EXPECT_EQ(left->GetNumber(), 2u);
    EXPECT_EQ(old2->GetNumber(), 3u);
    EXPECT_EQ(right->GetNumber(), 4u);
    EXPECT_EQ(lanes.GetLaneById(left->GetLaneId()), left);
    EXPECT_EQ(left->GetLength(), InfiniteLaneLength) << "a new lane is infinitely long";
    EXPECT_FALSE(left->IsShort());
}

TEST(LaneNeighbours, EndsHaveNone)
{
    CNetwork network;
    CArm* arm = AddArm(network, 3);
    EXPECT_EQ(Lane(arm, 1)->GetLeftNeighbour(), nullptr);
    EXPECT_EQ(Lane(arm, 1)->GetRightNeighbour(), Lane(arm, 2));
    EXPECT_EQ(Lane(arm, 2)->GetLeftNeighbour(), Lane(arm, 1));
    EXPECT_EQ(Lane(arm, 3)->GetRightNeighbour(), nullptr);
    arm->GetLanes().DeleteLane(2);
    EXPECT_EQ(Lane(arm, 1)->GetRightNeighbour(), Lane(arm, 2));
    EXPECT_EQ(Lane(arm, 2)->GetRightNeighbour(), nullptr);
}

TEST(LaneDeletion, RemovesEveryConnectorOfTheLaneThroughTheConnectorHook)
{
    CNetwork network;
    CRecordingObserver observer;
    network.AddObserver(&observer);
    CArm* other = AddArm(network, 1);
    CArm* arm = AddArm(network, 3);
    CCarouselLaneConnectors& connectors = network.GetLaneConnectors();
    connectors.AddConnector(Lane(other, 1), Lane(arm, 2));
    connectors.AddConnector(Lane(arm, 2), Lane(arm, 3));
    connectors.AddConnector(Lane(arm, 1), Lane(arm, 2));
    connectors.AddConnector(Lane(arm, 2), Lane(other, 1));
    auto* kept = connectors.AddConnector(Lane(arm, 1), Lane(arm, 3));
    const std::uint32_t thirdId = Lane(arm, 3)->GetLaneId();

    ASSERT_TRUE(arm->GetLanes().DeleteLane(2));
    EXPECT_EQ(observer.events,
              (std::vector<std::string>{"connector 2.2>2.3", "connector 2.2>1.1",
                                        "connector 1.1>2.2", "connector 2.1>2.2"}));
    EXPECT_EQ(connectors.GetConnectorsInCreationOrder(),
              (std::vector<CCarouselLaneConnector*>{kept}));
    EXPECT_EQ(Lane(arm, 2)->GetLaneId(), thirdId);
    EXPECT_EQ(Lane(arm, 2)->GetIncomingConnectors().size(), 1u);
    EXPECT_TRUE(Lane(other, 1)->GetOutgoingConnectors().empty());
    EXPECT_TRUE(Lane(other, 1)->GetIncomingConnectors().empty());
}

class CCountingLane : public CLane
{
public:
    using CLane::CLane;
    void OnLaneChanged() override { lengthsSeen.push_back(GetLength()); }
    std::vector<std::int32_t> lengthsSeen;
};

class CCountingLanes : public CLanes
{
public:
    using CLanes::CLanes;

protected:
    std::unique_ptr<CLane> CreateLane(std::uint32_t number) override
    {
        return std::make_unique<CCountingLane>(this, number);
    }
};

TEST(LaneLength, ChangedNotificationRunsAfterTheLengthIsStored)
{
    CCountingLanes lanes(nullptr);
    auto* lane = static_cast<CCountingLane*>(lanes.InsertLane(1));
    lane->SetLength(40);
    lane->SetLength(40);
    lane->SetLength(InfiniteLaneLength);
    EXPECT_EQ(lane->lengthsSeen, (std::vector<std::int32_t>{40, InfiniteLaneLength}));
    EXPECT_FALSE(lane->IsShort());
}

// A lane between `parent` and `other`; lengths 0 mean "no such lane", 9999 infinitely long.
struct RangeCase
{
    const char* name;
    std::int32_t parentLength;
    std::int32_t otherLength;
    bool otherFedTowardsParent; // lane-change connector into `other` from the lane beside it
    CLaneLengthRange expected;
};

class ShortLaneRangeTest : public ::testing::TestWithParam<RangeCase>
{};

TEST_P(ShortLaneRangeTest, BoundsFromTheNeighbours)
{
    const RangeCase& c = GetParam();
    for (bool parentOnLeft : {true, false}) {
        SCOPED_TRACE(parentOnLeft ? "parent on the left" : "parent on the right");
        CNetwork network;
        // Lanes: [parent] lane [other], mirrored when the parent is on the right.
        CArm* arm = AddArm(network, 3);
        CLane* parent = Lane(arm, parentOnLeft ? 1 : 3);
        CLane* lane = Lane(arm, 2);
        CLane* other = Lane(arm, parentOnLeft ? 3 : 1);
        if (c.parentLength != 0) {
            parent->SetLength(c.parentLength);
        }
        if (c.otherLength != 0) {
            other->SetLength(c.otherLength);
        }
        if (c.otherFedTowardsParent) {
            network.GetLaneConnectors().AddConnector(lane, other);
        }
        const CLaneLengthRange range = ShortLaneLengthRange(
            c.parentLength ? parent : nullptr, c.otherLength ? other : nullptr, parentOnLeft);
        EXPECT_EQ(range.lower, c.expected.lower);
        EXPECT_EQ(range.upper, c.expected.upper);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lanes, ShortLaneRangeTest,
    ::testing::Values(RangeCase{"InfiniteParentNoShortOther", 9999, 9999, false, {1, 1000}},
                      RangeCase{"ShortParentCapsTheLength", 30, 9999, false, {1, 30}},
                      RangeCase{"NoNeighbours", 0, 0, false, {1, 1000}},
                      RangeCase{"FedShortOtherRaisesTheFloor", 9999, 12, true, {12, 1000}},
                      RangeCase{"UnfedShortOtherDoesNot", 9999, 12, false, {1, 1000}},
                      RangeCase{"FedInfiniteOtherDoesNot", 9999, 9999, true, {1, 1000}},
                      RangeCase{"BothShort", 40, 12, true, {12, 40}}),
    CaseName());

TEST(ShortLaneRange, FeederOnTheFarSideDoesNotCount)
{
    CNetwork network;
    CArm* arm = AddArm(network, 4);
    // other (lane 3) is fed from lane 4, away from the parent side (lane 1).
    Lane(arm, 3)->SetLength(20);
    network.GetLaneConnectors().AddConnector(Lane(arm, 4), Lane(arm, 3));
    EXPECT_EQ(ShortLaneLengthRange(Lane(arm, 1), Lane(arm, 3), true).lower, 1);
    EXPECT_EQ(ShortLaneLengthRange(Lane(arm, 4), Lane(arm, 3), false).lower, 20);
}

TEST(ShortLaneRange, ValidationIncludesBothEndsAndNamesTheRule)
{
    const CLaneLengthRange range{12, 40};
    EXPECT_TRUE(ValidateShortLaneLength(range, 12));
    EXPECT_TRUE(ValidateShortLaneLength(range, 40));
    for (std::int32_t bad : {11, 41, 0, -5}) {
        const CValidationResult result = ValidateShortLaneLength(range, bad);
        EXPECT_FALSE(result) << bad;
        EXPECT_EQ(result.message, kShortLaneMessage);
    }
    EXPECT_TRUE(ValidateShortLaneLength(range, 20).message.empty());
}

TEST(RoutedLane, NodeViewOfALane)
{
    CNetwork network;
    CArm* entry = AddArm(network, 2);
    CArm* exit = AddArm(network, 1);
    CCarouselLaneConnectors& connectors = network.GetLaneConnectors();
    auto* second = connectors.AddConnector(Lane(entry, 2), Lane(exit, 1));
    auto* first = connectors.AddConnector(Lane(entry, 1), Lane(exit, 1));
    auto* change = connectors.AddConnector(Lane(entry, 2), Lane(entry, 1));

    const Routing::CRouteableNode& node = *Lane(exit, 1);
    EXPECT_EQ(node.GetId(), Lane(exit, 1)->GetLaneId());
    EXPECT_EQ(node.GetGroup(), exit);
    EXPECT_TRUE(node.IsRouteEnd());
    EXPECT_FALSE(Lane(entry, 1)->IsRouteEnd());

    // Creation order, not key order; each edge leads back to the lanes.
    auto incoming = node.CreateIncomingEdgeIter();
    Routing::CRouteableEdge* e = incoming->First();
    ASSERT_EQ(e, static_cast<Routing::CRouteableEdge*>(second));
    EXPECT_EQ(e->GetFromNode(), static_cast<Routing::CRouteableNode*>(Lane(entry, 2)));
    EXPECT_EQ(e->GetToNode(), &node);
    EXPECT_EQ(incoming->Next(), static_cast<Routing::CRouteableEdge*>(first));
    EXPECT_EQ(incoming->Next(), nullptr);
    EXPECT_EQ(incoming->Next(), nullptr) << "stays at the end";
    EXPECT_EQ(incoming->First(), static_cast<Routing::CRouteableEdge*>(second)) << "restartable";

    auto outgoing = Lane(entry, 2)->CreateOutgoingEdgeIter();
    EXPECT_EQ(outgoing->First(), static_cast<Routing::CRouteableEdge*>(second));
    EXPECT_EQ(outgoing->Next(), static_cast<Routing::CRouteableEdge*>(change));
    EXPECT_EQ(outgoing->Next(), nullptr);
    EXPECT_EQ(Lane(exit, 1)->CreateOutgoingEdgeIter()->First(), nullptr);
}

} // namespace
