// The lanes selected in a view.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

class CCapacityLane;

// An ordered set of lanes keyed by lane id that keeps each member's selected mark set.
class CLaneSet
{
public:
    CLaneSet() = default;
    CLaneSet(const CLaneSet&) = delete;
    CLaneSet& operator=(const CLaneSet&) = delete;

    // Inserts and marks the lane, or removes and unmarks it when present; true when inserted.
    bool Toggle(CCapacityLane& lane);
    // Unmarks every member and empties the set.
    void Clear();
    // Takes a lane out without touching its mark (for a lane that is about to be destroyed).
    bool Forget(const CCapacityLane& lane);
    bool Contains(const CCapacityLane& lane) const;
    // The lane with the lowest id, or none.
    CCapacityLane* First() const;
    std::uint32_t GetCount() const { return static_cast<std::uint32_t>(m_lanes.size()); }
    std::vector<CCapacityLane*> GetLanes() const;

private:
    std::map<std::uint32_t, CCapacityLane*> m_lanes;
};
