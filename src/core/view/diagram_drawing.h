// The network diagram set up as every export draws it.
#pragma once

#include "routing/lane_data_source.h"
#include "view/network_export.h"
#include "view/network_renderer.h"
#include "view/network_view_state.h"

// A drawing of a diagram source with a view state of its own (nothing selected but the source's
// selected routes when it highlights them), the actual lane flows and the given flow group. The
// same object draws the measuring pass and the drawing pass, so colours are worked out once.
class CDiagramDrawing
{
public:
    CDiagramDrawing(const CDiagramSource& source, const CFlowGroup* group);

    void Draw(CDrawingSurface& surface, CBounds* bounds = nullptr) { m_renderer.Draw(surface, bounds); }

private:
    const CLaneDataActualFlow m_actualFlows;
    CNetworkViewState m_view;
    CNetworkRenderer m_renderer;
};
