// What printing needs to know of a printer: the device capabilities it reports.
#pragma once

// Sizes and offsets are device pixels. The physical size is the paper's, the resolution the
// printable area's (HORZRES, VERTRES), the physical offsets the unprintable margin at the left
// and top. The origin offset is where the device puts its own origin on the paper: the printable
// corner (the physical offsets) on a device whose origin is there, 0 on a full-page device whose
// origin is the paper's corner. Page layout converts pixels to page units (0.1 mm) by the pixels
// per inch; a device without a resolution or a paper size is not usable and lays out nothing.
struct CPrinterCaps
{
    int physicalWidth = 0;
    int physicalHeight = 0;
    int physicalOffsetX = 0;
    int physicalOffsetY = 0;
    int horzRes = 0;
    int vertRes = 0;
    int logPixelsX = 0;
    int logPixelsY = 0;
    int originOffsetX = 0;
    int originOffsetY = 0;

    bool IsUsable() const
    {
        return logPixelsX > 0 && logPixelsY > 0 && physicalWidth > 0 && physicalHeight > 0;
    }

    friend bool operator==(const CPrinterCaps&, const CPrinterCaps&) = default;
};
