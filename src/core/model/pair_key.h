// The map key of an ordered pair of ids (two lanes of a connector, two zones of a movement).
#pragma once

#include <compare>
#include <cstdint>

// The 32-bit pair key (first id low 16 bits) * 65536 + (second id low 16 bits) orders connectors
// and movements, but it stops being unique once an id passes 65535: lane ids come from a counter
// that every undo and every file load advances. So the maps sort by that key and break ties on
// the full ids, which keeps the documented order and never confuses two pairs.
struct CPairKey
{
    std::uint32_t key = 0;
    std::uint32_t firstId = 0;
    std::uint32_t secondId = 0;

    static constexpr std::uint32_t PackLow16(std::uint32_t first, std::uint32_t second)
    {
        return ((first & 0xFFFFu) << 16) | (second & 0xFFFFu);
    }
    static constexpr CPairKey Make(std::uint32_t first, std::uint32_t second)
    {
        return {PackLow16(first, second), first, second};
    }

    friend constexpr auto operator<=>(const CPairKey&, const CPairKey&) = default;
};
