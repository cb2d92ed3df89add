#include "platform/qpainter_surface.h"

#include "platform/qt_colour.h"
#include "platform/raster_operation.h"

#include <QGlyphRun>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPolygonF>

#include <cmath>
#include <numeric>
#include <utility>
#include <vector>

namespace
{
// Dashes of plain pens in device pixels, as styled cosmetic lines are drawn on the screen.
QList<qreal> PlainDashes(EPenStyle style)
{
    switch (style) {
    case EPenStyle::Dash:
        return {18, 6};
    case EPenStyle::Dot:
        return {3, 3};
    case EPenStyle::DashDot:
        return {9, 6, 3, 6};
    case EPenStyle::DashDotDot:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

QPen QPenOf(const CPenExt& pen, const CPlanMapping& mapping)
{
    if (pen.IsNull()) {
        return QPen(Qt::NoPen);
    }
    const QColor colour = QColorOf(pen.GetColor());
    if (pen.IsGeometric()) {
        QPen q(colour, pen.GetWidth() * mapping.pixelsPerUnitX, Qt::SolidLine, Qt::FlatCap,
               Qt::RoundJoin);
        if (!pen.GetDashes().empty()) {
            // Qt counts dashes in pen widths; ours are plan units.
            QList<qreal> pattern;
            for (std::uint32_t d : pen.GetDashes()) {
                pattern.append(static_cast<double>(d) / pen.GetWidth());
            }
            q.setDashPattern(pattern);
        }
        return q;
    }
    const double width = std::max(1.0, pen.GetWidth() * mapping.pixelsPerUnitX);
    QPen q(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    q.setCosmetic(true);
    const QList<qreal> dashes = PlainDashes(pen.GetRequestedStyle());
    if (!dashes.isEmpty()) {
        QList<qreal> pattern;
        for (qreal d : dashes) {
            pattern.append(d / width);
        }
        q.setDashPattern(pattern);
        q.setCapStyle(Qt::FlatCap);
    }
    return q;
}

QBrush QBrushOf(const CBrush& brush)
{
    switch (brush.GetStyle()) {
    case EBrushStyle::Null:
        return QBrush(Qt::NoBrush);
    case EBrushStyle::Hatched: {
        static constexpr Qt::BrushStyle Hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                     Qt::FDiagPattern, Qt::BDiagPattern,
                                                     Qt::CrossPattern, Qt::DiagCrossPattern};
        const auto hatch = static_cast<std::size_t>(brush.GetHatch());
        return QBrush(QColorOf(brush.GetColor()),
                      hatch < std::size(Hatches) ? Hatches[hatch] : Qt::SolidPattern);
    }
    default:
        return QBrush(QColorOf(brush.GetColor()));
    }
}
} // namespace

// While a shape is drawn under a raster operation other than a plain copy: the bitwise
// composition, without antialiasing, whose partly covered pixels would combine twice.
class CQPainterSurface::CShapeScope
{
public:
    explicit CShapeScope(CQPainterSurface& surface)
        : m_painter(surface.m_painter),
          m_active(surface.m_rasterDevice && surface.m_rop2 != Rop2::CopyPen)
    {
        if (m_active) {
            m_antialiased = m_painter.testRenderHint(QPainter::Antialiasing);
            m_painter.setCompositionMode(CompositionModeForRop2(surface.m_rop2));
            m_painter.setRenderHint(QPainter::Antialiasing, false);
        }
    }
    ~CShapeScope()
    {
        if (m_active) {
            m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            m_painter.setRenderHint(QPainter::Antialiasing, m_antialiased);
        }
    }
    CShapeScope(const CShapeScope&) = delete;
    CShapeScope& operator=(const CShapeScope&) = delete;

private:
    QPainter& m_painter;
    bool m_active;
    bool m_antialiased = false;
};

CQPainterSurface::CQPainterSurface(QPainter& painter, const CPlanMapping& mapping,
                                   const CTextMeasurer& measurer, CGlyphFonts* glyphFonts)
    : m_painter(painter), m_mapping(mapping), m_measurer(measurer),
      m_fonts(glyphFonts != nullptr ? *glyphFonts : m_ownFonts.emplace())
{
    CLogFont large;
    large.height = 1 << 20;
    const CTextMetrics big = m_measurer.GetTextMetrics(large);
    if (big.height > 0) {
        m_emPerCell = static_cast<double>(big.height - big.internalLeading) / big.height;
    }
    const QPaintEngine* engine = m_painter.paintEngine();
    m_rasterDevice = engine != nullptr && engine->type() == QPaintEngine::Raster;

    m_painter.save();
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.setBackground(QColorOf(m_bkColor));
    m_painter.setBackgroundMode(Qt::OpaqueMode);
    ApplyPen();
    ApplyBrush();
}

CQPainterSurface::~CQPainterSurface()
{
    m_painter.restore();
}

void CQPainterSurface::ApplyPen()
{
    m_qpen = QPenOf(m_pen, m_mapping);
    m_painter.setPen(m_qpen);
    // A line of an odd number of pixels is sharp along pixel centres, an even one along the
    // edges between pixels.
    const long pixels = m_qpen.style() == Qt::NoPen ? 1 : std::lround(m_qpen.widthF());
    m_strokeOffset = pixels % 2 == 1 ? 0.5 : 0.0;
}

void CQPainterSurface::ApplyBrush()
{
    m_painter.setBrush(QBrushOf(m_brush));
}

CPenExt CQPainterSurface::SelectPen(const CPenExt& pen)
{
    CPenExt previous = m_pen;
    m_pen = pen;
    ApplyPen();
    return previous;
}

CBrush CQPainterSurface::SelectBrush(const CBrush& brush)
{
    CBrush previous = m_brush;
    m_brush = brush;
    ApplyBrush();
    return previous;
}

CBearingFont CQPainterSurface::SelectFont(const CBearingFont& font)
{
    CBearingFont previous = m_font;
    m_font = font;
    return previous;
}

ColorRef CQPainterSurface::SetTextColor(ColorRef color)
{
    return std::exchange(m_textColor, color);
}

ColorRef CQPainterSurface::SetBkColor(ColorRef color)
{
    m_painter.setBackground(QColorOf(color));
    return std::exchange(m_bkColor, color);
}

EBkMode CQPainterSurface::SetBkMode(EBkMode mode)
{
    m_painter.setBackgroundMode(mode == EBkMode::Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    return std::exchange(m_bkMode, mode);
}

unsigned CQPainterSurface::SetTextAlign(unsigned flags)
{
    return std::exchange(m_textAlign, flags);
}

int CQPainterSurface::SetRop2(int mode)
{
    return std::exchange(m_rop2, mode);
}

QPointF CQPainterSurface::StrokePoint(CPoint p) const
{
    const QPointF d = m_mapping.ToDevice(p);
    return {std::round(d.x()) + m_strokeOffset, std::round(d.y()) + m_strokeOffset};
}

QRect CQPainterSurface::PixelBox(const CRect& box) const
{
    const QPointF a = m_mapping.ToDevice(std::min(box.left, box.right), std::min(box.top, box.bottom));
    const QPointF b = m_mapping.ToDevice(std::max(box.left, box.right), std::max(box.top, box.bottom));
    const auto left = static_cast<int>(std::round(a.x()));
    const auto top = static_cast<int>(std::round(a.y()));
    return {left, top, static_cast<int>(std::round(b.x())) - left,
            static_cast<int>(std::round(b.y())) - top};
}

void CQPainterSurface::MoveTo(CPoint p)
{
    m_position = p;
}

void CQPainterSurface::LineTo(CPoint p)
{
    const CShapeScope scope(*this);
    m_painter.drawLine(StrokePoint(m_position), StrokePoint(p));
    m_position = p;
}

QPolygonF CQPainterSurface::StrokePolygon(std::span<const CPoint> points) const
{
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const CPoint& p : points) {
        polygon.append(StrokePoint(p));
    }
    return polygon;
}

std::optional<QRectF> CQPainterSurface::StrokeBox(const CRect& box) const
{
    const QRect pixels = PixelBox(box);
    if (pixels.width() <= 0 || pixels.height() <= 0) {
        return std::nullopt;
    }
    return QRectF(pixels.left() + m_strokeOffset, pixels.top() + m_strokeOffset,
                  pixels.width() - 1.0, pixels.height() - 1.0);
}

void CQPainterSurface::Polyline(std::span<const CPoint> points)
{
    const QPolygonF polyline = StrokePolygon(points);
    const CShapeScope scope(*this);
    m_painter.drawPolyline(polyline);
}

void CQPainterSurface::Polygon(std::span<const CPoint> points)
{
    const QPolygonF polygon = StrokePolygon(points);
    const CShapeScope scope(*this);
    m_painter.drawPolygon(polygon, Qt::OddEvenFill);
}

void CQPainterSurface::Rectangle(const CRect& box)
{
    if (const std::optional<QRectF> stroke = StrokeBox(box)) {
        const CShapeScope scope(*this);
        m_painter.drawRect(*stroke);
    }
}

void CQPainterSurface::Ellipse(const CRect& box)
{
    if (const std::optional<QRectF> stroke = StrokeBox(box)) {
        const CShapeScope scope(*this);
        m_painter.drawEllipse(*stroke);
    }
}

void CQPainterSurface::TextOut(CPoint reference, std::string_view text)
{
    ExtTextOut(reference, 0, CRect{0, 0, -1, -1}, text);
}

double CQPainterSurface::EmOf(const CTextMetrics& metrics) const
{
    const int height = m_font.GetHeight();
    return height < 0 ? -static_cast<double>(height) : metrics.height * m_emPerCell;
}

void CQPainterSurface::ExtTextOut(CPoint reference, unsigned options, const CRect& rect,
                                  std::string_view text)
{
    if ((options & TextOutOption::Opaque) != 0 && !rect.IsEmpty()) {
        m_painter.fillRect(PixelBox(rect), QColorOf(m_bkColor));
    }
    if (text.empty()) {
        return;
    }
    const CLogFont& font = m_font.GetLogFont();
    const std::vector<int> advances = m_measurer.GetCharAdvances(font, text);
    const CTextMetrics metrics = m_measurer.GetTextMetrics(font);
    const int width = std::accumulate(advances.begin(), advances.end(), 0);

    // The text's frame: u along the baseline, v down from it, both in plan units.
    double u = 0.0;
    if ((m_textAlign & TextAlign::Center) == TextAlign::Center) {
        u = -width / 2.0;
    } else if ((m_textAlign & TextAlign::Center) == TextAlign::Right) {
        u = -width;
    }
    double baseline = metrics.ascent;
    if ((m_textAlign & TextAlign::Baseline) == TextAlign::Baseline) {
        baseline = 0.0;
    } else if ((m_textAlign & TextAlign::Baseline) == TextAlign::Bottom) {
        baseline = -metrics.descent;
    }
    const double sx = m_mapping.pixelsPerUnitX;
    const double sy = m_mapping.pixelsPerUnitY;

    // Saving the painter's whole state costs more than many a text: only the transform (and
    // the pen the glyphs take their colour from) changes, unless the text is clipped.
    const bool clipped = (options & TextOutOption::Clipped) != 0;
    if (clipped) {
        m_painter.save();
        m_painter.setClipRect(PixelBox(rect), Qt::IntersectClip);
    }
    const QTransform page = m_painter.worldTransform();
    QTransform frame = page;
    frame.translate(m_mapping.ToDevice(reference).x(), m_mapping.ToDevice(reference).y());
    // Escapement turns anticlockwise on the page, which is a negative angle with y down.
    if (font.escapement % 3600 != 0) {
        frame.rotate(-font.escapement / 10.0);
    }
    m_painter.setWorldTransform(frame);
    if (m_bkMode == EBkMode::Opaque) {
        m_painter.fillRect(QRectF(u * sx, (baseline - metrics.ascent) * sy, width * sx,
                                  metrics.height * sy),
                           QColorOf(m_bkColor));
    }
    const double em = EmOf(metrics) * sy;
    const QList<quint32> glyphs = m_fonts.GlyphsOf(text);
    if (em > 0.0 && !glyphs.isEmpty()) {
        QList<QPointF> positions;
        positions.reserve(glyphs.size());
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            positions.append(QPointF(u * sx, baseline * sy));
            if (static_cast<std::size_t>(i) < advances.size()) {
                u += advances[static_cast<std::size_t>(i)];
            }
        }
        QGlyphRun run;
        run.setRawFont(m_fonts.AtPixelSize(em, font.escapement));
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        m_painter.setPen(QColorOf(m_textColor));
        m_painter.drawGlyphRun(QPointF(0.0, 0.0), run);
        m_painter.setPen(m_qpen);
    }
    m_painter.setWorldTransform(page);
    if (clipped) {
        m_painter.restore();
    }
}

void CQPainterSurface::PatBlt(int x, int y, int width, int height, std::uint32_t rop)
{
    const CPatBltOperation operation = PatBltOperationFor(rop);
    const QBrush brush = operation.fill ? QBrush(*operation.fill) : QBrushOf(m_brush);
    if (brush.style() == Qt::NoBrush) {
        return;
    }
    const QRect pixels = PixelBox({x, y, x + width, y + height});
    if (m_rasterDevice) {
        m_painter.setCompositionMode(operation.mode);
    }
    m_painter.fillRect(pixels, brush);
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

CSize CQPainterSurface::GetTextExtent(std::string_view text) const
{
    return m_measurer.GetTextExtent(m_font.GetLogFont(), text);
}

CTextMetrics CQPainterSurface::GetTextMetrics() const
{
    return m_measurer.GetTextMetrics(m_font.GetLogFont());
}

CSize CQPainterSurface::GetTextExtent(const CBearingFont& font, std::string_view text) const
{
    return m_measurer.GetTextExtent(font.GetLogFont(), text);
}

CTextMetrics CQPainterSurface::GetTextMetrics(const CBearingFont& font) const
{
    return m_measurer.GetTextMetrics(font.GetLogFont());
}

CRect CQPainterSurface::GetClipBox() const
{
    if (m_painter.hasClipping()) {
        return m_mapping.ToPlan(m_painter.clipBoundingRect());
    }
    const QPaintDevice* device = m_painter.device();
    QSizeF size(device->width(), device->height());
    // Images and pixmaps count physical pixels; the painter draws in logical ones.
    if (device->devType() == QInternal::Image || device->devType() == QInternal::Pixmap) {
        size /= device->devicePixelRatioF();
    }
    const QRectF whole(QPointF(0.0, 0.0), size);
    return m_mapping.ToPlan(m_painter.worldTransform().inverted().mapRect(whole));
}
