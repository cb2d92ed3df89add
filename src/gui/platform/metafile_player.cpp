#include "platform/metafile_player.h"

#include "dxf/metafile_parser.h"
#include "platform/drawing_surface.h"
#include "platform/text_encoding.h"


namespace
{

// A recorded pen as the surface's pen. A geometric pen was recorded with its dashes: the dash
// pattern tells which style made it.
CPenExt SurfacePen(const CMetaPen& pen)
{
    const auto style = static_cast<EPenStyle>(pen.style);
    if (style == EPenStyle::Null)
        return CPenExt::Null();
    if (style != EPenStyle::UserStyle)
        return {style, pen.width, pen.color};
    for (const EPenStyle dashed : {EPenStyle::Dash, EPenStyle::Dot, EPenStyle::DashDot,
                                   EPenStyle::DashDotDot}) {
        if (CPenExt::DashPattern(dashed) == pen.entries)
            return {dashed, pen.width, pen.color};
    }
    return {EPenStyle::Solid, pen.width, pen.color};
}

CBrush SurfaceBrush(const CMetaBrush& brush)
{
    switch (static_cast<EBrushStyle>(brush.style)) {
    case EBrushStyle::Null:
        return CBrush::Null();
    case EBrushStyle::Hatched:
        return {static_cast<EHatchStyle>(brush.hatch), brush.color};
    default:
        return CBrush(brush.color);
    }
}

// The bearing whose font has the recorded escapement; half a tenth of a degree toward it
// keeps the truncation of the escapement rule from landing one below.
CBearingFont SurfaceFont(const CLogFont& font)
{
    const double tenths = font.escapement + (font.escapement >= 0 ? 0.5 : -0.5);
    return {90.0 - tenths / 10.0, font.height, false};
}

class CMetafilePlayer : public CMetaFileParser
{
public:
    CMetafilePlayer(std::span<const std::uint8_t> metafile, CDrawingSurface& surface,
                    const CTextMeasurer& measurer)
        : CMetaFileParser(metafile, measurer), m_surface(surface)
    {}

protected:
    void OnPolyline16(std::span<const CPoint> points) override { Lines(points); }
    void OnPolyline(std::span<const CPoint> points) override { Lines(points); }
    void OnPolygon16(std::span<const CPoint> points) override { Shape().Polygon(points); }
    void OnPolygon(std::span<const CPoint> points) override { Shape().Polygon(points); }
    void OnEllipse(const CRect& box) override { Shape().Ellipse(box); }
    void OnRectangle(const CRect& box) override { Shape().Rectangle(box); }
    void OnLineTo(CPoint to) override
    {
        CDrawingSurface& surface = Shape();
        surface.MoveTo(GetPosition());
        surface.LineTo(to);
    }
    void OnBitBlt(int x, int y, int width, int height, std::uint32_t rop) override
    {
        Shape().PatBlt(x, y, width, height, rop);
    }
    void OnTextW(const CMetaText& text, std::u16string_view units) override
    {
        Text().ExtTextOut(text.reference, text.options, text.rect, Utf16ToUtf8(units));
    }

private:
    void Lines(std::span<const CPoint> points) { Shape().Polyline(points); }

    CDrawingSurface& Shape()
    {
        m_surface.SelectPen(SurfacePen(GetPen()));
        m_surface.SelectBrush(SurfaceBrush(GetBrush()));
        return m_surface;
    }

    CDrawingSurface& Text()
    {
        m_surface.SelectFont(SurfaceFont(GetFont()));
        m_surface.SetTextColor(GetTextColor());
        m_surface.SetBkColor(GetBkColor());
        m_surface.SetBkMode(GetBkMode() == static_cast<std::uint32_t>(EBkMode::Transparent)
                                ? EBkMode::Transparent
                                : EBkMode::Opaque);
        m_surface.SetTextAlign(GetTextAlign());
        return Shape();
    }

    CDrawingSurface& m_surface;
};

// Puts back what the playback selected.
class CSurfaceState
{
public:
    explicit CSurfaceState(CDrawingSurface& surface)
        : m_surface(surface), m_pen(surface.GetPen()), m_brush(surface.GetBrush()),
          m_font(surface.GetFont()), m_textColor(surface.GetTextColor()),
          m_textAlign(surface.GetTextAlign())
    {}
    ~CSurfaceState()
    {
        m_surface.SelectPen(m_pen);
        m_surface.SelectBrush(m_brush);
        m_surface.SelectFont(m_font);
        m_surface.SetTextColor(m_textColor);
        m_surface.SetTextAlign(m_textAlign);
    }
    CSurfaceState(const CSurfaceState&) = delete;
    CSurfaceState& operator=(const CSurfaceState&) = delete;

private:
    CDrawingSurface& m_surface;
    CPenExt m_pen;
    CBrush m_brush;
    CBearingFont m_font;
    ColorRef m_textColor;
    unsigned m_textAlign;
};

} // namespace

void PlayMetafile(std::span<const std::uint8_t> metafile, CDrawingSurface& surface,
                  const CTextMeasurer& measurer)
{
    const CSurfaceState state(surface);
    CMetafilePlayer(metafile, surface, measurer).Parse();
}
