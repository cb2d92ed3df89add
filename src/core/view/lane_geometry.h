// Where the lanes of an arm lie: the public queries that drawing and hit-testing share.
#pragma once

#include "platform/geometry.h"
#include "view/segment.h"

#include <cstdint>

class CArm;
class CLane;

// Lane i of N on an arm, H being the network's arm text height. The lane is the strip from
// across D - W to across D of the arm's segment, along 0 at its stop line (the arm's first
// point, where traffic leaves) and along L at its far end. Lane N lies next to the arm line,
// lane 1 outermost.
struct CLaneGeometry
{
    int width = 0;       // W = trunc(1.2 H)
    double offset = 0.0; // D = ((N - i) + 1.5) W
    int length = 0;      // the drawn length L
    int crossLine = 0;   // T = trunc(3 H x 1.2): the cross lines at T and L - T
};

CSegment ArmSegment(const CArm& arm);
int LaneWidth(int armTextHeight);
double LaneOffset(std::uint32_t laneNumber, std::uint32_t laneCount, int armTextHeight);
int LaneCrossLine(int armTextHeight);
// 1.0 of the arm's length for an infinitely long lane; for a short lane 0.625 when the
// shortest lane of the arm is as long as its longest short lane, else 0.5 to 0.75 by length;
// never beyond the arm's length but always at least 3 x T.
int DrawnLaneLength(const CLane& lane, int armTextHeight);
CLaneGeometry LaneGeometryOf(const CLane& lane, int armTextHeight);
CPoint LaneStopLineMidpoint(const CLane& lane, int armTextHeight);
CPoint LaneFarEndMidpoint(const CLane& lane, int armTextHeight);
