#include "printing/frame_drawing.h"

#include "printing/drawing_frame.h"
#include "printing/page_layout.h"
#include "printing/text_wrap.h"

#include <array>

namespace
{

constexpr ColorRef Black = Rgb(0, 0, 0);
constexpr int CaptionInset = 2;
constexpr int ValueGap = 4;

CBearingFont FontOf(const CDrawingFrameFont& font)
{
    return CBearingFont(90.0, font.Height, false); // bearing 90: level text
}

void Outline(CDrawingSurface& surface, const CRect& rect)
{
    const std::array<CPoint, 5> corners{
        CPoint{rect.left, rect.top}, CPoint{rect.right, rect.top}, CPoint{rect.right, rect.bottom},
        CPoint{rect.left, rect.bottom}, CPoint{rect.left, rect.top}};
    surface.Polyline(corners);
}

void DrawValue(CDrawingSurface& surface, const CDrawingFrameCell& cell, const CRect& box)
{
    if (box.IsEmpty() || cell.GetValue().empty())
        return;
    const CBearingFont font = FontOf(cell.GetValueFont());
    const std::vector<std::string> lines = WrapText(surface, font, cell.GetValue(), box.Width());
    const int lineHeight = surface.GetTextMetrics(font).height;
    const int height = static_cast<int>(lines.size()) * lineHeight;
    int y = height <= box.Height() ? box.top + (box.Height() - height) / 2 : box.top;
    surface.SelectFont(font);
    surface.SetTextAlign(TextAlign::Center | TextAlign::Top);
    const int x = box.left + box.Width() / 2;
    for (std::size_t i = 0; i < lines.size(); ++i, y += lineHeight) {
        if (i > 0 && y + lineHeight > box.bottom)
            break;
        surface.TextOut({x, y}, lines[i]);
    }
}

void DrawCell(CDrawingSurface& surface, const CDrawingFrameCell& cell, const CRect& rect)
{
    Outline(surface, rect);
    const CBearingFont captionFont = FontOf(cell.GetCaptionFont());
    surface.SelectFont(captionFont);
    surface.SetTextAlign(TextAlign::Left | TextAlign::Top);
    const CPoint caption{rect.left + CaptionInset, rect.top + CaptionInset};
    surface.TextOut(caption, cell.GetCaption());
    const int captionBottom = caption.y + surface.GetTextMetrics(captionFont).height;
    DrawValue(surface, cell,
              {rect.left + CaptionInset, captionBottom + ValueGap, rect.right - CaptionInset,
               rect.bottom - CaptionInset});
}

} // namespace

void DrawDrawingFrame(CDrawingSurface& surface, const CDrawingFrame& frame, const CRect& frameRect)
{
    const CPenExt pen = surface.SelectPen(CPenExt(EPenStyle::Solid, 0, Black));
    const CBrush brush = surface.SelectBrush(CBrush::Null());
    const CBearingFont font = surface.GetFont();
    const ColorRef textColour = surface.SetTextColor(Black);
    const EBkMode bkMode = surface.SetBkMode(EBkMode::Transparent);
    const unsigned align = surface.GetTextAlign();

    Outline(surface, frameRect);
    if (frame.GetTitleBlockPosition() != TitleBlockPosition::None) {
        const std::vector<std::vector<CRect>> cells =
            TitleBlockCells(frame, StripRect(frame, frameRect));
        for (int r = 1; r <= frame.GetRows().GetCount(); ++r) {
            const CDrawingFrameCells& rowCells = frame.GetRows().GetRow(r)->GetCells();
            for (int c = 1; c <= rowCells.GetCount(); ++c) {
                const CRect& rect =
                    cells[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
                if (!rect.IsEmpty())
                    DrawCell(surface, *rowCells.GetCell(c), rect);
            }
        }
    }

    surface.SetTextAlign(align);
    surface.SetBkMode(bkMode);
    surface.SetTextColor(textColour);
    surface.SelectFont(font);
    surface.SelectBrush(brush);
    surface.SelectPen(pen);
}
