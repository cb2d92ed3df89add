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
    using Command = LaneFlowDisplayCommand;
    if (button == LaneFlowDisplayButton::ShowZeroFlows) {
        return settings.showZeroFlows ? Command::DontShowZeroFlows : Command::ShowZeroFlows;
    }
    const CLaneFlowDisplayControls c = LaneFlowDisplayControls(settings);
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
