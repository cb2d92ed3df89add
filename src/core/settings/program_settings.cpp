// The process-wide settings records.
#include "settings/program_settings.h"

#include "settings/network_settings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

ProgramSettings& ProgramSettings::Instance()
{
    static ProgramSettings settings;
    return settings;
}

std::int32_t TenthsOfMillimetreFromMillimetres(double millimetres, std::int32_t minimum,
                                               std::int32_t maximum)
{
    // The nudge keeps binary rounding from costing a tenth: 2.3 * 10 is 22.999999999999996.
    const double tenths = std::trunc(millimetres * 10.0 + std::copysign(1e-9, millimetres));
    if (std::isnan(tenths))
        return minimum;
    // Clamp as a double first so that huge input cannot overflow the conversion.
    return static_cast<std::int32_t>(
        std::clamp(tenths, static_cast<double>(minimum), static_cast<double>(maximum)));
}

std::int32_t TenthsOfMillimetreFromText(std::string_view millimetres, std::int32_t minimum,
                                        std::int32_t maximum)
{
    std::string text(
        millimetres.substr(std::min(millimetres.find_first_not_of(" \t"), millimetres.size())));
    std::replace(text.begin(), text.end(), ',', '.');
    const char* first = text.data();
    if (!text.empty() && text.front() == '+')
        ++first;
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Beyond a double: a negative exponent made it too small to tell from zero.
        const std::string_view number(first, static_cast<std::size_t>(end - first));
        const bool tiny = number.find("e-") != number.npos || number.find("E-") != number.npos;
        value = tiny ? 0.0 : std::copysign(HUGE_VAL, *first == '-' ? -1.0 : 1.0);
    } else if (error != std::errc()) {
        return minimum;
    }
    return TenthsOfMillimetreFromMillimetres(value, minimum, maximum);
}

std::string MillimetreText(std::int32_t tenths)
{
    char text[32];
    std::snprintf(text, sizeof text, "%1.1f", tenths / 10.0);
    return text;
}

void NetworkSettings::RefreshFromDefaults(const ProgramSettings& defaults)
{
    LaneFlowDelimiter = defaults.DefLaneFlowDelimiter;
    ArmTextHeight = defaults.DefArmTextHeight;
    ZoneTextHeight = defaults.DefZoneTextHeight;
    CapacityAssessorTextHeight = defaults.DefCapacityAssessorTextHeight;
    ODMatrixTextHeight = defaults.DefODMatrixTextHeight;
    GridSize = defaults.DefGridSize;
    Author = defaults.DefAuthor;
    Company = defaults.DefCompany;
    Address = defaults.DefAddress;
}

NetworkSettings& NetworkSettings::Instance()
{
    static NetworkSettings settings;
    return settings;
}
