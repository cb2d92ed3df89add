// Hit codes of a print zone at the tolerance and one unit beyond it, and resizing by them.
#include "printing/print_zone_hit.h"

#include <gtest/gtest.h>

namespace
{

const CRect Zone{100, 200, 500, 400};

struct HitCase
{
    const char* Name;
    CPoint Point;
    EPrintZoneHit Hit;
};

class PrintZoneHitTest : public testing::TestWithParam<HitCase>
{};

TEST_P(PrintZoneHitTest, CodeOfThePoint)
{
    EXPECT_EQ(HitTestPrintZone(Zone, GetParam().Point), GetParam().Hit);
}

using H = EPrintZoneHit;
INSTANTIATE_TEST_SUITE_P(
    TenAndElevenUnits, PrintZoneHitTest,
    testing::Values(HitCase{"TopLeftAt10", {90, 190}, H::TopLeft},
                    HitCase{"TopLeftInsideAt10", {110, 210}, H::TopLeft},
                    HitCase{"TopLeftAt11", {89, 190}, H::None},
                    HitCase{"TopRightAt10", {510, 190}, H::TopRight},
                    HitCase{"TopRightAt11", {511, 189}, H::None},
                    HitCase{"BottomLeftAt10", {90, 410}, H::BottomLeft},
                    HitCase{"BottomLeftAt11", {90, 411}, H::None},
                    HitCase{"BottomRightAt10", {510, 410}, H::BottomRight},
                    HitCase{"BottomRightAt11", {511, 411}, H::None},
                    HitCase{"LeftAt10", {90, 300}, H::Left},
                    HitCase{"LeftAt11Outside", {89, 300}, H::None},
                    HitCase{"LeftAt11Inside", {111, 300}, H::Body},
                    HitCase{"TopAt10", {300, 190}, H::Top},
                    HitCase{"TopAt11", {300, 189}, H::None},
                    HitCase{"RightAt10", {490, 300}, H::Right},
                    HitCase{"RightAt11", {489, 300}, H::Body},
                    HitCase{"BottomAt10", {300, 410}, H::Bottom},
                    HitCase{"BottomAt11", {300, 389}, H::Body},
                    HitCase{"JustPastTheCornerIsTheEdge", {100, 211}, H::Left},
                    HitCase{"OnTheLeftLineBeyondTheEnds", {100, 411}, H::None},
                    HitCase{"Centre", {300, 300}, H::Body},
                    HitCase{"FarAway", {-5000, 300}, H::None}),
    [](const testing::TestParamInfo<HitCase>& paramInfo) { return paramInfo.param.Name; });

TEST(PrintZoneHitTest, CornersWinOverEdgesOnAZoneAsSmallAsTheTolerance)
{
    const CRect small{0, 0, 15, 15};
    EXPECT_EQ(HitTestPrintZone(small, {7, 7}), H::TopLeft);
    EXPECT_EQ(HitTestPrintZone(small, {12, 3}), H::TopRight);
    // The smallest zone resizing leaves still has a body to grab.
    const CRect smallest{0, 0, MinimumPrintZoneSize, MinimumPrintZoneSize};
    EXPECT_EQ(HitTestPrintZone(smallest, {11, 11}), H::Body);
}

struct ResizeCase
{
    const char* Name;
    EPrintZoneHit Handle;
    CPoint To;
    CRect Expected;
};

class PrintZoneResizeTest : public testing::TestWithParam<ResizeCase>
{};

TEST_P(PrintZoneResizeTest, GrabbedEdgesFollowThePointButNeverCross)
{
    const CRect resized = ResizePrintZoneRect(Zone, GetParam().Handle, GetParam().To);
    EXPECT_EQ(resized, GetParam().Expected);
    EXPECT_GE(resized.Width(), MinimumPrintZoneSize);
    EXPECT_GE(resized.Height(), MinimumPrintZoneSize);
}

INSTANTIATE_TEST_SUITE_P(
    Handles, PrintZoneResizeTest,
    testing::Values(ResizeCase{"LeftOut", H::Left, {40, 999}, {40, 200, 500, 400}},
                    ResizeCase{"TopIn", H::Top, {999, 250}, {100, 250, 500, 400}},
                    ResizeCase{"RightOut", H::Right, {700, 0}, {100, 200, 700, 400}},
                    ResizeCase{"BottomIn", H::Bottom, {0, 300}, {100, 200, 500, 300}},
                    ResizeCase{"TopLeftMovesTwoEdges", H::TopLeft, {0, 0}, {0, 0, 500, 400}},
                    ResizeCase{"BottomRightMovesTwoEdges", H::BottomRight, {600, 450},
                               {100, 200, 600, 450}},
                    ResizeCase{"TopRight", H::TopRight, {450, 150}, {100, 150, 450, 400}},
                    ResizeCase{"BottomLeft", H::BottomLeft, {150, 350}, {150, 200, 500, 350}},
                    ResizeCase{"LeftPastTheRightStopsShort", H::Left, {900, 0}, {478, 200, 500, 400}},
                    ResizeCase{"RightOntoTheLeftStopsShort", H::Right, {100, 0}, {100, 200, 122, 400}},
                    ResizeCase{"TopPastTheBottom", H::Top, {0, 1000}, {100, 378, 500, 400}},
                    ResizeCase{"CornerInsideOut", H::BottomRight, {-50, -50}, {100, 200, 122, 222}},
                    ResizeCase{"BodyIsNoHandle", H::Body, {0, 0}, Zone},
                    ResizeCase{"NothingIsNoHandle", H::None, {0, 0}, Zone}),
    [](const testing::TestParamInfo<ResizeCase>& paramInfo) { return paramInfo.param.Name; });

TEST(PrintZoneResizeTest, ZoneAlreadyTooSmallOnlyGrows)
{
    const CRect thin{100, 100, 105, 300}; // as a file may store it
    EXPECT_EQ(ResizePrintZoneRect(thin, H::Left, {103, 0}), thin);
    EXPECT_EQ(ResizePrintZoneRect(thin, H::Right, {90, 0}), thin);
    EXPECT_EQ(ResizePrintZoneRect(thin, H::Left, {50, 0}), (CRect{50, 100, 105, 300}));
}

} // namespace
