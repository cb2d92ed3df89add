// Segment bearings and points, and where a text along a segment goes.
#include "support/recording_surface.h"
#include "view/segment_text.h"

#include <gtest/gtest.h>

using TestSupport::CRecordingSurface;

namespace
{
// Exact equality: cardinal directions must come out as whole degrees, or a segment pointing
// down would read 359.99999 and turn its texts over.
TEST(Segment, BearingIsReducedIntoZeroTo360)
{
    const std::pair<CSegment, double> cases[] = {
        {{10, 10, 10, 50}, 0.0},   {{10, 10, -30, 10}, 90.0}, {{10, 50, 10, 10}, 180.0},
        {{10, 10, 50, 10}, 270.0}, {{0, 0, -10, 10}, 45.0},   {{0, 0, -10, -10}, 135.0},
        {{0, 0, 10, 10}, 315.0},   {{5, 5, 5, 5}, 90.0}, // no length: horizontal
    };
    for (const auto& [segment, bearing] : cases) {
        EXPECT_EQ(segment.Bearing(), bearing) << segment.X1() << "," << segment.Y1();
    }
}

TEST(Segment, SetBearingKeepsFirstPointAndLength)
{
    CSegment s(100, 100, 130, 140); // length 50
    s.SetBearing(90.0);
    EXPECT_EQ(s.X0(), 100.0);
    EXPECT_EQ(s.Y0(), 100.0);
    EXPECT_NEAR(s.X1(), 50.0, 1e-9);
    EXPECT_NEAR(s.Y1(), 100.0, 1e-9);
    s.SetBearing(180.0);
    EXPECT_EQ(s.Bearing(), 180.0);
}

TEST(Segment, PointAtRunsAlongAndAcrossAndRounds)
{
    // Bearing 90: along runs left, across (a quarter turn clockwise) runs up.
    const CSegment s(200, 100, 100, 100);
    EXPECT_EQ(s.PointAt(0, 0), (CPoint{200, 100}));
    EXPECT_EQ(s.PointAt(0, 30), (CPoint{170, 100}));
    EXPECT_EQ(s.PointAt(10, 0), (CPoint{200, 90}));
    EXPECT_EQ(s.PointAt(0, 30.5), (CPoint{170, 100})); // 169.5 + 0.5 truncates to 170
    EXPECT_EQ(s.PointAt(0, 30.6), (CPoint{169, 100}));
    EXPECT_EQ(s.PointAtPercent(50), (CPoint{150, 100}));
    // Bearing 0 (down): across runs left.
    EXPECT_EQ(CSegment(0, 0, 0, 100).PointAt(10, 20), (CPoint{-9, 20})); // -10 + 0.5 truncates
}

// Leftwards (bearing 90, across up) and rightwards (bearing 270, across down) segments of
// length 100 through y = 100.
const CSegment Leftwards(200, 100, 100, 100);
const CSegment Rightwards(100, 100, 200, 100);
using namespace TextAlign;

TEST(SegmentText, ReferenceAndAlignmentOfEachPlacement)
{
    const struct
    {
        const char* name;
        CSegment segment;
        unsigned placement;
        double inset;
        CPoint reference;
        unsigned align;
    } cases[] = {
        // The arm label: always 6 to the negative-across side; only the alignment changes.
        {"ArmLabelUpper", Leftwards, 3, 15, {150, 106}, Top | Center},
        {"ArmLabelTurned", Rightwards, 3, 15, {150, 94}, Bottom | Center},
        // The label: baseline, positive-across below 180, negative-across otherwise.
        {"LabelUpper", Leftwards, 16, 0, {150, 94}, Baseline | Center},
        {"LabelTurned", Rightwards, 16, 0, {150, 94}, Baseline | Center},
        {"BelowIsPlainBottom", Leftwards, 0, 0, {150, 94}, Bottom | Center},
        {"AboveTurned", Rightwards, 1, 0, {150, 106}, Top | Center},
        {"BelowUprightTurned", Rightwards, 2, 0, {150, 106}, Top | Center},
        {"Position12IsCentred", Leftwards, 12, 0, {150, 94}, Bottom | Center},
        {"AtStartUpperIsRightAligned", Leftwards, 4, 15, {185, 94}, Bottom | Right},
        {"AtStartTurnedIsLeftAligned", Rightwards, 4, 15, {115, 94}, Bottom | Left},
        {"AtEndUpperIsLeftAligned", Leftwards, 8 | 1, 15, {115, 106}, Top | Left},
        {"AtEndTurnedIsRightAligned", Rightwards, 8 | 1, 15, {185, 106}, Top | Right},
        {"BaselineLeavesTopAlone", Leftwards, 16 | 1, 0, {150, 106}, Top | Center},
    };
    for (const auto& c : cases) {
        const CSegmentTextLayout layout = LayoutSegmentText(c.segment, c.placement, c.inset);
        EXPECT_EQ(layout.reference, c.reference) << c.name;
        EXPECT_EQ(layout.align, c.align) << c.name;
    }
}

TEST(SegmentText, WritesTransparentWithUprightFontAndRestores)
{
    CRecordingSurface surface;
    surface.SetTextColor(0x123456);
    surface.calls.clear();
    DrawSegmentText(surface, nullptr, CSegment(100, 50, 100, 150), "X7", 30, 0x0000FF, 3, 15);
    // Bearing 0, keep upright: escapement (90 - 0) x 10.
    EXPECT_EQ(surface.calls, (std::vector<std::string>{
                                 "TextColour 0x0000ff", "Font height=30 esc=900", "Align 6",
                                 "BkMode 1", "TextOut 106,100 align=6 colour=0x0000ff esc=900 'X7'",
                                 "Font height=0 esc=0", "TextColour 0x123456"}));
}

TEST(SegmentText, BoundsModeWritesNothingAndAddsTheTurnedBox)
{
    CRecordingSurface surface;
    CBounds bounds;
    // Horizontal text "E1" of height 30 is 30 wide with the fixed-width measurer; centred
    // boxes reach trunc(w / 2) + 1 either way, top-aligned ones hang below the reference.
    DrawSegmentText(surface, &bounds, Leftwards, "E1", 30, 0, 3, 15);
    EXPECT_TRUE(surface.calls.empty());
    EXPECT_EQ(bounds.GetRect(), (CRect{134, 106, 167, 137}));

    // On a segment pointing up (bearing 180) the upright text is turned to read upwards;
    // bottom-aligned 6 to the left of the line, it lies left of its reference point.
    CBounds turned;
    DrawSegmentText(surface, &turned, CSegment(100, 200, 100, 100), "E1", 30, 0, 3, 15);
    EXPECT_EQ(turned.GetRect(), (CRect{64, 134, 95, 167}));
}

} // namespace
