// Lane end texts from the lane flows.
#include "routing/lane_data_source.h"

#include "model/capacity_lane.h"

#include <cstdio>

namespace
{

std::string Whole(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.0f", value);
    return text;
}

} // namespace

std::string CLaneDataActualFlow::GetText1(const CFlowGroup* group, const CCapacityLane& lane) const
{
    return Whole(lane.GetInflow(group));
}

std::string CLaneDataActualFlow::GetText2(const CFlowGroup* group, const CCapacityLane& lane) const
{
    return Whole(lane.GetStopLineFlow(group));
}
