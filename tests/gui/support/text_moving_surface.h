// Painting with the Qt surface for comparisons, and a Qt surface that makes one deliberate
// mistake, to show that the agreement check catches such mistakes: the first text that reads
// as named is written 6 plan units to the right.
#pragma once

#include "platform/qpainter_surface.h"
#include "support/metafile_reader.h"

#include <functional>
#include <string>

namespace GuiTestSupport
{
class CTextMovingSurface : public CQPainterSurface
{
public:
    CTextMovingSurface(QPainter& painter, const CPlanMapping& mapping,
                       const CTextMeasurer& measurer, CGlyphFonts* glyphFonts,
                       std::string movedText)
        : CQPainterSurface(painter, mapping, measurer, glyphFonts),
          m_movedText(std::move(movedText))
    {}

    void TextOut(CPoint reference, std::string_view text) override
    {
        CQPainterSurface::TextOut(Moved(reference, text), text);
    }
    void ExtTextOut(CPoint reference, unsigned options, const CRect& rect,
                    std::string_view text) override
    {
        CQPainterSurface::ExtTextOut(Moved(reference, text), options, rect, text);
    }

private:
    CPoint Moved(CPoint reference, std::string_view text)
    {
        if (m_moved || text != m_movedText) {
            return reference;
        }
        m_moved = true;
        return {reference.x + 6, reference.y};
    }

    std::string m_movedText;
    bool m_moved = false;
};

// What the Qt surface paints of a drawing over the bounds, at one pixel per plan unit on white
// and antialiased; with a text named, the first text that reads so is out of place.
inline QImage PaintOnImage(const CRect& bounds, const CTextMeasurer& measurer, CGlyphFonts& fonts,
                           const std::function<void(CDrawingSurface&)>& draw,
                           const std::string& movedText = {})
{
    QImage image(PixelSizeOf(bounds, 1.0), QImage::Format_RGB32);
    image.fill(Qt::white);
    CPlanMapping mapping;
    mapping.windowOrigin = QPointF(bounds.left, bounds.top);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    CTextMovingSurface surface(painter, mapping, measurer, &fonts, movedText);
    draw(surface);
    return image;
}
} // namespace GuiTestSupport
