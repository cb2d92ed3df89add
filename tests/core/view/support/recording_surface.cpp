#include "recording_surface.h"

#include <cstdio>
#include <utility>

namespace TestSupport
{

std::string Hex(ColorRef colour)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%06x", static_cast<unsigned>(colour));
    return buffer;
}

namespace
{
std::string At(CPoint p)
{
    return std::to_string(p.x) + "," + std::to_string(p.y);
}
std::string Box(const CRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}
std::string Points(std::span<const CPoint> points)
{
    std::string s;
    for (const CPoint& p : points) {
        s += " " + At(p);
    }
    return s;
}
} // namespace

std::vector<std::string> CRecordingSurface::Calls(const std::string& prefix) const
{
    std::vector<std::string> out;
    for (const std::string& c : calls) {
        if (c.rfind(prefix, 0) == 0) {
            out.push_back(c);
        }
    }
    return out;
}

std::vector<std::string> CRecordingSurface::Texts() const
{
    std::vector<std::string> out;
    for (const std::string& c : Calls("TextOut ")) {
        const auto open = c.find('\'');
        out.push_back(c.substr(open + 1, c.size() - open - 2));
    }
    return out;
}

CPenExt CRecordingSurface::SelectPen(const CPenExt& pen)
{
    calls.push_back("Pen style=" + std::to_string(static_cast<int>(pen.GetRequestedStyle())) +
                    " width=" + std::to_string(pen.GetWidth()) + " colour=" + Hex(pen.GetColor()));
    return std::exchange(m_pen, pen);
}

CBrush CRecordingSurface::SelectBrush(const CBrush& brush)
{
    calls.push_back(brush.IsNull() ? std::string("Brush null") : "Brush " + Hex(brush.GetColor()));
    return std::exchange(m_brush, brush);
}

CBearingFont CRecordingSurface::SelectFont(const CBearingFont& font)
{
    calls.push_back("Font height=" + std::to_string(font.GetHeight()) +
                    " esc=" + std::to_string(font.GetEscapement()));
    return std::exchange(m_font, font);
}

ColorRef CRecordingSurface::SetTextColor(ColorRef color)
{
    calls.push_back("TextColour " + Hex(color));
    return std::exchange(m_textColor, color);
}

ColorRef CRecordingSurface::SetBkColor(ColorRef color)
{
    calls.push_back("BkColour " + Hex(color));
    return std::exchange(m_bkColor, color);
}

EBkMode CRecordingSurface::SetBkMode(EBkMode mode)
{
    calls.push_back("BkMode " + std::to_string(static_cast<int>(mode)));
    return std::exchange(m_bkMode, mode);
}

unsigned CRecordingSurface::SetTextAlign(unsigned flags)
{
    calls.push_back("Align " + std::to_string(flags));
    return std::exchange(m_align, flags);
}

int CRecordingSurface::SetRop2(int mode)
{
    calls.push_back("Rop2 " + std::to_string(mode));
    return std::exchange(m_rop, mode);
}

void CRecordingSurface::MoveTo(CPoint p)
{
    calls.push_back("MoveTo " + At(p));
    m_position = p;
}

void CRecordingSurface::LineTo(CPoint p)
{
    calls.push_back("LineTo " + At(p));
    m_position = p;
}

void CRecordingSurface::Polyline(std::span<const CPoint> points)
{
    calls.push_back("Polyline" + Points(points));
}

void CRecordingSurface::Polygon(std::span<const CPoint> points)
{
    calls.push_back("Polygon" + Points(points));
}

void CRecordingSurface::Rectangle(const CRect& box)
{
    calls.push_back("Rectangle " + Box(box));
}

void CRecordingSurface::Ellipse(const CRect& box)
{
    calls.push_back("Ellipse " + Box(box));
}

void CRecordingSurface::TextOut(CPoint reference, std::string_view text)
{
    calls.push_back("TextOut " + At(reference) + " align=" + std::to_string(m_align) + " colour=" +
                    Hex(m_textColor) + " esc=" + std::to_string(m_font.GetEscapement()) + " '" +
                    std::string(text) + "'");
}

void CRecordingSurface::ExtTextOut(CPoint reference, unsigned, const CRect&, std::string_view text)
{
    TextOut(reference, text);
}

void CRecordingSurface::PatBlt(int x, int y, int width, int height, std::uint32_t)
{
    calls.push_back("PatBlt " + Box({x, y, x + width, y + height}));
}

CSize CRecordingSurface::GetTextExtent(std::string_view text) const
{
    return m_measurer.GetTextExtent(m_font.GetLogFont(), text);
}

CTextMetrics CRecordingSurface::GetTextMetrics() const
{
    return m_measurer.GetTextMetrics(m_font.GetLogFont());
}

CSize CRecordingSurface::GetTextExtent(const CBearingFont& font, std::string_view text) const
{
    return m_measurer.GetTextExtent(font.GetLogFont(), text);
}

CTextMetrics CRecordingSurface::GetTextMetrics(const CBearingFont& font) const
{
    return m_measurer.GetTextMetrics(font.GetLogFont());
}

} // namespace TestSupport
