// The lanes selected in a view.
#include "view/lane_set.h"

#include "model/capacity_lane.h"

bool CLaneSet::Toggle(CCapacityLane& lane)
{
    auto [it, inserted] = m_lanes.emplace(lane.GetLaneId(), &lane);
    if (!inserted) {
        m_lanes.erase(it);
    }
    return inserted;
}

bool CLaneSet::Contains(const CCapacityLane& lane) const
{
    return ContainsId(lane.GetLaneId());
}

CCapacityLane* CLaneSet::First() const
{
    return m_lanes.empty() ? nullptr : m_lanes.begin()->second;
}

std::vector<std::uint32_t> CLaneSet::GetLaneIds() const
{
    std::vector<std::uint32_t> result;
    result.reserve(m_lanes.size());
    for (const auto& [id, lane] : m_lanes) {
        result.push_back(id);
    }
    return result;
}

std::vector<CCapacityLane*> CLaneSet::GetLanes() const
{
    std::vector<CCapacityLane*> result;
    result.reserve(m_lanes.size());
    for (const auto& [id, lane] : m_lanes) {
        result.push_back(lane);
    }
    return result;
}
