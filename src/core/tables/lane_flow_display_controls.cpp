// The lane flow display manager's controls.
#include "tables/lane_flow_display_controls.h"

CLaneFlowDisplayControls LaneFlowDisplayControls(const CLaneFlowDisplay& display)
{
    using A = ELaneFlowAggregation;
    using C = ELaneFlowColouring;
    CLaneFlowDisplayControls controls;
    controls.aggregateByOD = display.aggregation == A::ByOD;
    controls.aggregateByOrigin = display.aggregation == A::ByOrigin;
    controls.aggregateByDestination = display.aggregation == A::ByDestination;
    controls.aggregateNone = display.aggregation == A::None;
    controls.colourByOrigin = display.colouring == C::ByOrigin;
    controls.colourByDestination = display.colouring == C::ByDestination;
    controls.colourByOriginEnabled = display.aggregation != A::ByDestination;
    controls.colourByDestinationEnabled = display.aggregation != A::ByOrigin;
    controls.showZeroFlows = display.zeroFlowsShown;
    return controls;
}

std::optional<LaneFlowDisplayCommand> LaneFlowDisplayButtonCommand(const CLaneFlowDisplay& display,
                                                                   LaneFlowDisplayButton button)
{
    using Command = LaneFlowDisplayCommand;
    if (button == LaneFlowDisplayButton::ShowZeroFlows) {
        return display.zeroFlowsShown ? Command::DontShowZeroFlows : Command::ShowZeroFlows;
    }
    const CLaneFlowDisplayControls c = LaneFlowDisplayControls(display);
    // Whether the button is pressed already, whether it can be pressed, what it runs.
    struct CRule
    {
        bool checked;
        bool enabled;
        Command command;
    };
    const CRule rules[] = {
        {c.aggregateByOrigin, true, Command::AggregateByOrigin},
        {c.aggregateByDestination, true, Command::AggregateByDestination},
        {c.aggregateByOD, true, Command::AggregateByOD},
        {c.aggregateNone, true, Command::NoAggregation},
        {c.colourByOrigin, c.colourByOriginEnabled, Command::ColourByOrigin},
        {c.colourByDestination, c.colourByDestinationEnabled, Command::ColourByDestination},
    };
    const CRule& rule = rules[static_cast<int>(button)];
    if (rule.checked || !rule.enabled) {
        return std::nullopt;
    }
    return rule.command;
}
