// Lane edits that rewrite routes: bridging a deleted short lane, jumps over an added short lane,
// and converting lanes between short and infinitely long.
#include "case_name.h"
#include "model/lane_edits.h"
#include "route_fixture.h"
#include "routing/route_commands.h"

#include <gtest/gtest.h>

namespace
{
using TestSupport::PrintTo;

using namespace routetest;
using Paths_t = std::vector<std::string>;

// Arm 1 feeds the arm being edited, arm 2, which leaves to arm 3. Zone 1 enters by arm `from`,
// zone 2 leaves by arm `to`.
class LaneEditTest : public CRouteNetwork
{
protected:
    void Build(std::initializer_list<std::uint32_t> lanes, std::string_view paths,
               std::uint32_t from, std::uint32_t to)
    {
        TestSupport::CNetworkBuilder built(network);
        built.Arms(lanes).Connect(paths);
        if (from != 0) {
            built.Zone(from, 0).Zone(0, to);
        }
        first = built.Arm(1);
        edited = built.Arm(2);
        last = built.Arm(3);
    }
    Paths_t Routes()
    {
        BuildRoutes(network);
        return Paths(network);
    }

    CArm* first = nullptr;
    CArm* edited = nullptr;
    CArm* last = nullptr;
};

// Entry arm 2: long 1, short 2 between, long 3; lane 3 and lane 2 leave to the exit arm.
TEST_F(LaneEditTest, DeletedShortLaneIsBridgedAndFlowsStay)
{
    Build({1, 3, 2}, "2.1>2.2>2.3>3.1 2.2>3.2", 2, 3);
    Lane(edited, 2)->SetLength(20);
    ASSERT_EQ(Routes(), (Paths_t{"2.1>2.2>2.3>3.1", "2.1>2.2>3.2", "2.3>3.1"}));
    Route(1)->SetFlow(group, 40.0);
    const std::uint32_t id = Route(1)->GetId();

    ASSERT_TRUE(DeleteLane(*edited, 2));
    // The run through the short lane became one lane change; the route that left the arm from
    // the short lane itself had nowhere to go.
    EXPECT_EQ(Paths(network), (Paths_t{"2.1>2.2>3.1", "2.2>3.1"}));
    EXPECT_EQ(Route(1)->GetId(), id);
    EXPECT_DOUBLE_EQ(Route(1)->GetFlow(group), 40.0);
    EXPECT_NE(Find(edited, 1, edited, 2), nullptr);
    EXPECT_EQ(BuildRoutes(network), 0u);
}

TEST_F(LaneEditTest, BridgingOntoAnExistingRouteKeepsOnlyTheOlderOne)
{
    // 2.1 is already joined past the short lane (made short first, so the join stays).
    Build({1, 3, 1}, "", 2, 3);
    Lane(edited, 2)->SetLength(20);
    TestSupport::CNetworkBuilder(network).Connect("2.1>2.3 2.1>2.2>2.3>3.1");
    ASSERT_EQ(Routes(), (Paths_t{"2.1>2.3>3.1", "2.1>2.2>2.3>3.1", "2.3>3.1"}));
    Route(1)->SetFlow(group, 7.0);
    Route(2)->SetFlow(group, 9.0);

    ASSERT_TRUE(DeleteLane(*edited, 2));
    EXPECT_EQ(Paths(network), (Paths_t{"2.1>2.2>3.1", "2.2>3.1"}));
    EXPECT_DOUBLE_EQ(Route(1)->GetFlow(group), 7.0);
    EXPECT_FALSE(DeleteLane(*edited, 3));
}

TEST_F(LaneEditTest, DeletedLongLaneIsNotBridged)
{
    Build({1, 3, 1}, "2.1>2.2>2.3>3.1", 2, 3);
    ASSERT_EQ(Routes().size(), 3u);
    ASSERT_TRUE(DeleteLane(*edited, 2));
    EXPECT_EQ(Paths(network), (Paths_t{"2.2>3.1"}));
    EXPECT_EQ(Find(edited, 1, edited, 2), nullptr);
}

struct JumpCase
{
    const char* name;
    const char* laneChange; // numbered before the insert
    std::uint32_t jumping;  // number of the route on the lane change
    Paths_t before;
    Paths_t after;
};

class JumpTest : public LaneEditTest, public ::testing::WithParamInterface<JumpCase>
{};

// Entry arm with long lanes 1 and 2 joined by a lane change; lane 1 leaves to exit lane 1, lane
// 2 to exit lane 2. A short lane goes in between and takes the lane change over.
TEST_P(JumpTest, AddedShortLaneTakesTheLaneChangeOver)
{
    const JumpCase& c = GetParam();
    Build({1, 2, 2}, std::string(c.laneChange) + " 2.1>3.1 2.2>3.2", 2, 3);
    ASSERT_EQ(Routes(), c.before);
    Route(c.jumping)->SetFlow(group, 12.5);
    const std::uint32_t nearLane = c.laneChange[2] == '2' ? 3 : 1;
    const std::uint32_t farLane = 4 - nearLane;

    CCapacityLane* added = AddShortLane(*edited, 2, 15);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->GetLength(), 15);
    EXPECT_EQ(Paths(network), c.after);
    EXPECT_EQ(Find(edited, nearLane, edited, farLane), nullptr);
    EXPECT_NE(Find(edited, nearLane, edited, 2), nullptr);
    EXPECT_NE(Find(edited, 2, edited, farLane), nullptr);
    EXPECT_DOUBLE_EQ(Route(c.jumping)->GetFlow(group), 12.5);
}

const JumpCase kJumpCases[] = {
    {"LeftToRight",
     "2.1>2.2",
     1,
     {"2.1>2.2>3.2", "2.1>3.1", "2.2>3.2"},
     {"2.1>2.2>2.3>3.2", "2.1>3.1", "2.3>3.2"}},
    {"RightToLeft",
     "2.2>2.1",
     2,
     {"2.1>3.1", "2.2>2.1>3.1", "2.2>3.2"},
     {"2.1>3.1", "2.3>2.2>2.1>3.1", "2.3>3.2"}},
};

INSTANTIATE_TEST_SUITE_P(LaneEdits, JumpTest, ::testing::ValuesIn(kJumpCases), CaseName());

// Arm 2 is circulatory: fed by entry arm 1, leaving to exit arm 3. Its lane 3 becomes short,
// fed from lane 2, which is itself fed from lane 1: traffic from arm 1 now enters at lane 1.
TEST_F(LaneEditTest, ConvertToShortLaneReroutesEntriesAlongTheChain)
{
    Build({1, 3, 1}, "2.1>2.2 1.1>2.3>3.1", 1, 3);
    ASSERT_EQ(Routes(), (Paths_t{"1.1>2.3>3.1"}));
    Route(1)->SetFlow(group, 30.0);

    ASSERT_TRUE(ConvertToShortLane(*Lane(edited, 3), *Lane(edited, 2), 25));
    EXPECT_EQ(Lane(edited, 3)->GetLength(), 25);
    EXPECT_EQ(Paths(network), (Paths_t{"1.1>2.1>2.2>2.3>3.1"}));
    EXPECT_DOUBLE_EQ(Route(1)->GetFlow(group), 30.0);
    EXPECT_EQ(Find(first, 1, edited, 3), nullptr);
    EXPECT_NE(Find(first, 1, edited, 1), nullptr);
    EXPECT_EQ(BuildRoutes(network), 0u);
}

TEST_F(LaneEditTest, ConvertToShortLaneOnAnExitArmEndsAtTheChainStart)
{
    Build({1, 2, 1}, "1.1>2.2", 1, 2);
    ASSERT_EQ(Routes(), (Paths_t{"1.1>2.2"}));
    ASSERT_TRUE(ConvertToShortLane(*Lane(edited, 2), *Lane(edited, 1), 10));
    EXPECT_EQ(Paths(network), (Paths_t{"1.1>2.1"}));
    EXPECT_NE(Find(edited, 1, edited, 2), nullptr);
}

TEST_F(LaneEditTest, ConvertToShortLaneOnAnEntryArmStartsOnTheChainStart)
{
    Build({1, 2, 1}, "2.1>3.1 2.2>3.1", 2, 3);
    ASSERT_EQ(Routes(), (Paths_t{"2.1>3.1", "2.2>3.1"}));
    ASSERT_TRUE(ConvertToShortLane(*Lane(edited, 2), *Lane(edited, 1), 10));
    EXPECT_EQ(Paths(network), (Paths_t{"2.1>3.1", "2.1>2.2>3.1"}));
    EXPECT_EQ(BuildRoutes(network), 0u);
}

TEST_F(LaneEditTest, AddOrConvertToShortLaneRefusalsChangeNothing)
{
    Build({1, 3, 1}, "", 0, 0);
    EXPECT_EQ(AddShortLane(*edited, 2, InfiniteLaneLength), nullptr);
    EXPECT_EQ(AddShortLane(*edited, 5, 10), nullptr);
    EXPECT_EQ(edited->GetLanes().GetCount(), 3u);
    EXPECT_FALSE(ConvertToShortLane(*Lane(edited, 3), *Lane(edited, 1), 10)); // not beside it
    EXPECT_FALSE(ConvertToShortLane(*Lane(edited, 3), *Lane(edited, 2), InfiniteLaneLength));
    Lane(edited, 3)->SetLength(10);
    EXPECT_FALSE(ConvertToShortLane(*Lane(edited, 3), *Lane(edited, 2), 10)); // already short
    EXPECT_EQ(network.GetLaneConnectors().GetCount(), 0u);
}

// Circulatory arm 2: traffic from arm 1 enters lane 1 and crosses to short lane 2 before
// leaving; once lane 2 is infinitely long it is entered directly.
TEST_F(LaneEditTest, ConvertToInfinitelyLongLaneShortensTheCrossing)
{
    Build({1, 2, 1}, "1.1>2.1>2.2>3.1", 1, 3);
    Lane(edited, 2)->SetLength(40);
    ASSERT_EQ(Routes(), (Paths_t{"1.1>2.1>2.2>3.1"}));
    Route(1)->SetLocked(group, true);

    ASSERT_TRUE(ConvertToInfinitelyLongLane(*Lane(edited, 2)));
    EXPECT_FALSE(Lane(edited, 2)->IsShort());
    EXPECT_EQ(Paths(network), (Paths_t{"1.1>2.2>3.1"}));
    EXPECT_TRUE(Route(1)->IsLocked(group));
    EXPECT_EQ(Find(edited, 1, edited, 2), nullptr);
    EXPECT_FALSE(ConvertToInfinitelyLongLane(*Lane(edited, 2)));
}

TEST_F(LaneEditTest, ConvertToInfinitelyLongLaneDropsRoutesStartingOnTheArm)
{
    Build({1, 2, 1}, "2.1>2.2>3.1", 2, 3);
    Lane(edited, 2)->SetLength(40);
    ASSERT_EQ(Routes(), (Paths_t{"2.1>2.2>3.1"}));
    ASSERT_TRUE(ConvertToInfinitelyLongLane(*Lane(edited, 2)));
    EXPECT_EQ(network.GetRoutes().GetRouteCount(), 0u);
    EXPECT_EQ(BuildRoutes(network), 1u);
    EXPECT_EQ(Paths(network), (Paths_t{"2.2>3.1"}));
}

} // namespace
