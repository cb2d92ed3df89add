// The logical font of a title block cell, as the printer's font mapper takes it.
#pragma once

#include <cstdint>
#include <string>

// A logical font description: heights are page units (0.1 mm). The defaults are those of every
// title block cell: Arial, normal weight, TrueType output precision, proof quality, variable
// pitch, no italic, underline or strike-out.
struct CDrawingFrameFont
{
    std::string FaceName = "Arial";
    std::int32_t Height = 0;
    std::int32_t Width = 0;
    std::int32_t Escapement = 0;
    std::int32_t Orientation = 0;
    std::int32_t Weight = 400;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    std::uint8_t CharSet = 0;
    std::uint8_t OutPrecision = 7;
    std::uint8_t ClipPrecision = 0;
    std::uint8_t Quality = 2;
    std::uint8_t PitchAndFamily = 4;

    bool operator==(const CDrawingFrameFont&) const = default;
};
