// The network diagram painted through the Qt drawing surface: the picture the clipboard offers
// beside the metafile, and what the screen shows of a whole network.
#pragma once

#include "platform/glyph_fonts.h"
#include "platform/plan_mapping.h"
#include "platform/drawing_surface.h"
#include "platform/bounds.h"
#include "view/network_export.h"

#include <QImage>

class QPainter;

// Draws the diagram on any surface as RecordNetworkEmf records it, or (bounds given) only
// measures it.
void DrawNetworkDiagram(const CDiagramSource& source, CDrawingSurface& surface,
                        CBounds* bounds = nullptr);

// Paints the diagram as RecordNetworkEmf records it (the same switches, settings, flow group
// and actual lane flows), through the mapping; the grid covers the painter's clip or device.
void PaintNetworkDiagram(const CDiagramSource& source, QPainter& painter,
                         const CPlanMapping& mapping, const CTextMeasurer& measurer,
                         CGlyphFonts* glyphFonts = nullptr);

// The plan rectangle the diagram covers; empty for an empty network.
CRect NetworkDiagramBounds(const CDiagramSource& source, const CTextMeasurer& measurer);

// The diagram on a white image at a resolution in pixels per plan unit, its bounds with the
// metafile's margin around them, antialiased. An empty network gives a null image.
QImage NetworkDiagramImage(const CDiagramSource& source, double pixelsPerUnit,
                           const CTextMeasurer& measurer, CGlyphFonts* glyphFonts = nullptr);
