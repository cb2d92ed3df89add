// The drawing surface of the screen, printers, PDF, SVG and images: GDI drawing on a QPainter.
#pragma once

#include "platform/drawing_surface.h"
#include "platform/glyph_fonts.h"
#include "platform/plan_mapping.h"

#include <QPainter>
#include <QPolygonF>

#include <optional>

// Draws on a QPainter as the metafile recorder's calls would play back, so that the screen, the
// printed page and the clipboard's metafile show one drawing. Coordinates are plan units that
// the mapping takes to device pixels; shapes land on whole pixels, as GDI puts them.
// - Pens below width 2 are plain (cosmetic) pens, never thinner than one device pixel, with
//   dashes in device pixels; wider pens are geometric with flat ends and their dashes in plan
//   units.
// - Rectangle and Ellipse boxes end one pixel before their right and bottom; polygons fill
//   alternately.
// - Text is laid out by the text measurer: each glyph stands at the measurer's advance, turned
//   by the font's escapement about the reference point and aligned in that turned frame.
// - Raster operations (SetRop2, PatBlt) combine bits on raster devices (images, widgets); on
//   printers, PDF and SVG they draw as a plain copy.
// - The clip box is the painter's clip (or the whole device) in plan units.
// The painter, measurer and glyph fonts must outlive the surface; the painter's state is put
// back when the surface goes.
class CQPainterSurface : public CDrawingSurface
{
public:
    // Without glyph fonts of the caller's the surface loads its own (a repaint loop should keep
    // one CGlyphFonts and pass it).
    CQPainterSurface(QPainter& painter, const CPlanMapping& mapping,
                     const CTextMeasurer& measurer, CGlyphFonts* glyphFonts = nullptr);
    ~CQPainterSurface() override;
    CQPainterSurface(const CQPainterSurface&) = delete;
    CQPainterSurface& operator=(const CQPainterSurface&) = delete;

    const CPlanMapping& GetMapping() const { return m_mapping; }

    CPenExt SelectPen(const CPenExt& pen) override;
    CBrush SelectBrush(const CBrush& brush) override;
    CBearingFont SelectFont(const CBearingFont& font) override;
    ColorRef SetTextColor(ColorRef color) override;
    ColorRef SetBkColor(ColorRef color) override;
    EBkMode SetBkMode(EBkMode mode) override;
    unsigned SetTextAlign(unsigned flags) override;
    int SetRop2(int mode) override;

    void MoveTo(CPoint p) override;
    void LineTo(CPoint p) override;
    void Polyline(std::span<const CPoint> points) override;
    void Polygon(std::span<const CPoint> points) override;
    void Rectangle(const CRect& box) override;
    void Ellipse(const CRect& box) override;
    void TextOut(CPoint reference, std::string_view text) override;
    void ExtTextOut(CPoint reference, unsigned options, const CRect& rect,
                    std::string_view text) override;
    void PatBlt(int x, int y, int width, int height, std::uint32_t rop) override;

    CSize GetTextExtent(std::string_view text) const override;
    CTextMetrics GetTextMetrics() const override;
    CSize GetTextExtent(const CBearingFont& font, std::string_view text) const override;
    CTextMetrics GetTextMetrics(const CBearingFont& font) const override;
    CRect GetClipBox() const override;

    CPoint GetCurrentPosition() const override { return m_position; }
    const CPenExt& GetPen() const override { return m_pen; }
    const CBrush& GetBrush() const override { return m_brush; }
    const CBearingFont& GetFont() const override { return m_font; }
    ColorRef GetTextColor() const override { return m_textColor; }
    unsigned GetTextAlign() const override { return m_textAlign; }

private:
    class CShapeScope;

    // Where a line through a plan point runs on the device: the point's pixel, at its centre
    // or its top-left corner as the pen's width needs.
    QPointF StrokePoint(CPoint p) const;
    QPolygonF StrokePolygon(std::span<const CPoint> points) const;
    // The device pixels a GDI box covers: from its left-top pixel up to, not including, the
    // pixel of its right-bottom corner.
    QRect PixelBox(const CRect& box) const;
    // The line a box's outline runs along; none for a box that covers no pixel.
    std::optional<QRectF> StrokeBox(const CRect& box) const;
    void ApplyPen();
    void ApplyBrush();
    // The em of the selected font in plan units.
    double EmOf(const CTextMetrics& metrics) const;

    QPainter& m_painter;
    CPlanMapping m_mapping;
    const CTextMeasurer& m_measurer;
    std::optional<CGlyphFonts> m_ownFonts;
    CGlyphFonts& m_fonts;
    // The em of a font as a share of its cell height, from the measurer.
    double m_emPerCell = 1.0;
    bool m_rasterDevice = false;
    double m_strokeOffset = 0.5;

    CPoint m_position;
    CPenExt m_pen{EPenStyle::Solid, 0, 0};
    QPen m_qpen;
    CBrush m_brush{0xFFFFFF};
    CBearingFont m_font;
    ColorRef m_textColor = 0;
    ColorRef m_bkColor = 0xFFFFFF;
    EBkMode m_bkMode = EBkMode::Opaque;
    unsigned m_textAlign = 0;
    int m_rop2 = Rop2::CopyPen;
};
