// The lane flow display: how a drawing adds lane flows into bands and colours them, and the
// commands that set it.
#pragma once

#include <string_view>

// How the route flows of a lane are added together into bands.
enum class ELaneFlowAggregation
{
    ByOD = 0, // the values are the stored numbers
    ByOrigin = 1,
    ByDestination = 2,
    None = 3,
};

// Whose zone colour a band takes.
enum class ELaneFlowColouring
{
    ByOrigin = 0,
    ByDestination = 1,
};

// One lane flow display: the document's (shown in the network view and the exports) or a report
// diagram's own.
struct CLaneFlowDisplay
{
    ELaneFlowAggregation aggregation = ELaneFlowAggregation::None;
    ELaneFlowColouring colouring = ELaneFlowColouring::ByOrigin;
    bool zeroFlowsShown = false;
    friend bool operator==(const CLaneFlowDisplay&, const CLaneFlowDisplay&) = default;
};

// The numbers network files store: aggregation 0 by OD, 1 by origin, 2 by destination, 3 none;
// colouring 0 by origin, 1 by destination.
int LaneFlowAggregationNumber(ELaneFlowAggregation aggregation);
int LaneFlowColouringNumber(ELaneFlowColouring colouring);
// A number no writer writes (a damaged file) reads as `unknown`: the network's own display
// takes it as no aggregation, a report diagram as by OD.
ELaneFlowAggregation LaneFlowAggregationFromNumber(int number, ELaneFlowAggregation unknown);
// Any number but 1 colours by origin.
ELaneFlowColouring LaneFlowColouringFromNumber(int number);

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

// The command that sets this aggregation or colouring.
LaneFlowDisplayCommand AggregateCommand(ELaneFlowAggregation aggregation);
LaneFlowDisplayCommand ColourCommand(ELaneFlowColouring colouring);

// The command's label, which names its undo checkpoint ("Aggregate Flows By OD", ...).
std::string_view LaneFlowDisplayCommandName(LaneFlowDisplayCommand command);
// Aggregating by origin also colours by origin, by destination colours by destination; the
// other two aggregation commands leave the colouring alone.
void ApplyLaneFlowDisplayCommand(CLaneFlowDisplay& display, LaneFlowDisplayCommand command);
