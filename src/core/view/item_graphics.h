// The drawing parts of lane connectors, zones, labels and capacity assessors.
#pragma once

#include "platform/drawing_surface.h"
#include "platform/bounds.h"
#include "view/render_context.h"

class CCapacityAssessor;
class CCarouselLaneConnector;
class CLabel;
class CZone;

// A lane connector's drawing part. A lane change (both lanes on one arm) is never drawn as a
// line: it shows as dotted shared sides and lane-change indicators on its lanes.
class CLaneConnectorGraphics
{
public:
    CLaneConnectorGraphics(const CRenderContext& context, const CCarouselLaneConnector& connector)
        : m_context(context), m_connector(connector)
    {}
    virtual ~CLaneConnectorGraphics() = default;

    virtual CRect GetBoundingRect() const = 0;
    virtual void Draw(CDrawingSurface& surface, CBounds* bounds) const = 0;

protected:
    const CRenderContext& m_context;
    const CCarouselLaneConnector& m_connector;
};

// A straight line from the stop-line midpoint of the from-lane to the far-end midpoint of the
// to-lane, in the connector's category colour, with no arrowhead.
class CLineLaneConnectorGraphics : public CLaneConnectorGraphics
{
public:
    using CLaneConnectorGraphics::CLaneConnectorGraphics;

    CPoint GetStart() const;
    CPoint GetEnd() const;
    CRect GetBoundingRect() const override;
    void Draw(CDrawingSurface& surface, CBounds* bounds) const override;
};

// A zone: the union of its arms' rectangles enlarged by 16 (or a stacked default place when
// it has no arm), snapped to the grid when snapping is on, outlined in the zone's colour, with
// its number in a tag at the top-left corner.
class CZoneGraphics
{
public:
    CZoneGraphics(const CRenderContext& context, const CZone& zone, bool selected = false)
        : m_context(context), m_zone(zone), m_selected(selected)
    {}

    CRect GetRect() const;
    CRect GetBoundingRect() const;
    void Draw(CDrawingSurface& surface, CBounds* bounds) const;

private:
    const CRenderContext& m_context;
    const CZone& m_zone;
    bool m_selected;
};

// A label is written along its own segment (placement 16, inset 0); a selected label shows
// its segment dotted with handles on both ends.
void DrawLabel(const CRenderContext& context, CDrawingSurface& surface, CBounds* bounds,
               const CLabel& label);

// A capacity assessor: two dotted lines from its place to the first points of its arms and a
// box around its assessed flow, in the exceeded colour once the flow reaches the threshold.
class CCapacityAssessorDrawing
{
public:
    CCapacityAssessorDrawing(const CRenderContext& context, const CCapacityAssessor& assessor)
        : m_context(context), m_assessor(assessor)
    {}

    // The box around the text: also the assessor's hit area.
    CRect GetTextRect(const CDrawingSurface& surface) const;
    ColorRef GetColour() const;
    void Draw(CDrawingSurface& surface, CBounds* bounds) const;

private:
    const CRenderContext& m_context;
    const CCapacityAssessor& m_assessor;
};
