#include "view/diagram_drawing.h"

CDiagramDrawing::CDiagramDrawing(const CDiagramSource& source, const CFlowGroup* group)
    : m_renderer(source.network, source.labels, source.odMatrix, source.printPages, source.program,
                 source.networkSettings, m_view)
{
    m_renderer.SetFlowGroup(group);
    m_renderer.SetLaneDataSource(&m_actualFlows);
    m_renderer.Switches() = DiagramSwitches(source.settings);
    if (source.settings.highlightSelectedRoute) {
        m_view.SetSelectedRoutes(source.selectedRoutes);
    }
}
