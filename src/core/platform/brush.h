// Brushes of the drawing surface.
#pragma once

#include "platform/geometry.h"

#include <cstdint>

enum class EBrushStyle : std::uint32_t
{
    Solid = 0,
    Null = 1,
    Hatched = 2,
};

// Hatch kinds of a hatched brush, GDI values.
enum class EHatchStyle : std::uint32_t
{
    Horizontal = 0,
    Vertical = 1,
    ForwardDiagonal = 2,
    BackwardDiagonal = 3,
    Cross = 4,
    DiagonalCross = 5,
};

// A logical brush: solid, null (hollow) or hatched in one colour.
class CBrush
{
public:
    CBrush() = default;
    explicit CBrush(ColorRef color) : m_color(color) {}
    CBrush(EHatchStyle hatch, ColorRef color)
        : m_style(EBrushStyle::Hatched), m_color(color), m_hatch(hatch)
    {}
    static CBrush Null()
    {
        CBrush b;
        b.m_style = EBrushStyle::Null;
        return b;
    }

    EBrushStyle GetStyle() const { return m_style; }
    ColorRef GetColor() const { return m_color; }
    EHatchStyle GetHatch() const { return m_hatch; }
    bool IsNull() const { return m_style == EBrushStyle::Null; }

    friend bool operator==(const CBrush&, const CBrush&) = default;

private:
    EBrushStyle m_style = EBrushStyle::Solid;
    ColorRef m_color = 0xFFFFFF;
    EHatchStyle m_hatch = EHatchStyle::Horizontal;
};
