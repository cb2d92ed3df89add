// Lane flow display commands.
#include "routing/lane_flow_display.h"

std::string_view LaneFlowDisplayCommandName(LaneFlowDisplayCommand command)
{
    switch (command) {
    case LaneFlowDisplayCommand::AggregateByOD:
        return "Aggregate Flows By OD";
    case LaneFlowDisplayCommand::AggregateByOrigin:
        return "Aggregate Flows By Origin";
    case LaneFlowDisplayCommand::AggregateByDestination:
        return "Aggregate Flows By Destination";
    case LaneFlowDisplayCommand::NoAggregation:
        return "No Flow Aggregation";
    case LaneFlowDisplayCommand::ColourByOrigin:
        return "Colour Flows By Origin";
    case LaneFlowDisplayCommand::ColourByDestination:
        return "Colour Flows By Destination";
    case LaneFlowDisplayCommand::ShowZeroFlows:
        return "Show Zero Flows";
    case LaneFlowDisplayCommand::DontShowZeroFlows:
        break;
    }
    return "Don't Show Zero Flows";
}

void ApplyLaneFlowDisplayCommand(CLaneFlowDisplaySettings& settings, LaneFlowDisplayCommand command)
{
    switch (command) {
    case LaneFlowDisplayCommand::AggregateByOD:
        settings.aggregationMode = 0;
        break;
    case LaneFlowDisplayCommand::AggregateByOrigin:
        settings.aggregationMode = 1;
        settings.colourMode = 0;
        break;
    case LaneFlowDisplayCommand::AggregateByDestination:
        settings.aggregationMode = 2;
        settings.colourMode = 1;
        break;
    case LaneFlowDisplayCommand::NoAggregation:
        settings.aggregationMode = 3;
        break;
    case LaneFlowDisplayCommand::ColourByOrigin:
        settings.colourMode = 0;
        break;
    case LaneFlowDisplayCommand::ColourByDestination:
        settings.colourMode = 1;
        break;
    case LaneFlowDisplayCommand::ShowZeroFlows:
        settings.showZeroFlows = true;
        break;
    case LaneFlowDisplayCommand::DontShowZeroFlows:
        settings.showZeroFlows = false;
        break;
    }
}
