// The process-wide settings records.
#include "document/program_settings.h"

#include "document/network_settings.h"

#include <algorithm>
#include <cmath>

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
