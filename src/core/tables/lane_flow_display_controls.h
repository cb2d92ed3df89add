// The lane flow display manager's radio buttons and check box, set from the document.
#pragma once

#include "routing/lane_flow_display.h"

#include <optional>

// Which buttons are checked and which of the two colour buttons can be pressed. Colouring by
// origin cannot be chosen while flows are aggregated by destination, nor by destination while
// they are aggregated by origin.
struct CLaneFlowDisplayControls
{
    // "Origin", "Destination", "OD", "None".
    bool aggregateByOrigin = false;
    bool aggregateByDestination = false;
    bool aggregateByOD = false;
    bool aggregateNone = false;
    bool colourByOrigin = false;
    bool colourByDestination = false;
    bool colourByOriginEnabled = true;
    bool colourByDestinationEnabled = true;
    bool showZeroFlows = false;
    friend bool operator==(const CLaneFlowDisplayControls&,
                           const CLaneFlowDisplayControls&) = default;
};

CLaneFlowDisplayControls LaneFlowDisplayControls(const CLaneFlowDisplay& display);

// The buttons of the form (the order of the rules in LaneFlowDisplayButtonCommand), and the command
// each one runs when pressed; none when the button shows what is already set, or is disabled.
enum class LaneFlowDisplayButton
{
    AggregateByOrigin,
    AggregateByDestination,
    AggregateByOD,
    AggregateNone,
    ColourByOrigin,
    ColourByDestination,
    ShowZeroFlows,
};
std::optional<LaneFlowDisplayCommand> LaneFlowDisplayButtonCommand(const CLaneFlowDisplay& display,
                                                                   LaneFlowDisplayButton button);
