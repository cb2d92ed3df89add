// Pens of the drawing surface.
#pragma once

#include "platform/geometry.h"

#include <cstdint>
#include <vector>

// Pen styles with their GDI values, which the metafile stores.
enum class EPenStyle : std::uint32_t
{
    Solid = 0,
    Dash = 1,
    Dot = 2,
    DashDot = 3,
    DashDotDot = 4,
    Null = 5,
    InsideFrame = 6,
    UserStyle = 7,
};

// A pen made from (style, width in plan units, colour). A width below 2 gives a plain
// (cosmetic) pen of that style; 2 or more gives a geometric pen with flat ends whose dashes
// are a user pattern in plan units, so that dashes scale with the drawing. The null style
// always stays a plain null pen.
class CPenExt
{
public:
    CPenExt() = default;
    CPenExt(EPenStyle style, int width, ColorRef color);

    static CPenExt Null() { return CPenExt(EPenStyle::Null, 0, 0); }

    // The style the caller asked for (solid, dash, dot, dash-dot, dash-dot-dot, null).
    EPenStyle GetRequestedStyle() const { return m_requested; }
    // The style as recorded: UserStyle for a dashed geometric pen.
    EPenStyle GetStyle() const { return m_style; }
    int GetWidth() const { return m_width; }
    ColorRef GetColor() const { return m_color; }
    bool IsGeometric() const { return m_geometric; }
    bool IsNull() const { return m_style == EPenStyle::Null; }
    const std::vector<std::uint32_t>& GetDashes() const { return m_dashes; }

    // The plain pen of width 1 used where a geometric pen cannot be made.
    CPenExt PlainFallback() const;

    // The user dash pattern in plan units for a dashed style; empty for solid and others.
    static std::vector<std::uint32_t> DashPattern(EPenStyle style);

    friend bool operator==(const CPenExt&, const CPenExt&) = default;

private:
    EPenStyle m_requested = EPenStyle::Solid;
    EPenStyle m_style = EPenStyle::Solid;
    int m_width = 0;
    ColorRef m_color = 0;
    bool m_geometric = false;
    std::vector<std::uint32_t> m_dashes;
};
