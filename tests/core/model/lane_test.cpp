// Lanes: the program-wide id counter, numbering within an arm, neighbours, deletion with its
// connectors, the changed notification and the short-lane length bounds.
#include "model/network.h"
#include "recording_observer.h"

#include <cstdlib>
#include <gtest/gtest.h>

using TestSupport::AddArm;
using TestSupport::Lane;

namespace
{
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

TEST(LaneNumbering, InsertLeftOrRightOfALaneWithoutGapsAndNeighbours)
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
    // Neighbours follow the numbers; the ends have none.
    EXPECT_EQ(old1->GetLeftNeighbour(), nullptr);
    EXPECT_EQ(old1->GetRightNeighbour(), left);
    EXPECT_EQ(left->GetLeftNeighbour(), old1);
    EXPECT_EQ(right->GetRightNeighbour(), nullptr);
    ASSERT_TRUE(lanes.DeleteLane(2));
    EXPECT_EQ(old1->GetRightNeighbour(), old2);
}

TEST(LaneDeletion, RemovesEveryConnectorOfTheLaneThroughTheConnectorHook)
{
    CNetwork network;
    CRecordingObserver observer;
    network.AddObserver(&observer);
    const TestSupport::CNetworkBuilder built =
        TestSupport::CNetworkBuilder(network).Arms({1, 3}).Connect(
            "1.1>2.2>2.3 2.1>2.2>1.1 2.1>2.3");
    CArm* other = built.Arm(1);
    CArm* arm = built.Arm(2);
    CCarouselLaneConnectors& connectors = network.GetLaneConnectors();
    CCarouselLaneConnector* kept = connectors.FindConnector(Lane(arm, 1), Lane(arm, 3));
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

// A lane between `parent` and `other`, on either side; lengths 0 mean "no such lane", 9999
// infinitely long. A lane change into `other` from the lane counts only from the parent side.
TEST(ShortLaneRange, BoundsFromTheNeighbours)
{
    const struct
    {
        const char* name;
        std::int32_t parentLength;
        std::int32_t otherLength;
        bool otherFedTowardsParent;
        CLaneLengthRange expected;
    } cases[] = {
        {"infinite parent, no short other", 9999, 9999, false, {1, 1000}},
        {"short parent caps the length", 30, 9999, false, {1, 30}},
        {"no neighbours", 0, 0, false, {1, 1000}},
        {"fed short other raises the floor", 9999, 12, true, {12, 1000}},
        {"unfed short other does not", 9999, 12, false, {1, 1000}},
        {"fed infinite other does not", 9999, 9999, true, {1, 1000}},
        {"both short", 40, 12, true, {12, 40}},
    };
    for (const auto& c : cases) {
        for (bool parentOnLeft : {true, false}) {
            SCOPED_TRACE(testing::Message() << c.name << (parentOnLeft ? ", left" : ", right"));
            CNetwork network;
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
}

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
