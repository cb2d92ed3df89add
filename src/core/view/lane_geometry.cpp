#include "view/lane_geometry.h"

#include "model/arm.h"
#include "model/lane.h"

#include <algorithm>
#include <cmath>

CSegment ArmSegment(const CArm& arm)
{
    return {DrawingCoordinate(arm.GetFirstPoint().x), DrawingCoordinate(arm.GetFirstPoint().y),
            DrawingCoordinate(arm.GetSecondPoint().x), DrawingCoordinate(arm.GetSecondPoint().y)};
}

int LaneWidth(int armTextHeight)
{
    return static_cast<int>(1.2 * armTextHeight);
}

double LaneOffset(std::uint32_t laneNumber, std::uint32_t laneCount, int armTextHeight)
{
    return (static_cast<double>(laneCount) - laneNumber + 1.5) * LaneWidth(armTextHeight);
}

int LaneCrossLine(int armTextHeight)
{
    return static_cast<int>(3 * armTextHeight * 1.2);
}

int DrawnLaneLength(const CLane& lane, int armTextHeight)
{
    const CArm& arm = *lane.GetArm();
    const double armLength = ArmSegment(arm).Length();
    double factor = 1.0;
    if (lane.IsShort()) {
        std::int32_t shortest = InfiniteLaneLength;
        std::int32_t longestShort = 0;
        const CLanes& lanes = arm.GetLanes();
        for (std::uint32_t n = 1; n <= lanes.GetCount(); ++n) {
            const std::int32_t len = lanes.GetLane(n)->GetLength();
            shortest = std::min(shortest, len);
            if (lanes.GetLane(n)->IsShort()) {
                longestShort = std::max(longestShort, len);
            }
        }
        factor = shortest == longestShort ? 0.625
                                          : static_cast<double>(lane.GetLength() - shortest) /
                                                    (longestShort - shortest) * 0.25 +
                                                0.5;
    }
    const int full = static_cast<int>(armLength);
    const int drawn = std::min(static_cast<int>(armLength * factor), full);
    return std::max(drawn, 3 * LaneCrossLine(armTextHeight));
}

CLaneGeometry LaneGeometryOf(const CLane& lane, int armTextHeight)
{
    CLaneGeometry g;
    g.width = LaneWidth(armTextHeight);
    g.offset = LaneOffset(lane.GetNumber(), lane.GetArm()->GetLanes().GetCount(), armTextHeight);
    g.length = DrawnLaneLength(lane, armTextHeight);
    g.crossLine = LaneCrossLine(armTextHeight);
    return g;
}

CPoint LaneStopLineMidpoint(const CLane& lane, int armTextHeight)
{
    const CLaneGeometry g = LaneGeometryOf(lane, armTextHeight);
    return ArmSegment(*lane.GetArm()).PointAt(g.offset - g.width / 2.0, 0.0);
}

CPoint LaneFarEndMidpoint(const CLane& lane, int armTextHeight)
{
    const CLaneGeometry g = LaneGeometryOf(lane, armTextHeight);
    return ArmSegment(*lane.GetArm()).PointAt(g.offset - g.width / 2.0, g.length);
}
