// Desired flows by zone number, stored only where they change.
#include "routing/desired_flow_edits.h"

#include "model/network.h"

#include <string>

namespace
{

CODMovement* Movement(const CNetwork& network, const CDesiredFlowEdit& edit)
{
    const CZones& zones = network.GetZones();
    const CZone* origin = zones.GetZone(edit.origin);
    const CZone* destination = zones.GetZone(edit.destination);
    return origin && destination ? network.GetODMovements().Find(origin, destination) : nullptr;
}

bool Changes(const CFlowGroup& group, const CODMovement* movement, std::int32_t flow)
{
    return movement && group.GetDesiredFlow(movement) != flow;
}

} // namespace

CValidationResult ValidateDesiredFlow(long long value, std::string_view typed)
{
    if (value >= 0 && value <= MaxDesiredFlow) {
        return CValidationResult::Accept();
    }
    const std::string shown = typed.empty() ? std::to_string(value) : std::string(typed);
    return CValidationResult::Refuse("The desired flow " + shown + " is outside the range 0 to " +
                                     std::to_string(MaxDesiredFlow));
}

std::size_t CountDesiredFlowChanges(const CNetwork& network, const CFlowGroup& group,
                                    std::span<const CDesiredFlowEdit> edits)
{
    std::size_t count = 0;
    for (const CDesiredFlowEdit& edit : edits) {
        count += Changes(group, Movement(network, edit), edit.flow) ? 1 : 0;
    }
    return count;
}

std::size_t ApplyDesiredFlowEdits(CNetwork& network, CFlowGroup& group,
                                  std::span<const CDesiredFlowEdit> edits)
{
    std::size_t count = 0;
    for (const CDesiredFlowEdit& edit : edits) {
        CODMovement* movement = Movement(network, edit);
        if (Changes(group, movement, edit.flow)) {
            group.SetDesiredFlow(movement, edit.flow);
            ++count;
        }
    }
    return count;
}
