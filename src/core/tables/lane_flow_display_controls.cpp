// The lane flow display manager's controls.
#include "tables/lane_flow_display_controls.h"

CLaneFlowDisplayControls LaneFlowDisplayControls(const CLaneFlowDisplaySettings& settings)
{
    CLaneFlowDisplayControls controls;
    controls.aggregateByOD = settings.aggregationMode == 0;
    controls.aggregateByOrigin = settings.aggregationMode == 1;
    controls.aggregateByDestination = settings.aggregationMode == 2;
    controls.aggregateNone = settings.aggregationMode == 3;
    controls.colourByOrigin = settings.colourMode == 0;
    controls.colourByDestination = settings.colourMode == 1;
    controls.colourByOriginEnabled = settings.aggregationMode != 2;
    controls.colourByDestinationEnabled = settings.aggregationMode != 1;
    controls.showZeroFlows = settings.showZeroFlows;
    return controls;
}

std::optional<LaneFlowDisplayCommand>
LaneFlowDisplayButtonCommand(const CLaneFlowDisplaySettings& settings, LaneFlowDisplayButton button)
{
    const CLaneFlowDisplayControls controls = LaneFlowDisplayControls(settings);
    switch (button) {
    case LaneFlowDisplayButton::AggregateByOrigin:
        if (!controls.aggregateByOrigin)
            return LaneFlowDisplayCommand::AggregateByOrigin;
        break;
    case LaneFlowDisplayButton::AggregateByDestination:
        if (!controls.aggregateByDestination)
            return LaneFlowDisplayCommand::AggregateByDestination;
        break;
    case LaneFlowDisplayButton::AggregateByOD:
        if (!controls.aggregateByOD)
            return LaneFlowDisplayCommand::AggregateByOD;
        break;
    case LaneFlowDisplayButton::AggregateNone:
        if (!controls.aggregateNone)
            return LaneFlowDisplayCommand::NoAggregation;
        break;
    case LaneFlowDisplayButton::ColourByOrigin:
        if (!controls.colourByOrigin && controls.colourByOriginEnabled)
            return LaneFlowDisplayCommand::ColourByOrigin;
        break;
    case LaneFlowDisplayButton::ColourByDestination:
        if (!controls.colourByDestination && controls.colourByDestinationEnabled)
            return LaneFlowDisplayCommand::ColourByDestination;
        break;
    case LaneFlowDisplayButton::ShowZeroFlows:
        return settings.showZeroFlows ? LaneFlowDisplayCommand::DontShowZeroFlows
                                      : LaneFlowDisplayCommand::ShowZeroFlows;
    }
    return std::nullopt;
}
