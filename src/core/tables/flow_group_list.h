// The rows and menu of the flow group list.
#pragma once

#include "tables/list_column.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CFlowGroup;
class CFlowGroups;

inline constexpr int FlowGroupListColumnCount = 5;

// "Num", "Description", "Start", "End", "Duration".
const std::array<CListColumn, FlowGroupListColumnCount>& FlowGroupListColumns();

// The texts of one flow group: number, description, start and end as "%H:%M", and the
// duration, where a group that ends at its start time lasts 24 hours and shows "24:00".
std::array<std::string, FlowGroupListColumnCount> FlowGroupListRow(const CFlowGroup& group);
// A length of time as hours and minutes, "%H:%M" style; a whole day is "24:00", not "00:00".
std::string FormatDuration(std::int64_t seconds);

// The entries of the menu "POPUP_FLOWGROUP_SEL", in order; all but "Add Flow Group..." need a
// current flow group.
struct CMenuEntry
{
    const char* text;
    bool enabled;
};
std::vector<CMenuEntry> FlowGroupListMenu(bool hasCurrentFlowGroup);
