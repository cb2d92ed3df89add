// What the "Print Page Layout" dialog edits on one print page.
#pragma once

#include "printing/title_block_position.h"

#include <string>

// The page's number (a change moves the page) and the layout of its sheet. The scale is
// clamped into the print zone's range when applied.
struct CPrintPageLayout
{
    int position = 1;
    bool scaleToFit = false;
    double scale = 1.0;
    bool cropToPrintZone = true;
    bool landscape = true;
    TitleBlockPosition titleBlockPosition = TitleBlockPosition::Right;
    std::string pageTitle;
    bool indicateScale = false;
};
