// A print zone as the network view shows it in print layout mode.
#pragma once

#include "platform/drawing_surface.h"
#include "platform/bounds.h"
#include "view/render_context.h"

class CPrintPage;

// The zone filled light grey under NOTXOR without an outline pen (so what lies under it shows
// through, and overlapping zones show their overlap), its page number ("%i") in green turned a
// quarter turn beside its left edge, reading upwards, then its outline: in the selected item
// colour for the current zone, which also gets square handles on its corners and edge middles.
class CPrintZoneGraphics
{
public:
    static constexpr ColorRef FillColour = 0xF5F5F5;
    static constexpr ColorRef NumberColour = 0x00FF00;
    // Half the side of a handle's square.
    static constexpr int HandleHalfSize = 6;
    // Between the left edge and the number.
    static constexpr int NumberGap = 4;

    CPrintZoneGraphics(const CRenderContext& context, const CPrintPage& page, bool current)
        : m_context(context), m_page(page), m_current(current)
    {}

    CRect GetBoundingRect(const CDrawingSurface& surface) const;
    void Draw(CDrawingSurface& surface, CBounds* bounds) const;

private:
    CBearingFont NumberFont() const;
    CPoint NumberPlace() const;
    void DrawHandles(CDrawingSurface& surface, ColorRef colour) const;

    const CRenderContext& m_context;
    const CPrintPage& m_page;
    bool m_current;
};
