// The drawing parts of an arm and of its lanes.
#pragma once

#include "platform/drawing_surface.h"
#include "platform/bounds.h"
#include "view/lane_geometry.h"
#include "view/render_context.h"

#include <array>

class CArm;
class CCapacityLane;

// An arm: its segment as a line with an arrowhead at the midpoint pointing towards the first
// point (the way traffic moves), a filled circle on each end and its label beside the
// midpoint. Its bounding rectangle is the segment's box enlarged by 15, united with its lanes'
// rectangles and enlarged by 15 again.
class CArmGraphics
{
public:
    CArmGraphics(const CRenderContext& context, const CArm& arm) : m_context(context), m_arm(arm) {}

    CRect GetBoundingRect() const;
    // The arm itself, then its lanes by category 0 to 4 so that higher ones lie on top.
    void Draw(CDrawingSurface& surface, CBounds* bounds) const;
    void DrawArm(CDrawingSurface& surface, CBounds* bounds) const;
    // The three corners of the arrowhead: tip, then the corners at b + 19 and b - 19 degrees.
    std::array<CPoint, 3> ArrowHead() const;

private:
    const CRenderContext& m_context;
    const CArm& m_arm;
};

// A lane: the sides beyond its neighbours and the far-end cap, the stop line, two cross lines,
// the shared sides (dotted where a lane change joins the neighbours), the lane flow text, the
// lane end texts and the lane-change indicators.
class CLaneGraphics
{
public:
    CLaneGraphics(const CRenderContext& context, const CCapacityLane& lane);

    const CLaneGeometry& GetGeometry() const { return m_geometry; }
    CRect GetBoundingRect() const;
    void Draw(CDrawingSurface& surface, CBounds* bounds) const;
    void DrawFlowText(CDrawingSurface& surface) const;
    void DrawEndTexts(CDrawingSurface& surface) const;

    // The lane's text line, from its far-end point to its stop-line point on the centre line.
    CSegment TextLine() const;

private:
    CPoint At(double across, double along) const { return m_segment.PointAt(across, along); }
    void DrawIndicator(CDrawingSurface& surface, double side, double towards,
                       ColorRef colour) const;

    const CRenderContext& m_context;
    const CCapacityLane& m_lane;
    CSegment m_segment;
    CLaneGeometry m_geometry;
};
