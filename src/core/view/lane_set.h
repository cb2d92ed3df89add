// The lanes selected in a view.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

class CCapacityLane;

// An ordered set of lanes keyed by lane id. The drawing asks it by id, so a lane that has gone
// is never reached through it; the editor clears the selection before it deletes anything, and
// the view state clears it when the document replaces its objects.
class CLaneSet
{
public:
    CLaneSet() = default;
    CLaneSet(const CLaneSet&) = delete;
    CLaneSet& operator=(const CLaneSet&) = delete;

    // Inserts the lane, or removes it when present; true when inserted.
    bool Toggle(CCapacityLane& lane);
    void Clear() { m_lanes.clear(); }
    bool Contains(const CCapacityLane& lane) const;
    bool ContainsId(std::uint32_t laneId) const { return m_lanes.count(laneId) != 0; }
    // The lane with the lowest id, or none.
    CCapacityLane* First() const;
    std::uint32_t GetCount() const { return static_cast<std::uint32_t>(m_lanes.size()); }
    bool IsEmpty() const { return m_lanes.empty(); }
    std::vector<CCapacityLane*> GetLanes() const;
    std::vector<std::uint32_t> GetLaneIds() const;

private:
    std::map<std::uint32_t, CCapacityLane*> m_lanes;
};
