// Where a print page's title block sits on the sheet.
#pragma once

#include <optional>

// The values are stored in PPAGE cards.
enum class TitleBlockPosition : int
{
    None = 0,
    Left = 1,
    Top = 2,
    Right = 3,
    Bottom = 4,
};

// None for a stored value that names no position.
std::optional<TitleBlockPosition> TitleBlockPositionFromInt(int value);
