// Where everything of one printed page goes, worked out before anything is drawn.
#pragma once

#include "platform/geometry.h"
#include "printing/page_mapping.h"
#include "printing/printer_caps.h"

class CPrintPage;

// The scale that fits the zone into the area, page units per network unit: the smaller of the
// two ratios of width and height. A zone (or area) without width or height has no such scale
// and prints at 1.0 instead of dividing by zero.
double FitScale(const CRect& area, const CRect& zone);
// The page's scale: the fit scale of its zone in the area when it scales to fit, else its own.
double PrintScale(const CPrintPage& page, const CRect& area);

// A page on a printer. The frame and its title block are drawn under frameMapping (scale 1, so
// that logical units are page units of the sheet); the network under zoneMapping, at the page's
// scale with the zone centred in the drawing area, clipped to drawingRect (network units): the
// drawing area, cut to the zone when the page crops to it. The device origin offset is taken
// off once, in the viewport origins.
struct CPagePrintPlan
{
    CRect frame;
    CPageMapping frameMapping;
    CRect drawingArea;
    // The drawing area in device pixels.
    CRect deviceArea;
    double scale = 1.0;
    CPageMapping zoneMapping;
    CRect drawingRect;
};

// The plan of the page as its title block now stands (SetDefaultTitleBlock runs first, as it
// sets the strip). On a device that is not usable everything is empty.
CPagePrintPlan PlanPrintedPage(const CPrintPage& page, const CPrinterCaps& caps);
