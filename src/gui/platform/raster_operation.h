// The binary and ternary raster operations of the drawing surface as QPainter composition modes.
#pragma once

#include <QPainter>

#include <cstdint>
#include <optional>

// The composition mode that draws like the binary raster operation (SetRop2 value 1 to 16).
// Unknown values draw as a plain copy. Qt applies the bitwise modes on raster devices only.
QPainter::CompositionMode CompositionModeForRop2(int rop2);

// A PatBlt operation: the composition mode and, where the result does not depend on the
// brush (black, white), the colour to fill with instead of it.
struct CPatBltOperation
{
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    std::optional<QColor> fill;
};

// The PatBlt operations the program uses (pattern copy, pattern invert, destination invert,
// black, white); any other ternary code copies the pattern.
CPatBltOperation PatBltOperationFor(std::uint32_t rop3);
