// Plan coordinates as the whole numbers that cards carry.
#pragma once

#include <string_view>

// Truncates a plan coordinate toward zero for a coordinate field. A value that is not finite or
// lies beyond the range of int raises errCardFieldRefused naming field, rather than being
// converted with undefined result; the card builder then checks the field's width.
int TruncateCardCoordinate(double value, std::string_view field);
