// Hit codes of a print zone at the tolerance and one unit beyond it, and resizing by them.
#include "case_name.h"
#include "printing/print_zone_hit.h"

#include <gtest/gtest.h>

namespace
{
using TestSupport::PrintTo;

using H = EPrintZoneHit;
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

INSTANTIATE_TEST_SUITE_P(
    TenAndElevenUnits, PrintZoneHitTest,
    testing::Values(
        HitCase{"TopLeftAt10", {90, 190}, H::TopLeft},
        HitCase{"TopLeftInsideAt10", {110, 210}, H::TopLeft},
        HitCase{"TopLeftAt11", {89, 190}, H::None},
        HitCase{"TopRightAt10", {510, 190}, H::TopRight},
        HitCase{"BottomLeftAt10", {90, 410}, H::BottomLeft},
        HitCase{"BottomLeftAt11", {90, 411}, H::None},
        HitCase{"BottomRightAt10", {510, 410}, H::BottomRight},
        HitCase{"BottomRightAt11", {511, 411}, H::None}, HitCase{"LeftAt10", {90, 300}, H::Left},
        HitCase{"LeftAt11", {89, 300}, H::None}, HitCase{"LeftAt11Inside", {111, 300}, H::Body},
        HitCase{"TopAt10", {300, 190}, H::Top}, HitCase{"TopAt11", {300, 189}, H::None},
        HitCase{"RightAt10", {490, 300}, H::Right}, HitCase{"RightAt11", {489, 300}, H::Body},
        HitCase{"BottomAt10", {300, 410}, H::Bottom}, HitCase{"BottomAt11", {300, 389}, H::Body},
        HitCase{"JustPastTheCornerIsTheEdge", {100, 211}, H::Left}),
    CaseName());

struct ResizeCase
{
    const char* Name;
    CRect From;
    EPrintZoneHit Handle;
    CPoint To;
    CRect Expected;
};

class PrintZoneResizeTest : public testing::TestWithParam<ResizeCase>
{};

TEST_P(PrintZoneResizeTest, GrabbedEdgesFollowThePointButNeverCross)
{
    EXPECT_EQ(ResizePrintZoneRect(GetParam().From, GetParam().Handle, GetParam().To),
              GetParam().Expected);
}

const CRect Thin{100, 100, 105, 300}; // as a file may store it
INSTANTIATE_TEST_SUITE_P(
    Handles, PrintZoneResizeTest,
    testing::Values(
        ResizeCase{"LeftOut", Zone, H::Left, {40, 999}, {40, 200, 500, 400}},
        ResizeCase{"BottomIn", Zone, H::Bottom, {0, 300}, {100, 200, 500, 300}},
        ResizeCase{"TopLeftMovesTwoEdges", Zone, H::TopLeft, {0, 0}, {0, 0, 500, 400}},
        ResizeCase{"TopRight", Zone, H::TopRight, {450, 150}, {100, 150, 450, 400}},
        ResizeCase{"LeftPastTheRightStopsShort", Zone, H::Left, {900, 0}, {478, 200, 500, 400}},
        ResizeCase{"TopPastTheBottomStopsShort", Zone, H::Top, {0, 1000}, {100, 378, 500, 400}},
        ResizeCase{"CornerInsideOut", Zone, H::BottomRight, {-50, -50}, {100, 200, 122, 222}},
        ResizeCase{"BodyIsNoHandle", Zone, H::Body, {0, 0}, Zone},
        ResizeCase{"TooThinDoesNotShrink", Thin, H::Left, {103, 0}, Thin},
        ResizeCase{"TooThinGrows", Thin, H::Left, {50, 0}, {50, 100, 105, 300}}),
    CaseName());

TEST(PrintZoneResizeTest, SmallestZoneStillHasABodyToGrab)
{
    const CRect smallest{0, 0, MinimumPrintZoneSize, MinimumPrintZoneSize};
    EXPECT_EQ(HitTestPrintZone(smallest, {11, 11}), H::Body);
}

} // namespace
