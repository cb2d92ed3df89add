// The GDI-like drawing surface the network renderer draws on; the metafile recorder and the
// screen and printer surfaces implement it.
#pragma once

#include "platform/brush.h"
#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/pen.h"
#include "platform/text_measurer.h"

#include <cstdint>
#include <span>
#include <string_view>

// Text alignment flags, GDI values: one horizontal and one vertical choice, or-ed.
namespace TextAlign
{
constexpr unsigned Left = 0;
constexpr unsigned Right = 2;
constexpr unsigned Center = 6;
constexpr unsigned Top = 0;
constexpr unsigned Bottom = 8;
constexpr unsigned Baseline = 24;
} // namespace TextAlign

enum class EBkMode : std::uint32_t
{
    Transparent = 1,
    Opaque = 2,
};

// Options of ExtTextOut, GDI values.
namespace TextOutOption
{
constexpr unsigned Opaque = 2;
constexpr unsigned Clipped = 4;
} // namespace TextOutOption

// Binary raster operations (SetRop2), GDI values.
namespace Rop2
{
constexpr int Black = 1;
constexpr int NotXorPen = 10;
constexpr int XorPen = 7;
constexpr int CopyPen = 13;
} // namespace Rop2

// Ternary raster operations of PatBlt.
namespace Rop3
{
constexpr std::uint32_t PatCopy = 0x00F00021;
constexpr std::uint32_t PatInvert = 0x005A0049;
} // namespace Rop3

// Coordinates are plan units (0.1 mm at zoom 1, 254 to the inch, y down); a surface maps
// them to its device. Select calls return what was selected before so the caller can put
// it back; the surface owns the objects it makes for them. Text is UTF-8.
class CDrawingSurface
{
public:
    static constexpr int UnitsPerInch = 254;

    virtual ~CDrawingSurface() = default;

    virtual CPenExt SelectPen(const CPenExt& pen) = 0;
    virtual CBrush SelectBrush(const CBrush& brush) = 0;
    virtual CBearingFont SelectFont(const CBearingFont& font) = 0;
    virtual ColorRef SetTextColor(ColorRef color) = 0;
    virtual ColorRef SetBkColor(ColorRef color) = 0;
    virtual EBkMode SetBkMode(EBkMode mode) = 0;
    virtual unsigned SetTextAlign(unsigned flags) = 0;
    virtual int SetRop2(int mode) = 0;

    virtual void MoveTo(CPoint p) = 0;
    virtual void LineTo(CPoint p) = 0;
    virtual void Polyline(std::span<const CPoint> points) = 0;
    virtual void Polygon(std::span<const CPoint> points) = 0;
    // Rectangle and ellipse take GDI boxes: right and bottom lie just outside the shape.
    virtual void Rectangle(const CRect& box) = 0;
    virtual void Ellipse(const CRect& box) = 0;
    virtual void TextOut(CPoint reference, std::string_view text) = 0;
    // options from TextOutOption; rect is the opaque or clipping rectangle.
    virtual void ExtTextOut(CPoint reference, unsigned options, const CRect& rect,
                            std::string_view text) = 0;
    // Fills (x, y, width, height) with the current brush under a ternary raster operation.
    virtual void PatBlt(int x, int y, int width, int height, std::uint32_t rop) = 0;

    virtual CSize GetTextExtent(std::string_view text) const = 0;
    virtual CTextMetrics GetTextMetrics() const = 0;
    // The same for a font that is not selected, so that measuring records nothing.
    virtual CSize GetTextExtent(const CBearingFont& font, std::string_view text) const = 0;
    virtual CTextMetrics GetTextMetrics(const CBearingFont& font) const = 0;
    virtual CRect GetClipBox() const = 0;

    virtual CPoint GetCurrentPosition() const = 0;
    virtual const CPenExt& GetPen() const = 0;
    virtual const CBrush& GetBrush() const = 0;
    virtual const CBearingFont& GetFont() const = 0;
    virtual ColorRef GetTextColor() const = 0;
    virtual unsigned GetTextAlign() const = 0;
};
