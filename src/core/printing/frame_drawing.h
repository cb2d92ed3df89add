// Drawing a printed sheet's frame and title block.
#pragma once

#include "platform/drawing_surface.h"

class CDrawingFrame;

// Draws on a surface whose logical units are page units of the sheet: the frame's border in a
// solid black pen of width 0 and, unless the title block's position is None, each cell of its
// rows: the cell's border, its caption at (left + 2, top + 2) in the caption font, and its value
// in the value font, wrapped and centred across (left + 2, caption bottom + 4, right - 2,
// bottom - 2), centred up and down when it fits and written from the top otherwise. Lines after
// the first that would end below that box are left out; cells that the strip cannot hold are
// not drawn. The surface's pen, brush, font, colours and alignment are put back afterwards.
void DrawDrawingFrame(CDrawingSurface& surface, const CDrawingFrame& frame, const CRect& frameRect);
