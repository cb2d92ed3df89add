// A drawing surface for tests that writes every call as one line of text and measures with
// the fixed-width measurer, so drawings can be checked call by call.
#pragma once

#include "platform/drawing_surface.h"

#include <string>
#include <vector>

namespace TestSupport
{

// Lines read "TextOut 150,106 align=14 colour=0x0000ff esc=900 'E1'", "LineTo 3,4",
// "Pen style=0 width=2 colour=0x000000", "Polygon 1,2 3,4 5,6", ...
class CRecordingSurface : public CDrawingSurface
{
public:
    std::vector<std::string> calls;
    CRect clipBox{-100000, -100000, 100000, 100000};

    // Only the calls that start with prefix.
    std::vector<std::string> Calls(const std::string& prefix) const;
    // The quoted texts of the TextOut calls, in order.
    std::vector<std::string> Texts() const;

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
    CRect GetClipBox() const override { return clipBox; }
    CPoint GetCurrentPosition() const override { return m_position; }
    const CPenExt& GetPen() const override { return m_pen; }
    const CBrush& GetBrush() const override { return m_brush; }
    const CBearingFont& GetFont() const override { return m_font; }
    ColorRef GetTextColor() const override { return m_textColor; }
    unsigned GetTextAlign() const override { return m_align; }

private:
    CFixedWidthTextMeasurer m_measurer;
    CPoint m_position;
    CPenExt m_pen;
    CBrush m_brush;
    CBearingFont m_font;
    ColorRef m_textColor = 0;
    ColorRef m_bkColor = 0xFFFFFF;
    EBkMode m_bkMode = EBkMode::Opaque;
    unsigned m_align = 0;
    int m_rop = Rop2::CopyPen;
};

// "0x0000ff" as the recording surface writes colours.
std::string Hex(ColorRef colour);

} // namespace TestSupport
