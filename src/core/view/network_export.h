// The network drawing as metafile bytes (clipboard, reports) and as a DXF file.
#pragma once

#include "platform/drawing_surface.h"
#include "view/render_context.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

class CFlowGroup;
class CLabels;
class CNetwork;
class CODMatrixGraphics;
class CPrintPages;

// The document's display settings that the diagram is drawn with: the stored lane flow display
// and OD matrix flag, and the two route flags of the document.
struct CDiagramSettings
{
    bool odMatrixShown = false;
    CLaneFlowDisplay laneFlows;
    bool highlightFilteredRoutes = false;
    bool permittedOnly = false;
    // The source's selected routes in the selected-route colour.
    bool highlightSelectedRoute = false;
};

// The switches of a diagram drawing: every layer but print pages, no selection, no clip test.
CRenderSwitches DiagramSwitches(const CDiagramSettings& settings);

// What a diagram is drawn from: the stored objects, the OD matrix table as it stands (its place
// and the kind of flows it shows), the display settings, the settings records to draw by and
// the ids of the routes shown as selected. The flow group shown is the network's current one.
struct CDiagramSource
{
    const CNetwork& network;
    const CLabels& labels;
    const CPrintPages& printPages;
    const CODMatrixGraphics& odMatrix;
    CDiagramSettings settings;
    const ProgramSettings& program;
    const NetworkSettings& networkSettings;
    std::set<std::uint32_t> selectedRoutes = {};
};


// The white border around a whole diagram (5 mm at zoom 1): pasted or placed, a drawing that
// ends at its outermost line reads as cut off.
inline constexpr int DiagramMargin = 50;

// Records the network drawing as an enhanced metafile; one logical unit is one plan unit.
// The lane end texts show the actual flows, as in the network view. Drawn for a view of its
// own: nothing selected but the source's selected routes when the settings highlight them. The
// picture is the drawing's extent with DiagramMargin around it, which a shown grid covers. The
// measurer is the reference device.
std::vector<std::uint8_t> RecordNetworkEmf(const CDiagramSource& source,
                                           const CTextMeasurer& measurer,
                                           const std::string& description = "DXFMetafile");

// The same with the flows of the given flow group (none: no flows), and, when clip is given,
// only what lies inside that rectangle (right and bottom exclusive), with no margin: the
// metafile clips to it and its bounds and frame are the clipped extent.
std::vector<std::uint8_t> RecordNetworkEmf(const CDiagramSource& source, const CFlowGroup* group,
                                           const std::optional<CRect>& clip,
                                           const CTextMeasurer& measurer,
                                           const std::string& description);

// The same drawing onto a surface, clipped to what its clip box shows (a printed page).
void DrawDiagram(const CDiagramSource& source, const CFlowGroup* group, CDrawingSurface& surface);

// The extent of that drawing, measured by a bounds pass (the grid adds none); empty for an
// empty network.
CRect DiagramBounds(const CDiagramSource& source, const CFlowGroup* group,
                    const CTextMeasurer& measurer);

// Records the drawing and converts it into a DXF file at path, atomically. Throws errFileWrite
// when the file cannot be written.
void ExportNetworkDxf(const std::filesystem::path& path, const CDiagramSource& source,
                      const CTextMeasurer& measurer);
