// The lane kind an arm holds, with its drawing part, and the container that makes it.
#pragma once

#include "model/lane.h"
#include "model/routed_lane.h"

// Drawing state of a lane; the renderer adds to it. The selected flag marks lanes picked in a
// view (CLaneSet keeps it).
class CGraphicalLane
{
public:
    bool IsSelected() const { return m_selected; }
    void SetSelected(bool selected) { m_selected = selected; }

private:
    bool m_selected = false;
};

// The lane of an arm: routed, drawable, and the place where the lane flow measures of the
// route code will live.
class CCapacityLane : public CRoutedLane, public CGraphicalLane
{
public:
    using CRoutedLane::CRoutedLane;
};

// The lanes of an arm as capacity lanes.
class CCapLanes : public CLanes
{
public:
    using CLanes::CLanes;

    CCapacityLane* InsertLane(std::uint32_t number);
    CCapacityLane* GetLane(std::uint32_t number) const;
    CCapacityLane* GetLaneById(std::uint32_t id) const;

protected:
    std::unique_ptr<CLane> CreateLane(std::uint32_t number) override;
};
