// The arm's lane container makes capacity lanes.
#include "model/capacity_lane.h"

std::unique_ptr<CLane> CCapLanes::CreateLane(std::uint32_t number)
{
    return std::make_unique<CCapacityLane>(this, number);
}

CCapacityLane* CCapLanes::InsertLane(std::uint32_t number)
{
    return static_cast<CCapacityLane*>(CLanes::InsertLane(number));
}

CCapacityLane* CCapLanes::GetLane(std::uint32_t number) const
{
    return static_cast<CCapacityLane*>(CLanes::GetLane(number));
}

CCapacityLane* CCapLanes::GetLaneById(std::uint32_t id) const
{
    return static_cast<CCapacityLane*>(CLanes::GetLaneById(id));
}
