// Model logic behind the flow group list's commands.
#include "routing/flow_group_commands.h"

#include "model/network.h"

#include <algorithm>
#include <cstdio>

CFlowGroup* AddFlowGroup(CNetwork& network, FlowGroupAddPosition position,
                         const CFlowGroup* selected)
{
    CFlowGroups& groups = network.GetFlowGroups();
    std::uint32_t number = groups.GetCount() + 1;
    if (selected && selected->GetOwner() == &groups) {
        if (position == FlowGroupAddPosition::BeforeSelected) {
            number = selected->GetNumber();
        } else if (position == FlowGroupAddPosition::AfterSelected) {
            number = selected->GetNumber() + 1;
        }
    }
    CFlowGroup* group = groups.InsertFlowGroup(number);
    if (group) {
        network.SetCurrentFlowGroup(group);
    }
    return group;
}

CValidationResult ValidateFlowGroupTimes(std::int64_t start, std::int64_t end)
{
    if (start == end) {
        return CValidationResult::Refuse("Time Period Start and End Times cannot be the same");
    }
    return CValidationResult::Accept();
}

CValidationResult EditFlowGroup(CNetwork& network, CFlowGroup& group, std::uint32_t number,
                                std::string description, std::int64_t start, std::int64_t end)
{
    CValidationResult times = ValidateFlowGroupTimes(start, end);
    if (!times) {
        return times;
    }
    CFlowGroups& groups = network.GetFlowGroups();
    if (group.GetOwner() != &groups || number < 1 || number > groups.GetCount()) {
        return CValidationResult::Refuse("Flow Group Number out of range");
    }
    groups.MoveFlowGroup(group.GetNumber(), number);
    group.SetDescription(std::move(description));
    group.SetStart(start);
    group.SetEnd(end);
    return CValidationResult::Accept();
}

std::uint32_t CurrentNumberAfterDelete(std::uint32_t deletedNumber)
{
    return std::max<std::uint32_t>(deletedNumber, 2) - 1;
}

bool DeleteFlowGroup(CNetwork& network, std::uint32_t number)
{
    CFlowGroups& groups = network.GetFlowGroups();
    if (!groups.RemoveFlowGroup(number)) {
        return false;
    }
    network.SetCurrentFlowGroup(groups.GetFlowGroup(CurrentNumberAfterDelete(number)));
    return true;
}

CValidationResult ValidateFlowEditAllowed(const CNetwork& network)
{
    if (!network.GetCurrentFlowGroup()) {
        return CValidationResult::Refuse("A FlowGroup must be created before flows can be edited");
    }
    return CValidationResult::Accept();
}

std::string FormatTimeOfDay(std::int64_t seconds)
{
    std::int64_t ofDay = seconds % CFlowGroup::SecondsPerDay;
    if (ofDay < 0) {
        ofDay += CFlowGroup::SecondsPerDay;
    }
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", static_cast<int>(ofDay / 3600),
                  static_cast<int>(ofDay % 3600 / 60));
    return text;
}
