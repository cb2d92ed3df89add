#include "view/diagram_painter.h"

#include "model/network.h"
#include "platform/emf_recorder.h"
#include "platform/qpainter_surface.h"
#include "view/diagram_drawing.h"

#include <QPainter>

#include <cmath>

void DrawNetworkDiagram(const CDiagramSource& source, CDrawingSurface& surface, CBounds* bounds)
{
    CDiagramDrawing(source, source.network.GetCurrentFlowGroup()).Draw(surface, bounds);
}

void PaintNetworkDiagram(const CDiagramSource& source, QPainter& painter,
                         const CPlanMapping& mapping, const CTextMeasurer& measurer,
                         CGlyphFonts* glyphFonts)
{
    CQPainterSurface surface(painter, mapping, measurer, glyphFonts);
    DrawNetworkDiagram(source, surface, nullptr);
}

CRect NetworkDiagramBounds(const CDiagramSource& source, const CTextMeasurer& measurer)
{
    // Measuring draws nothing: any surface with the measurer serves.
    CEmfRecorder measuring(measurer);
    CBounds bounds;
    DrawNetworkDiagram(source, measuring, &bounds);
    return bounds.IsEmpty() ? CRect{} : bounds.GetRect();
}

QImage NetworkDiagramImage(const CDiagramSource& source, double pixelsPerUnit,
                           const CTextMeasurer& measurer, CGlyphFonts* glyphFonts)
{
    const CRect drawn = NetworkDiagramBounds(source, measurer);
    if (drawn.IsEmpty()) {
        return {};
    }
    const CRect bounds = Inflate(drawn, DiagramMargin);
    QImage image(static_cast<int>(std::ceil(bounds.Width() * pixelsPerUnit)),
                 static_cast<int>(std::ceil(bounds.Height() * pixelsPerUnit)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    CPlanMapping mapping;
    mapping.windowOrigin = QPointF(bounds.left, bounds.top);
    mapping.pixelsPerUnitX = pixelsPerUnit;
    mapping.pixelsPerUnitY = pixelsPerUnit;
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    PaintNetworkDiagram(source, painter, mapping, measurer, glyphFonts);
    return image;
}
