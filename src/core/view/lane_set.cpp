// The lanes selected in a view, keeping each lane's selected mark in step.
#include "model/lane_set.h"

#include "model/capacity_lane.h"

bool CLaneSet::Toggle(CCapacityLane& lane)
{
    auto [it, inserted] = m_lanes.emplace(lane.GetLaneId(), &lane);
    if (!inserted) {
        m_lanes.erase(it);
    }
    lane.SetSelected(inserted);
    return inserted;
}

void CLaneSet::Clear()
{
    for (auto& [id, lane] : m_lanes) {
        lane->SetSelected(false);
    }
    m_lanes.clear();
}

bool CLaneSet::Forget(const CCapacityLane& lane)
{
    return m_lanes.erase(lane.GetLaneId()) != 0;
}

bool CLaneSet::Contains(const CCapacityLane& lane) const
{
    return m_lanes.count(lane.GetLaneId()) != 0;
}

CCapacityLane* CLaneSet::First() const
{
    return m_lanes.empty() ? nullptr : m_lanes.begin()->second;
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
