// The values the network file's fields hold. Commands bring what a user typed into these ranges
// and the reader brings what a file carried into them, so that every value the document holds
// writes and reads back unchanged.
#pragma once

#include "model/validation.h"

#include <cstdint>
#include <string>
#include <string_view>

// A closed range of whole numbers.
struct CFieldRange
{
    long long min;
    long long max;

    constexpr bool Contains(long long value) const { return value >= min && value <= max; }
    constexpr long long Clamp(long long value) const
    {
        return value < min ? min : value > max ? max : value;
    }
};

// A five-column signed field ("%5i"): thresholds, text heights, lane lengths, the grid size.
inline constexpr CFieldRange kFiveColumnRange{-9999, 99999};
// A five-column unsigned field ("%5u"): desired flows, counts of cards.
inline constexpr CFieldRange kFiveColumnUnsignedRange{0, 99999};
// A coordinate in a ten-column field ("%10i" of an int).
inline constexpr CFieldRange kCoordinateRange{-999999999, 2147483647};
// A colour 0x00BBGGRR, as the colour chooser gives it.
inline constexpr CFieldRange kColourRange{0, 0x00FFFFFF};
// The length of a short lane: whole PCU below the infinitely long lane's 9999.
inline constexpr CFieldRange kShortLaneLengthRange{1, 9998};
// A route flow or proportion ("% 22.15f") has five digits before the point: it is less than
// this in size.
inline constexpr double kRouteFlowLimit = 100000.0;
// The route count of the NET card and the route numbers of RTFLW cards.
inline constexpr std::uint32_t kMaxRoutes = 99999;

// Accepted when value lies in range; otherwise "The <field> <value> is outside the range <min>
// to <max>".
CValidationResult CheckFieldRange(std::string_view field, long long value,
                                  const CFieldRange& range);
// Accepted for a finite route flow less than kRouteFlowLimit in size.
CValidationResult CheckRouteFlow(std::string_view field, double value);
// Accepted for a plan point whose whole-number coordinates fit their fields.
CValidationResult CheckPlanPoint(std::string_view what, double x, double y);
// Accepted for a text without CR or LF: the card would end there.
CValidationResult CheckSingleLine(std::string_view field, std::string_view text);

// A route flow or proportion as the reader takes it: one too large for its field becomes
// +-99999, one that is not a number 0.
double ClampRouteFlow(double value);
// A number as the messages show it: whole numbers without a fraction, others with up to 15
// significant digits.
std::string FieldValueText(double value);
