#include "view/network_export.h"

#include "dxf/metafile_to_dxf_converter.h"
#include "model/network.h"
#include "platform/emf_recorder.h"
#include "platform/bounds.h"
#include "view/diagram_drawing.h"
#include "view/od_matrix_graphics.h"

#include <algorithm>

CRenderSwitches DiagramSwitches(const CDiagramSettings& settings)
{
    CRenderSwitches s;
    s.showODMatrix = settings.odMatrixShown;
    s.laneFlows = settings.laneFlows;
    s.highlightFilteredRoutes = settings.highlightFilteredRoutes;
    s.permittedOnly = settings.permittedOnly;
    s.showSelectedRoute = settings.highlightSelectedRoute;
    return s;
}

std::vector<std::uint8_t> RecordNetworkEmf(const CDiagramSource& source,
                                           const CTextMeasurer& measurer,
                                           const std::string& description)
{
    return RecordNetworkEmf(source, source.network.GetCurrentFlowGroup(), std::nullopt, measurer,
                            description);
}

std::vector<std::uint8_t> RecordNetworkEmf(const CDiagramSource& source, const CFlowGroup* group,
                                           const std::optional<CRect>& clip,
                                           const CTextMeasurer& measurer,
                                           const std::string& description)
{
    CDiagramDrawing drawing(source, group);
    CEmfRecorder recorder(measurer, description);
    CBounds bounds;
    drawing.Draw(recorder, &bounds);
    if (clip) {
        recorder.IntersectClipRect(*clip);
    } else if (!bounds.IsEmpty()) {
        // The grid spans the clip box: make that the picture, not the device.
        recorder.SetClipBox(Inflate(bounds.GetRect(), DiagramMargin));
        recorder.IncludeInPicture(Inflate(bounds.GetRect(), DiagramMargin));
    }
    drawing.Draw(recorder);
    return recorder.Finish();
}

void DrawDiagram(const CDiagramSource& source, const CFlowGroup* group, CDrawingSurface& surface)
{
    CDiagramDrawing(source, group).Draw(surface);
}

CRect DiagramBounds(const CDiagramSource& source, const CFlowGroup* group,
                    const CTextMeasurer& measurer)
{
    CEmfRecorder scratch(measurer);
    CBounds bounds;
    CDiagramDrawing(source, group).Draw(scratch, &bounds);
    return bounds.IsEmpty() ? CRect{} : bounds.GetRect();
}

void ExportNetworkDxf(const std::filesystem::path& path, const CDiagramSource& source,
                      const CTextMeasurer& measurer)
{
    const std::vector<std::uint8_t> emf = RecordNetworkEmf(source, measurer, "DXFMetafile");
    WriteDxfFile(path, emf, measurer);
}
