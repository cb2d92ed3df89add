// Lane widths, offsets and drawn lengths, the queries that hit-testing shares with drawing.
#include "network_builder.h"
#include "view/lane_geometry.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{
constexpr int H = 30; // W = 36, T = 108, so no lane is drawn shorter than 324

constexpr std::int32_t Inf = InfiniteLaneLength;

TEST(LaneGeometry, DrawnLengthFollowsTheLaneLengths)
{
    const struct
    {
        const char* name;
        double armLength;
        std::vector<std::int32_t> lengths; // lane 1 first
        std::vector<int> drawn;
    } cases[] = {
        {"AllInfinitelyLongFillTheArm", 1000.7, {Inf, Inf, Inf}, {1000, 1000, 1000}},
        {"OneShortLaneIsFiveEighths", 1000, {20, Inf}, {625, 1000}},
        {"ShortLanesOfOneLengthAreFiveEighths", 1000, {20, 20, Inf}, {625, 625, 1000}},
        {"ShortLanesSpreadFromHalfToThreeQuarters", 1000, {10, 20, 30, Inf}, {500, 625, 750, 1000}},
        {"ShortArmKeepsTheMinimum", 200, {Inf, 20}, {324, 324}},
        {"ShortLaneOnAMediumArmStopsAtTheMinimum", 450, {15, Inf}, {324, 450}},
    };
    for (const auto& c : cases) {
        CNetwork network;
        CArm* arm = TestSupport::AddArm(network, static_cast<std::uint32_t>(c.lengths.size()));
        arm->SetPoints({100, 100}, {100, 100 + c.armLength});
        for (std::uint32_t n = 1; n <= c.lengths.size(); ++n) {
            TestSupport::Lane(arm, n)->SetLength(c.lengths[n - 1]);
        }
        std::vector<int> drawn;
        for (std::uint32_t n = 1; n <= c.lengths.size(); ++n) {
            drawn.push_back(DrawnLaneLength(*TestSupport::Lane(arm, n), H));
        }
        EXPECT_EQ(drawn, c.drawn) << c.name;
    }
}

TEST(LaneGeometry, OffsetsStackFromTheArmLineOutwards)
{
    EXPECT_EQ(LaneWidth(H), 36);
    EXPECT_EQ(LaneWidth(35), 42); // trunc(42.0), not 41.99...
    EXPECT_EQ(LaneCrossLine(H), 108);
    EXPECT_EQ(LaneOffset(3, 3, H), 54.0);  // lane N next to the arm line
    EXPECT_EQ(LaneOffset(1, 3, H), 126.0); // lane 1 outermost
    EXPECT_EQ(LaneOffset(1, 1, H), 54.0);
}

TEST(LaneGeometry, MidpointsOfStopLineAndFarEnd)
{
    CNetwork network;
    CArm* arm = TestSupport::AddArm(network, 2);
    // Bearing 90 (pointing left): across runs up the plan.
    arm->SetPoints({1000, 500}, {400, 500});
    const CLane& outer = *TestSupport::Lane(arm, 1);
    const CLane& inner = *TestSupport::Lane(arm, 2);
    // Lane 2: across 18..54, centre 36; lane 1: across 54..90, centre 72.
    EXPECT_EQ(LaneStopLineMidpoint(inner, H), (CPoint{1000, 464}));
    EXPECT_EQ(LaneStopLineMidpoint(outer, H), (CPoint{1000, 428}));
    EXPECT_EQ(LaneFarEndMidpoint(outer, H), (CPoint{400, 428}));
    TestSupport::Lane(arm, 1)->SetLength(50);
    EXPECT_EQ(LaneFarEndMidpoint(outer, H), (CPoint{625, 428}));
    EXPECT_EQ(LaneGeometryOf(outer, H).length, 375);
}

} // namespace
