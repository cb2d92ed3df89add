#include "platform/raster_operation.h"

#include "platform/drawing_surface.h"

namespace
{
// Ternary codes beyond the two the core names.
constexpr std::uint32_t DstInvert = 0x00550009;
constexpr std::uint32_t Blackness = 0x00000042;
constexpr std::uint32_t Whiteness = 0x00FF0062;
} // namespace

QPainter::CompositionMode CompositionModeForRop2(int rop2)
{
    switch (rop2) {
    case 1: // black
        return QPainter::RasterOp_ClearDestination;
    case 2: // not (pen or destination)
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case 3: // destination and not pen
        return QPainter::RasterOp_NotSourceAndDestination;
    case 4: // not pen
        return QPainter::RasterOp_NotSource;
    case 5: // pen and not destination
        return QPainter::RasterOp_SourceAndNotDestination;
    case 6: // not destination
        return QPainter::RasterOp_NotDestination;
    case Rop2::XorPen:
        return QPainter::RasterOp_SourceXorDestination;
    case 8: // not (pen and destination)
        return QPainter::RasterOp_NotSourceOrNotDestination;
    case 9: // pen and destination
        return QPainter::RasterOp_SourceAndDestination;
    case Rop2::NotXorPen:
        return QPainter::RasterOp_NotSourceXorDestination;
    case 11: // leave the destination
        return QPainter::CompositionMode_Destination;
    case 12: // not pen or destination
        return QPainter::RasterOp_NotSourceOrDestination;
    case 14: // pen or not destination
        return QPainter::RasterOp_SourceOrNotDestination;
    case 15: // pen or destination
        return QPainter::RasterOp_SourceOrDestination;
    case 16: // white
        return QPainter::RasterOp_SetDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

CPatBltOperation PatBltOperationFor(std::uint32_t rop3)
{
    switch (rop3) {
    case Rop3::PatInvert:
        return {QPainter::RasterOp_SourceXorDestination, std::nullopt};
    case DstInvert:
        return {QPainter::RasterOp_NotDestination, std::nullopt};
    case Blackness:
        return {QPainter::CompositionMode_SourceOver, QColor(Qt::black)};
    case Whiteness:
        return {QPainter::CompositionMode_SourceOver, QColor(Qt::white)};
    default:
        return {QPainter::CompositionMode_SourceOver, std::nullopt};
    }
}
