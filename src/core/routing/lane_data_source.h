// Texts written at the two ends of every lane in the drawing.
#pragma once

#include <string>

class CCapacityLane;
class CFlowGroup;

// Supplies the two lane end texts for a flow group; the drawing decides where they go.
class CLaneDataSource
{
public:
    virtual ~CLaneDataSource() = default;
    virtual std::string GetText1(const CFlowGroup* group, const CCapacityLane& lane) const = 0;
    virtual std::string GetText2(const CFlowGroup* group, const CCapacityLane& lane) const = 0;
};

// Text 1 is the lane inflow, text 2 the stop-line flow, both "%.0f".
class CLaneDataActualFlow : public CLaneDataSource
{
public:
    std::string GetText1(const CFlowGroup* group, const CCapacityLane& lane) const override;
    std::string GetText2(const CFlowGroup* group, const CCapacityLane& lane) const override;
};
