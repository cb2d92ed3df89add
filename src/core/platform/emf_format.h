// Enhanced metafile record types, stock objects and fixed sizes shared by the recorder and
// the reader.
#pragma once

#include <cstdint>

namespace Emf
{
enum ERecordType : std::uint32_t
{
    Header = 1,
    Polygon = 3,
    Polyline = 4,
    Eof = 14,
    SetBkMode = 18,
    SetRop2 = 20,
    SetTextAlign = 22,
    SetTextColor = 24,
    SetBkColor = 25,
    MoveToEx = 27,
    IntersectClipRect = 30,
    SelectObject = 37,
    CreatePen = 38,
    CreateBrushIndirect = 39,
    DeleteObject = 40,
    Ellipse = 42,
    Rectangle = 43,
    LineTo = 54,
    BitBlt = 76,
    ExtCreateFontIndirectW = 82,
    ExtTextOutA = 83,
    ExtTextOutW = 84,
    Polygon16 = 86,
    Polyline16 = 87,
    ExtCreatePen = 95,
};

constexpr std::uint32_t Signature = 0x464D4520; // " EMF"
constexpr std::uint32_t Version = 0x00010000;
constexpr std::uint32_t HeaderSize = 108; // with the pixel format and micrometre fields
constexpr std::uint32_t MinHeaderSize = 88;
constexpr std::uint32_t StockFlag = 0x80000000;

// Stock object numbers (without StockFlag).
enum EStockObject : std::uint32_t
{
    WhiteBrush = 0,
    LtGrayBrush = 1,
    GrayBrush = 2,
    DkGrayBrush = 3,
    BlackBrush = 4,
    NullBrush = 5,
    WhitePen = 6,
    BlackPen = 7,
    NullPen = 8,
    OemFixedFont = 10,
    AnsiFixedFont = 11,
    AnsiVarFont = 12,
    SystemFont = 13,
    DeviceDefaultFont = 14,
    SystemFixedFont = 16,
};

// Pen style bits of an extended pen.
constexpr std::uint32_t PenStyleMask = 0x0000000F;
constexpr std::uint32_t PenEndCapFlat = 0x00000200;
constexpr std::uint32_t PenGeometric = 0x00010000;

constexpr std::uint32_t LogFontSize = 92;
constexpr std::uint32_t LogFontPanoseSize = 320;
constexpr std::uint32_t GraphicsModeCompatible = 1;
} // namespace Emf
