// The mapping a printed page is drawn under: logical units to printer pixels.
#pragma once

#include "platform/geometry.h"
#include "printing/printer_caps.h"

// GDI's anisotropic mapping as printing sets it: a window extent of 254 x 254 logical units
// spans viewportExtent pixels, and the logical point windowOrigin lands on the pixel
// viewportOrigin. At scale 1 a logical unit is a page unit (0.1 mm); at scale s a network unit
// is s page units on paper. Conversions round to the nearest pixel or unit, halves away from
// zero, and stay within the range of int; an axis without extent maps everything onto its
// origin.
struct CPageMapping
{
    static constexpr int WindowExtent = 254;

    CPoint windowOrigin;
    CPoint viewportOrigin;
    CSize viewportExtent;

    CPoint ToDevice(CPoint logical) const;
    CPoint ToLogical(CPoint device) const;
    CRect ToDevice(const CRect& logical) const;
    CRect ToLogical(const CRect& device) const;

    friend bool operator==(const CPageMapping&, const CPageMapping&) = default;
};

// Both origins at 0 and a viewport extent of trunc(pixels per inch x scale) on each axis.
CPageMapping PageMapping(const CPrinterCaps& caps, double scale);
