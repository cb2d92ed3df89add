// Hit codes of a print zone at the tolerance and one unit beyond it, and resizing by them.
#include "printing/print_zone_hit.h"

#include <gtest/gtest.h>

namespace
{

using H = EPrintZoneHit;
const CRect Zone{100, 200, 500, 400};

TEST(PrintZoneHitTest, CodeOfPointsTenAndElevenUnitsFromTheOutline)
{
    // Corners and edges reach 10 units either side of the outline; 11 inside is the body.
    const std::pair<CPoint, EPrintZoneHit> cases[] = {
        {{90, 190}, H::TopLeft},      {{110, 210}, H::TopLeft},
        {{89, 190}, H::None},         {{510, 190}, H::TopRight},
        {{90, 410}, H::BottomLeft},   {{90, 411}, H::None},
        {{510, 410}, H::BottomRight}, {{511, 411}, H::None},
        {{90, 300}, H::Left},         {{89, 300}, H::None},
        {{111, 300}, H::Body},        {{300, 190}, H::Top},
        {{300, 189}, H::None},        {{490, 300}, H::Right},
        {{489, 300}, H::Body},        {{300, 410}, H::Bottom},
        {{300, 389}, H::Body},        {{100, 211}, H::Left}, // just past the corner is the edge
    };
    for (const auto& [point, hit] : cases) {
        EXPECT_EQ(HitTestPrintZone(Zone, point), hit) << point.x << "," << point.y;
    }
    // The smallest zone still has a body to grab.
    EXPECT_EQ(HitTestPrintZone({0, 0, MinimumPrintZoneSize, MinimumPrintZoneSize}, {11, 11}),
              H::Body);
}

TEST(PrintZoneResizeTest, GrabbedEdgesFollowThePointButNeverCross)
{
    const CRect thin{100, 100, 105, 300}; // as a file may store it
    const struct
    {
        const char* name;
        CRect from;
        EPrintZoneHit handle;
        CPoint to;
        CRect expected;
    } cases[] = {
        {"LeftOut", Zone, H::Left, {40, 999}, {40, 200, 500, 400}},
        {"BottomIn", Zone, H::Bottom, {0, 300}, {100, 200, 500, 300}},
        {"TopLeftMovesTwoEdges", Zone, H::TopLeft, {0, 0}, {0, 0, 500, 400}},
        {"TopRight", Zone, H::TopRight, {450, 150}, {100, 150, 450, 400}},
        {"LeftPastTheRightStopsShort", Zone, H::Left, {900, 0}, {478, 200, 500, 400}},
        {"TopPastTheBottomStopsShort", Zone, H::Top, {0, 1000}, {100, 378, 500, 400}},
        {"CornerInsideOut", Zone, H::BottomRight, {-50, -50}, {100, 200, 122, 222}},
        {"BodyIsNoHandle", Zone, H::Body, {0, 0}, Zone},
        {"TooThinDoesNotShrink", thin, H::Left, {103, 0}, thin},
        {"TooThinGrows", thin, H::Left, {50, 0}, {50, 100, 105, 300}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ResizePrintZoneRect(c.from, c.handle, c.to), c.expected) << c.name;
    }
}

} // namespace
