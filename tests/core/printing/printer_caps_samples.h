// Printers the printing tests lay pages out on.
#pragma once

#include "printing/printer_caps.h"

namespace TestSupport
{

// A4 landscape at 600 dpi: 7016 x 4961 pixels, 100 pixels unprintable at the left and top, 6816
// x 4761 printable; the origin on the paper's corner, as a full-page device has it.
inline CPrinterCaps A4Landscape600()
{
    CPrinterCaps caps;
    caps.physicalWidth = 7016;
    caps.physicalHeight = 4961;
    caps.physicalOffsetX = 100;
    caps.physicalOffsetY = 100;
    caps.horzRes = 6816;
    caps.vertRes = 4761;
    caps.logPixelsX = 600;
    caps.logPixelsY = 600;
    return caps;
}

// The same sheet portrait.
inline CPrinterCaps A4Portrait600()
{
    CPrinterCaps caps = A4Landscape600();
    caps.physicalWidth = 4961;
    caps.physicalHeight = 7016;
    caps.horzRes = 4761;
    caps.vertRes = 6816;
    return caps;
}

// A4 landscape at 254 dpi with no unprintable margin: one pixel per page unit.
inline CPrinterCaps A4Landscape254()
{
    CPrinterCaps caps;
    caps.physicalWidth = caps.horzRes = 2970;
    caps.physicalHeight = caps.vertRes = 2100;
    caps.logPixelsX = caps.logPixelsY = 254;
    return caps;
}

} // namespace TestSupport
