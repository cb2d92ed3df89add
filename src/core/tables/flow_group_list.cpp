// Flow group list rows.
#include "tables/flow_group_list.h"

#include "model/flow_group.h"
#include "routing/flow_group_commands.h"

#include <algorithm>

const std::array<CListColumn, FlowGroupListColumnCount>& FlowGroupListColumns()
{
    static const std::array<CListColumn, FlowGroupListColumnCount> columns{{
        {"Num", ColumnAlignment::Centre, 40},
        {"Description", ColumnAlignment::Left, 100},
        {"Start", ColumnAlignment::Centre, 50},
        {"End", ColumnAlignment::Centre, 50},
        {"Duration", ColumnAlignment::Centre, 60},
    }};
    return columns;
}

std::string FormatDuration(std::int64_t seconds)
{
    seconds = std::max<std::int64_t>(seconds, 0);
    auto twoDigits = [](std::int64_t value) {
        return (value < 10 ? "0" : "") + std::to_string(value);
    };
    return twoDigits(seconds / 3600) + ":" + twoDigits(seconds % 3600 / 60);
}

std::array<std::string, FlowGroupListColumnCount> FlowGroupListRow(const CFlowGroup& group)
{
    return {std::to_string(group.GetNumber()), group.GetDescription(),
            FormatTimeOfDay(group.GetStart()), FormatTimeOfDay(group.GetEnd()),
            FormatDuration(group.GetDuration())};
}

std::vector<CMenuEntry> FlowGroupListMenu(bool hasCurrentFlowGroup)
{
    return {
        {"Add Flow Group...", true},
        {"Insert Flow Group After Selected Flow Group", hasCurrentFlowGroup},
        {"Insert Flow Group Before Selected Flow Group", hasCurrentFlowGroup},
        {"Edit Current Flow Group...", hasCurrentFlowGroup},
        {"Delete Current Flow Group", hasCurrentFlowGroup},
    };
}
