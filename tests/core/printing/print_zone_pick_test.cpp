// Picking among overlapping print zones, and where a dragged zone goes.
#include "printing/print_page.h"
#include "printing/print_zone_pick.h"

#include <gtest/gtest.h>

namespace
{

using H = EPrintZoneHit;

// Page 1 a large zone, page 2 nested inside it, page 3 beside both.
class PrintZonePickTest : public testing::Test
{
protected:
    PrintZonePickTest()
    {
        outer->GetPrintZone().SetRect(0, 0, 1000, 800);
        inner->GetPrintZone().SetRect(200, 200, 400, 400);
        beside->GetPrintZone().SetRect(2000, 0, 2500, 500);
    }

    CPrintPages pages;
    CPrintPage* outer = pages.AddPage();
    CPrintPage* inner = pages.AddPage();
    CPrintPage* beside = pages.AddPage();
};

// Edges come before bodies, the smallest body is taken, and where edges touch the current
// page keeps its handle.
TEST_F(PrintZonePickTest, EdgesBeforeBodiesTheSmallestBodyAndTheCurrentPageFirst)
{
    const CPrintZonePick pick = PickPrintZone(pages, 0, {300, 300});
    EXPECT_EQ(pick.pageId, inner->GetId());
    EXPECT_EQ(pick.hit, H::Body);
    // Even with the outer zone current: its body gives way to the nested zone.
    EXPECT_EQ(PickPrintZone(pages, outer->GetId(), {300, 300}).pageId, inner->GetId());
    EXPECT_EQ(PickPrintZone(pages, 0, {600, 600}).pageId, outer->GetId());
    // The nested zone's left edge lies inside the outer zone's body.
    const CPrintZonePick edge = PickPrintZone(pages, outer->GetId(), {195, 300});
    EXPECT_EQ(edge.pageId, inner->GetId());
    EXPECT_EQ(edge.hit, H::Left);

    beside->GetPrintZone().SetRect(1000, 0, 1500, 800);
    EXPECT_EQ(PickPrintZone(pages, 0, {1000, 400}).pageId, outer->GetId());
    const CPrintZonePick current = PickPrintZone(pages, beside->GetId(), {1000, 400});
    EXPECT_EQ(current.pageId, beside->GetId());
    EXPECT_EQ(current.hit, H::Left);
}

TEST(DraggedPrintZoneRectTest, BodySnapsAtItsCornerAndHandlesNeverTurnItInsideOut)
{
    const CRect start{100, 100, 300, 200};
    EXPECT_EQ(DraggedPrintZoneRect(start, H::Body, {150, 150}, {187, 141}, 0, start),
              (CRect{137, 91, 337, 191}));
    // Grid 50: the corner 137, 91 goes to 150, 100; the size stays.
    EXPECT_EQ(DraggedPrintZoneRect(start, H::Body, {150, 150}, {187, 141}, 50, start),
              (CRect{150, 100, 350, 200}));
    // Negative halves round away from zero.
    EXPECT_EQ(DraggedPrintZoneRect(start, H::Body, {100, 100}, {-25, -26}, 50, start),
              (CRect{-50, -50, 150, 50}));

    EXPECT_EQ(DraggedPrintZoneRect(start, H::BottomRight, {300, 200}, {420, 260}, 0, start),
              (CRect{100, 100, 420, 260}));
    EXPECT_EQ(DraggedPrintZoneRect(start, H::Left, {100, 150}, {900, 150}, 0, start),
              (CRect{300 - MinimumPrintZoneSize, 100, 300, 200}));

    // A zone that would leave the limits stays where it is.
    const CRect current{110, 100, 310, 200};
    EXPECT_EQ(DraggedPrintZoneRect(start, H::Body, {0, 0}, {PrintZoneCoordinateLimit - 150, 0}, 0,
                                   current),
              current);
    EXPECT_EQ(DraggedPrintZoneRect(start, H::Right, {0, 0}, {PrintZoneCoordinateLimit + 5, 150}, 0,
                                   current),
              current);
}

} // namespace
