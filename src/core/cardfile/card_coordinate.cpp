// Coordinate truncation for the card writers.
#include "cardfile/card_coordinate.h"

#include "cardfile/card_builder.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <string>

int TruncateCardCoordinate(double value, std::string_view field)
{
    const double whole = std::trunc(value);
    if (std::isfinite(whole) && whole >= static_cast<double>(INT_MIN) &&
        whole <= static_cast<double>(INT_MAX)) {
        return static_cast<int>(whole);
    }
    char shown[64];
    std::snprintf(shown, sizeof shown, "%.17g", value);
    throw errCardFieldRefused(std::string(field), shown,
                              "The " + std::string(field) + " " + shown +
                                  " cannot be written: it is not a coordinate a card can hold");
}
