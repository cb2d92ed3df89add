// The model side of the flow group list's commands: where a new group goes, what the edit
// dialog refuses, which group is current after a delete.
#pragma once

#include "model/validation.h"

#include <cstdint>
#include <string>

class CFlowGroup;
class CNetwork;

enum class FlowGroupAddPosition
{
    Append,         // at count + 1
    BeforeSelected, // at the selected group's number
    AfterSelected,  // at the selected group's number + 1
};

// "Add Flowgroup": inserts a group and makes it current. Without a selected group the two
// relative variants append. None when the list is full.
CFlowGroup* AddFlowGroup(CNetwork& network, FlowGroupAddPosition position,
                         const CFlowGroup* selected);

// The "Edit Flow Group" dialog refuses equal start and end times.
CValidationResult ValidateFlowGroupTimes(std::int64_t start, std::int64_t end);

// "Edit Flowgroup" on OK: validates the times, then moves the group to `number` and stores the
// description and times. Nothing changes on a refusal (times, or a number outside 1..count).
CValidationResult EditFlowGroup(CNetwork& network, CFlowGroup& group, std::uint32_t number,
                                std::string description, std::int64_t start, std::int64_t end);

// The number that becomes current after deleting group k: max(k - 1, 1).
std::uint32_t CurrentNumberAfterDelete(std::uint32_t deletedNumber);

// "Delete Flowgroup" after the user said Yes: removes group k and makes number max(k - 1, 1)
// current (none when no group is left). False when k is out of range.
bool DeleteFlowGroup(CNetwork& network, std::uint32_t number);

// Flow edits need a current flow group.
CValidationResult ValidateFlowEditAllowed(const CNetwork& network);

// Seconds since midnight as "%H:%M" (the time of day, so 86400 shows as 00:00).
std::string FormatTimeOfDay(std::int64_t seconds);
