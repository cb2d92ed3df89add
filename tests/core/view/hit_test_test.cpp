// What a point of the plan hits, in the view's order; snapping, the plan's limits and drags.
#include "model/label.h"
#include "network_builder.h"
#include "support/recording_surface.h"
#include "view/drag.h"
#include "view/hit_test.h"
#include "view/od_matrix_graphics.h"
#include "view/plan_limits.h"

#include <gtest/gtest.h>

namespace
{
TEST(Grid, SnappingTakesHalvesAwayFromZeroAndPlanLimitsIncludeBothEnds)
{
    const struct
    {
        double value;
        int grid;
        double snapped;
    } cases[] = {
        {149, 100, 100},   {150, 100, 200}, {-150, 100, -200},
        {-149, 100, -100}, {12.5, 25, 0}, // an odd grid's half is truncated
        {13, 25, 25},      {149, 0, 149},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SnapToGrid(c.value, c.grid), c.snapped) << c.value << " on " << c.grid;
    }
    EXPECT_TRUE(IsWithinPlanLimits(27767));
    EXPECT_TRUE(IsWithinPlanLimits(-27767));
    EXPECT_FALSE(IsWithinPlanLimits(27768));
    EXPECT_FALSE(IsWithinPlanLimits(-27767.5));
}

// A segment 1000 long pointing down the screen from (1000, 1000).
TEST(SegmentHit, EndsWithinFifteenThenBodyByWholePercent)
{
    const CSegment segment(1000, 1000, 1000, 2000);
    EGrabPart part = EGrabPart::Body;
    ASSERT_TRUE(HitSegment(segment, {1000, 1015}, part));
    EXPECT_EQ(part, EGrabPart::FirstPoint) << "15 from the end grabs it";
    ASSERT_TRUE(HitSegment(segment, {1000, 1016}, part));
    EXPECT_EQ(part, EGrabPart::Body) << "16 along grabs the body";
    ASSERT_TRUE(HitSegment(segment, {1010, 1989}, part));
    EXPECT_EQ(part, EGrabPart::SecondPoint);
    EXPECT_TRUE(HitSegment(segment, {1015, 1500}, part));
    EXPECT_FALSE(HitSegment(segment, {1016, 1500}, part)) << "16 across is off the line";
    EXPECT_FALSE(HitSegment(segment, {1000, 2020}, part)) << "beyond the second point";
    EXPECT_FALSE(HitSegment(segment, {1000, 980}, part)) << "beyond the first point";
    // On a long segment the percentage is truncated: 99.4 % from the second point is still
    // the body, and the last percent before the second point (0 %) is nothing.
    EXPECT_TRUE(HitSegment(CSegment(0, 0, 0, 10000), {0, 60}, part));
    EXPECT_EQ(part, EGrabPart::Body);
    EXPECT_FALSE(HitSegment(CSegment(0, 0, 0, 10000), {0, 9950}, part));
}

// Arm 1: two lanes from (1000, 1000) down to (1000, 2000); with the arm text height 30 a lane is
// 36 wide, lane 2 between x 946 and 982, lane 1 between 910 and 946; the stop-line box runs
// 108 down from y 1000 and the far-end box 108 up from y 2000. Arm 2: one lane, at x 3000.
class HitOrder : public testing::Test
{
protected:
    HitOrder()
    {
        arm1->SetPoints({1000, 1000}, {1000, 2000});
        arm2->SetPoints({3000, 1000}, {3000, 2000});
        context.program = &program;
        context.network = &settings;
    }
    CHitResult Hit(CPoint p) const
    {
        return CNetworkHitTester(network, labels, odMatrix, context, surface).HitTest(p);
    }

    CNetwork network;
    CArm* arm1 = TestSupport::AddArm(network, 2);
    CArm* arm2 = TestSupport::AddArm(network, 1);
    CLabels labels;
    CODMatrixGraphics odMatrix;
    ProgramSettings program;
    NetworkSettings settings;
    CRenderContext context;
    TestSupport::CRecordingSurface surface;
};

TEST_F(HitOrder, LanesByTheirStripAndEndBoxes)
{
    const std::uint32_t lane1 = TestSupport::Lane(arm1, 1)->GetLaneId();
    const std::uint32_t lane2 = TestSupport::Lane(arm1, 2)->GetLaneId();
    EXPECT_EQ(Hit({960, 1050}), (CHitResult{.kind = EHitKind::Lane,
                                            .id = lane2,
                                            .armId = arm1->GetId(),
                                            .laneZone = ELaneZone::StopLine}));
    EXPECT_EQ(Hit({930, 1500}).id, lane1);
    EXPECT_EQ(Hit({930, 1500}).laneZone, ELaneZone::Middle);
    EXPECT_EQ(Hit({930, 1107}).laneZone, ELaneZone::StopLine);
    EXPECT_EQ(Hit({930, 1108}).laneZone, ELaneZone::Middle);
    EXPECT_EQ(Hit({930, 1892}).laneZone, ELaneZone::FarEnd);
    EXPECT_EQ(Hit({946, 1500}).kind, EHitKind::None) << "the shared side is in neither strip";
    EXPECT_EQ(Hit({930, 999}).kind, EHitKind::None) << "before the stop line";
    EXPECT_EQ(Hit({930, 2000}).kind, EHitKind::None) << "the far end is not in the lane";
    EXPECT_EQ(Hit({1000, 1500}).kind, EHitKind::Arm);
}

TEST_F(HitOrder, AssessorsFirstZonesAndTheShownMatrixLast)
{
    CCapacityAssessor* assessor = network.GetCapacityAssessors().InsertCapacityAssessor(1);
    assessor->GetGraphics() = {930, 1500, false};
    // Drawn on top of a lane, the assessor is what the click finds.
    EXPECT_EQ(Hit({930, 1500}),
              (CHitResult{.kind = EHitKind::CapacityAssessor, .id = assessor->GetId()}));

    CZone* zone = network.GetZones().InsertZone(1);
    zone->SetEntryArm(arm2);
    // The zone's rectangle reaches 15 + 15 + 16 beyond the arm's segment.
    EXPECT_EQ(Hit({3010, 1500}).kind, EHitKind::Arm);
    EXPECT_EQ(Hit({3040, 1500}), (CHitResult{.kind = EHitKind::Zone, .id = zone->GetId()}));

    odMatrix.SetPosition(5000, 5000);
    EXPECT_EQ(Hit({5010, 5010}).kind, EHitKind::None) << "not shown";
    context.switches.showODMatrix = true;
    EXPECT_EQ(Hit({5010, 5010}).kind, EHitKind::ODMatrix);
}

TEST_F(HitOrder, LabelsByTheirMeasuredTextEitherWayUp)
{
    // Text height 40: the fixed-width measurer makes "ABCD" 80 wide, 40 high.
    CLabel* label = labels.InsertLabel(1);
    label->SetText("ABCD");
    label->SetTextHeight(40);
    // Along a segment pointing left (bearing 90) the text stands above it (negative y).
    label->SetSegment({6000, 500}, {5000, 500});
    EXPECT_EQ(Hit({5500, 480}), (CHitResult{.kind = EHitKind::Label, .id = label->GetId()}));
    EXPECT_EQ(Hit({5539, 470}).kind, EHitKind::Label);
    EXPECT_EQ(Hit({5545, 480}).kind, EHitKind::None) << "beyond half the text width";
    EXPECT_EQ(Hit({5500, 520}).kind, EHitKind::None) << "below the segment";
    EXPECT_EQ(Hit({5010, 500}).part, EGrabPart::SecondPoint);

    // Turned past 180 degrees (pointing right) the text is written upright above it too.
    label->SetSegment({5000, 500}, {6000, 500});
    EXPECT_EQ(Hit({5500, 480}).kind, EHitKind::Label);
    EXPECT_EQ(Hit({5500, 520}).kind, EHitKind::None);
}

TEST_F(HitOrder, ConnectorsOnTheirLineButNotLaneChanges)
{
    CCarouselLaneConnector* join = network.GetLaneConnectors().AddConnector(
        TestSupport::Lane(arm1, 1), TestSupport::Lane(arm2, 1));
    network.GetLaneConnectors().AddConnector(TestSupport::Lane(arm1, 2),
                                             TestSupport::Lane(arm1, 1));
    // From the stop-line midpoint of lane 1.1 (928, 1000) to the far end of lane 2.1 (2964, 2000).
    const CHitResult hit = Hit({1946, 1500});
    EXPECT_EQ(hit.kind, EHitKind::Connector);
    EXPECT_EQ(hit.id, join->GetFromLane()->GetLaneId());
    EXPECT_EQ(hit.toLaneId, join->GetToLane()->GetLaneId());
    EXPECT_EQ(Hit({964, 970}).kind, EHitKind::None) << "the lane change has no line to click";
}

TEST(DragRule, BodyMovesBothPointsAnEndOnlyItselfAndAnAxisStopsAtThePlanLimits)
{
    const CDragPoints start{{1000, 1000}, {1000, 2000}};
    const CDragGrab body({1000, 1500}, EGrabPart::Body, start);
    EXPECT_EQ(body.PointsFor({1149, 1500}, 100, start), (CDragPoints{{1100, 1000}, {1100, 2000}}))
        << "the grabbed first point snaps, the second keeps its distance";
    EXPECT_EQ(body.PointsFor({1150, 1537}, 0, start), (CDragPoints{{1150, 1037}, {1150, 2037}}));

    const CDragGrab end({1005, 2003}, EGrabPart::SecondPoint, start);
    EXPECT_EQ(end.PointsFor({1205, 2003}, 0, start), (CDragPoints{{1000, 1000}, {1200, 2000}}))
        << "the grab offset is kept";

    // Near the plan's limits: the second point would pass 27767 on x, so x stays and y still
    // follows the mouse.
    const CDragPoints far{{27000, 0}, {27500, 0}};
    const CDragGrab farBody({27000, 0}, EGrabPart::Body, far);
    const CDragPoints current{{27200, 0}, {27700, 0}};
    EXPECT_EQ(farBody.PointsFor({27300, 500}, 0, current),
              (CDragPoints{{27200, 500}, {27700, 500}}));
    // An end grab is limited by that end only.
    const CDragGrab first({27200, 0}, EGrabPart::FirstPoint, current);
    EXPECT_EQ(first.PointsFor({-27767, -40000}, 0, current),
              (CDragPoints{{-27767, 0}, {27700, 0}}));
}

} // namespace
