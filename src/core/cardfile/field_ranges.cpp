// Range checks shared by the document's commands and the network file reader.
#include "cardfile/field_ranges.h"

#include <cmath>
#include <cstdio>

CValidationResult CheckFieldRange(std::string_view field, long long value, const CFieldRange& range)
{
    if (range.Contains(value)) {
        return CValidationResult::Accept();
    }
    return CValidationResult::Refuse("The " + std::string(field) + " " + std::to_string(value) +
                                     " is outside the range " + std::to_string(range.min) + " to " +
                                     std::to_string(range.max));
}

CValidationResult CheckRouteFlow(std::string_view field, double value)
{
    if (std::isfinite(value) && std::fabs(value) < kRouteFlowLimit) {
        return CValidationResult::Accept();
    }
    return CValidationResult::Refuse("The " + std::string(field) + " " + FieldValueText(value) +
                                     " does not lie between -100000 and 100000");
}

CValidationResult CheckPlanPoint(std::string_view what, double x, double y)
{
    for (const double value : {x, y}) {
        const double whole = std::trunc(value);
        if (!std::isfinite(whole) || whole < static_cast<double>(kCoordinateRange.min) ||
            whole > static_cast<double>(kCoordinateRange.max)) {
            return CValidationResult::Refuse("The " + std::string(what) + " cannot go to (" +
                                             FieldValueText(x) + ", " + FieldValueText(y) +
                                             "): its coordinates must lie in the range " +
                                             std::to_string(kCoordinateRange.min) + " to " +
                                             std::to_string(kCoordinateRange.max));
        }
    }
    return CValidationResult::Accept();
}

CValidationResult CheckSingleLine(std::string_view field, std::string_view text)
{
    if (text.find_first_of("\r\n") == std::string_view::npos) {
        return CValidationResult::Accept();
    }
    return CValidationResult::Refuse("The " + std::string(field) + " cannot hold a line break");
}

double ClampRouteFlow(double value)
{
    if (std::isnan(value)) {
        return 0.0;
    }
    constexpr double kClamped = 99999.0;
    return value <= -kRouteFlowLimit ? -kClamped : value >= kRouteFlowLimit ? kClamped : value;
}

std::string FieldValueText(double value)
{
    char text[64];
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15) {
        std::snprintf(text, sizeof text, "%.0f", value);
    } else {
        std::snprintf(text, sizeof text, "%.15g", value);
    }
    return text;
}
