// Printers the printing tests lay pages out on.
#pragma once

#include "printing/printer_caps.h"

namespace TestSupport
{

// A4 at 600 dpi, 100 pixels unprintable at the left and top, on a full-page device.
inline CPrinterCaps A4Landscape600()
{
    return {7016, 4961, 100, 100, 6816, 4761, 600, 600, 0, 0};
}
inline CPrinterCaps A4Portrait600()
{
    return {4961, 7016, 100, 100, 4761, 6816, 600, 600, 0, 0};
}
// A4 landscape at one pixel a page unit, all of it printable.
inline CPrinterCaps A4Landscape254()
{
    return {2970, 2100, 0, 0, 2970, 2100, 254, 254, 0, 0};
}

} // namespace TestSupport
