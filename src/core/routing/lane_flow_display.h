// The lane flow display settings of a document and the commands that set them.
#pragma once

#include <string_view>

// How the network view bands lane flows. Stored numbers: aggregation 0 by OD, 1 by origin,
// 2 by destination, 3 none; colouring 0 by origin zone, 1 by destination zone.
struct CLaneFlowDisplaySettings
{
    int aggregationMode = 3;
    int colourMode = 0;
    bool showZeroFlows = false;
    friend bool operator==(const CLaneFlowDisplaySettings&,
                           const CLaneFlowDisplaySettings&) = default;
};

enum class LaneFlowDisplayCommand
{
    AggregateByOD,
    AggregateByOrigin,
    AggregateByDestination,
    NoAggregation,
    ColourByOrigin,
    ColourByDestination,
    ShowZeroFlows,
    DontShowZeroFlows,
};

// The command's label, which names its undo checkpoint ("Aggregate Flows By OD", ...).
std::string_view LaneFlowDisplayCommandName(LaneFlowDisplayCommand command);
// Aggregating by origin also colours by origin, by destination colours by destination; the
// other two aggregation commands leave the colouring alone.
void ApplyLaneFlowDisplayCommand(CLaneFlowDisplaySettings& settings,
                                 LaneFlowDisplayCommand command);
