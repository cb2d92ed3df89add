// Grid cells as the clipboard carries them: tab-separated lines of the texts shown.
#pragma once

#include "tables/grid_data_provider.h"
#include "tables/grid_navigation.h"

#include <string>

// The block between two corner cells (in any order, clipped to the body), one line per row,
// cells separated by tabs, each line ending in "\n". Texts are the grid's own, so numbers carry
// "." as their decimal point in any locale.
std::string CopyGridBlock(const CGridDataProvider& grid, CGridCell first, CGridCell last);
// "Copy Matrix": every body cell with the header row above and the header column in front (the
// corner empty). An empty grid copies nothing.
std::string CopyWholeGrid(const CGridDataProvider& grid);
