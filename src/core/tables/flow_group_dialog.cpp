#include "tables/flow_group_dialog.h"

#include "model/flow_group.h"
#include "routing/flow_group_commands.h"
#include "tables/dialog_text.h"

CDlgEditFlowGroupModel::CDlgEditFlowGroupModel(const CFlowGroup& group)
    : m_choices(NumberChoices(group.GetOwner()->GetCount(), "%2d")), m_number(group.GetNumber()),
      m_title(group.GetDescription()), m_start(TimeOfDay(group.GetStart())),
      m_end(TimeOfDay(group.GetEnd()))
{}

bool CDlgEditFlowGroupModel::SetNumber(std::uint32_t number)
{
    if (number < 1 || number > m_choices.size()) {
        return false;
    }
    m_number = number;
    return true;
}

std::int64_t CDlgEditFlowGroupModel::TimeOfDay(std::int64_t seconds)
{
    constexpr std::int64_t Day = 86400;
    const std::int64_t inDay = ((seconds % Day) + Day) % Day;
    return inDay - inDay % 60;
}

std::string CDlgEditFlowGroupModel::GetStartText() const
{
    return FormatTimeOfDay(m_start);
}

std::string CDlgEditFlowGroupModel::GetEndText() const
{
    return FormatTimeOfDay(m_end);
}

CValidationResult CDlgEditFlowGroupModel::Validate() const
{
    if (!IsSingleLine(m_title)) {
        return CValidationResult::Refuse("The Flow Group Title must be a single line");
    }
    return ValidateFlowGroupTimes(m_start, m_end);
}

std::string CDlgEditFlowGroupModel::GetDescription() const
{
    return std::string(TrimBlanks(TrimBlanks(m_title).substr(0, MaxTitleLength)));
}
