// A surface that passes every call on but makes one deliberate mistake, to show that the
// agreement check catches such mistakes.
#pragma once

#include "platform/drawing_surface.h"

#include <string>

namespace GuiTestSupport
{
enum class EFault
{
    None,
    TextMoved,       // the first text that reads as named is written 6 plan units to the right
    DottedDrawnSolid // every dotted pen draws solid
};

class CFaultySurface : public CDrawingSurface
{
public:
    CFaultySurface(CDrawingSurface& inner, EFault fault, std::string movedText = {})
        : m_inner(inner), m_fault(fault), m_movedText(std::move(movedText))
    {}

    CPenExt SelectPen(const CPenExt& pen) override
    {
        if (m_fault == EFault::DottedDrawnSolid && pen.GetRequestedStyle() == EPenStyle::Dot) {
            return m_inner.SelectPen(CPenExt(EPenStyle::Solid, pen.GetWidth(), pen.GetColor()));
        }
        return m_inner.SelectPen(pen);
    }
    void TextOut(CPoint reference, std::string_view text) override
    {
        m_inner.TextOut(Moved(reference, text), text);
    }
    void ExtTextOut(CPoint reference, unsigned options, const CRect& rect,
                    std::string_view text) override
    {
        m_inner.ExtTextOut(Moved(reference, text), options, rect, text);
    }

    CBrush SelectBrush(const CBrush& brush) override { return m_inner.SelectBrush(brush); }
    CBearingFont SelectFont(const CBearingFont& font) override { return m_inner.SelectFont(font); }
    ColorRef SetTextColor(ColorRef color) override { return m_inner.SetTextColor(color); }
    ColorRef SetBkColor(ColorRef color) override { return m_inner.SetBkColor(color); }
    EBkMode SetBkMode(EBkMode mode) override { return m_inner.SetBkMode(mode); }
    unsigned SetTextAlign(unsigned flags) override { return m_inner.SetTextAlign(flags); }
    int SetRop2(int mode) override { return m_inner.SetRop2(mode); }
    void MoveTo(CPoint p) override { m_inner.MoveTo(p); }
    void LineTo(CPoint p) override { m_inner.LineTo(p); }
    void Polyline(std::span<const CPoint> points) override { m_inner.Polyline(points); }
    void Polygon(std::span<const CPoint> points) override { m_inner.Polygon(points); }
    void Rectangle(const CRect& box) override { m_inner.Rectangle(box); }
    void Ellipse(const CRect& box) override { m_inner.Ellipse(box); }
    void PatBlt(int x, int y, int width, int height, std::uint32_t rop) override
    {
        m_inner.PatBlt(x, y, width, height, rop);
    }
    CSize GetTextExtent(std::string_view text) const override
    {
        return m_inner.GetTextExtent(text);
    }
    CTextMetrics GetTextMetrics() const override { return m_inner.GetTextMetrics(); }
    CSize GetTextExtent(const CBearingFont& font, std::string_view text) const override
    {
        return m_inner.GetTextExtent(font, text);
    }
    CTextMetrics GetTextMetrics(const CBearingFont& font) const override
    {
        return m_inner.GetTextMetrics(font);
    }
    CRect GetClipBox() const override { return m_inner.GetClipBox(); }
    CPoint GetCurrentPosition() const override { return m_inner.GetCurrentPosition(); }
    const CPenExt& GetPen() const override { return m_inner.GetPen(); }
    const CBrush& GetBrush() const override { return m_inner.GetBrush(); }
    const CBearingFont& GetFont() const override { return m_inner.GetFont(); }
    ColorRef GetTextColor() const override { return m_inner.GetTextColor(); }
    unsigned GetTextAlign() const override { return m_inner.GetTextAlign(); }

private:
    CPoint Moved(CPoint reference, std::string_view text)
    {
        if (m_fault != EFault::TextMoved || m_moved || text != m_movedText) {
            return reference;
        }
        m_moved = true;
        return {reference.x + 6, reference.y};
    }

    CDrawingSurface& m_inner;
    EFault m_fault;
    std::string m_movedText;
    bool m_moved = false;
};
} // namespace GuiTestSupport
