// The lane flow display's stored numbers and commands.
#include "routing/lane_flow_display.h"

int LaneFlowAggregationNumber(ELaneFlowAggregation aggregation)
{
    return static_cast<int>(aggregation);
}

int LaneFlowColouringNumber(ELaneFlowColouring colouring)
{
    return static_cast<int>(colouring);
}

ELaneFlowAggregation LaneFlowAggregationFromNumber(int number, ELaneFlowAggregation unknown)
{
    constexpr int last = static_cast<int>(ELaneFlowAggregation::None);
    return number >= 0 && number <= last ? static_cast<ELaneFlowAggregation>(number) : unknown;
}

ELaneFlowColouring LaneFlowColouringFromNumber(int number)
{
    return number == 1 ? ELaneFlowColouring::ByDestination : ELaneFlowColouring::ByOrigin;
}

LaneFlowDisplayCommand AggregateCommand(ELaneFlowAggregation aggregation)
{
    switch (aggregation) {
    case ELaneFlowAggregation::ByOD:
        return LaneFlowDisplayCommand::AggregateByOD;
    case ELaneFlowAggregation::ByOrigin:
        return LaneFlowDisplayCommand::AggregateByOrigin;
    case ELaneFlowAggregation::ByDestination:
        return LaneFlowDisplayCommand::AggregateByDestination;
    case ELaneFlowAggregation::None:
        break;
    }
    return LaneFlowDisplayCommand::NoAggregation;
}

LaneFlowDisplayCommand ColourCommand(ELaneFlowColouring colouring)
{
    return colouring == ELaneFlowColouring::ByDestination
               ? LaneFlowDisplayCommand::ColourByDestination
               : LaneFlowDisplayCommand::ColourByOrigin;
}

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

void ApplyLaneFlowDisplayCommand(CLaneFlowDisplay& display, LaneFlowDisplayCommand command)
{
    using A = ELaneFlowAggregation;
    using C = ELaneFlowColouring;
    switch (command) {
    case LaneFlowDisplayCommand::AggregateByOD:
        display.aggregation = A::ByOD;
        break;
    case LaneFlowDisplayCommand::AggregateByOrigin:
        display.aggregation = A::ByOrigin;
        display.colouring = C::ByOrigin;
        break;
    case LaneFlowDisplayCommand::AggregateByDestination:
        display.aggregation = A::ByDestination;
        display.colouring = C::ByDestination;
        break;
    case LaneFlowDisplayCommand::NoAggregation:
        display.aggregation = A::None;
        break;
    case LaneFlowDisplayCommand::ColourByOrigin:
        display.colouring = C::ByOrigin;
        break;
    case LaneFlowDisplayCommand::ColourByDestination:
        display.colouring = C::ByDestination;
        break;
    case LaneFlowDisplayCommand::ShowZeroFlows:
        display.zeroFlowsShown = true;
        break;
    case LaneFlowDisplayCommand::DontShowZeroFlows:
        display.zeroFlowsShown = false;
        break;
    }
}
