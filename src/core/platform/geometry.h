// Integer plan geometry shared by every drawing surface: points, sizes, rectangles, colours.
#pragma once

#include <algorithm>
#include <cstdint>

// A colour packed 0x00BBGGRR, the layout every stored file and metafile uses.
using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(int r, int g, int b)
{
    return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(ColorRef c)
{
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(ColorRef c)
{
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(ColorRef c)
{
    return static_cast<int>((c >> 16) & 0xFF);
}

struct CPoint
{
    int x = 0;
    int y = 0;
    friend bool operator==(const CPoint&, const CPoint&) = default;
};

struct CSize
{
    int cx = 0;
    int cy = 0;
    friend bool operator==(const CSize&, const CSize&) = default;
};

// The plan coordinates a drawing places things at. A network file holds coordinates up to the
// range of int, but what a drawing adds to them (sizes, margins, text) and the metafile frame,
// ten times the bounds, must stay within int too: a farther object is drawn at the edge of this
// range.
inline constexpr int MaxDrawingCoordinate = 200'000'000;

// A plan coordinate brought into +-MaxDrawingCoordinate; a value that is not a number gives 0.
constexpr double DrawingCoordinate(double value)
{
    if (!(value == value)) {
        return 0.0;
    }
    return std::clamp(value, -static_cast<double>(MaxDrawingCoordinate),
                      static_cast<double>(MaxDrawingCoordinate));
}
constexpr int DrawingCoordinate(int value)
{
    return std::clamp(value, -MaxDrawingCoordinate, MaxDrawingCoordinate);
}

// A whole number computed in a wider type, brought into the range of int.
constexpr int ClampToInt(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}
// A real brought into the range of int and truncated toward zero; not a number gives 0.
constexpr int ClampToInt(double value)
{
    if (!(value == value)) {
        return 0;
    }
    return static_cast<int>(
        std::clamp(value, static_cast<double>(INT32_MIN), static_cast<double>(INT32_MAX)));
}

// A rectangle of plan units; right and bottom are exclusive for shapes (as for GDI) and
// inclusive for metafile bounds, which say so where they are used.
struct CRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Intersects(const CRect& o) const
    {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    friend bool operator==(const CRect&, const CRect&) = default;
};
