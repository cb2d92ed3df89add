// The drawing of one network onto a drawing surface, for the screen, printing, the clipboard,
// reports and the DXF export.
#pragma once

#include "platform/drawing_surface.h"
#include "platform/bounds.h"
#include "view/render_context.h"

class CArm;
class CCapacityAssessor;
class CCarouselLaneConnector;
class CLabel;
class CLabels;
class CNetwork;
class CNetworkViewState;
class CODMatrixGraphics;
class CPrintPages;
class CZone;

// Something a view draws on top of the network (a rubber band, a dragged item).
class CRendererOverlay
{
public:
    virtual ~CRendererOverlay() = default;
    virtual bool IsVisible() const = 0;
    virtual void Draw(CDrawingSurface& surface, CBounds* bounds) const = 0;
};

// Built for one drawing pass over a network, its labels, the OD matrix graphics and the print
// pages, with the settings to draw by and the state of the view drawn for; the flow group and
// the switches are set afterwards. It reads the model and never writes it: what it selects and
// caches is the view state's. Draw() draws, in order: grid, print pages, OD matrix, arms with
// their lanes, connectors, zones, labels, the overlay and the capacity assessors. With bounds
// given it draws nothing and unites every object's rectangle into it instead (the grid adds
// none). With the clip test on, objects whose rectangle misses the surface's clip box are
// skipped.
class CNetworkRenderer
{
public:
    CNetworkRenderer(const CNetwork& network, const CLabels& labels,
                     const CODMatrixGraphics& odMatrix, const CPrintPages& printPages,
                     const ProgramSettings& program, const NetworkSettings& settings,
                     CNetworkViewState& state);

    void SetFlowGroup(const CFlowGroup* group) { m_context.flowGroup = group; }
    CRenderSwitches& Switches() { return m_context.switches; }
    const CRenderSwitches& Switches() const { return m_context.switches; }
    void SetOverlay(const CRendererOverlay* overlay) { m_overlay = overlay; }
    void SetLaneDataSource(const CLaneDataSource* source) { m_context.laneDataSource = source; }
    const CRenderContext& GetContext() const { return m_context; }

    void Draw(CDrawingSurface& surface, CBounds* bounds = nullptr);

    ColorRef GetCategoryColour(int category) const { return m_context.CategoryColour(category); }

    void DrawGrid(CDrawingSurface& surface) const;
    void DrawPrintPages(CDrawingSurface& surface, CBounds* bounds) const;
    void DrawODMatrix(CDrawingSurface& surface, CBounds* bounds) const;
    void DrawArm(CDrawingSurface& surface, CBounds* bounds, const CArm& arm) const;
    void DrawLaneConnector(CDrawingSurface& surface, CBounds* bounds,
                           const CCarouselLaneConnector& connector) const;
    void DrawZone(CDrawingSurface& surface, CBounds* bounds, const CZone& zone) const;
    void DrawLabel(CDrawingSurface& surface, CBounds* bounds, const CLabel& label) const;
    void DrawCapacityAssessor(CDrawingSurface& surface, CBounds* bounds,
                              const CCapacityAssessor& assessor) const;

private:
    bool Skip(const CDrawingSurface& surface, const CRect& rect) const;

    const CNetwork& m_network;
    const CLabels& m_labels;
    const CODMatrixGraphics& m_odMatrix;
    const CPrintPages& m_printPages;
    const CRendererOverlay* m_overlay = nullptr;
    CRenderContext m_context;
};
