#include "tables/arm_dialogs.h"

#include "model/network.h"
#include "tables/dialog_text.h"

#include <algorithm>

CDlgArmCreateModel::CDlgArmCreateModel(std::uint32_t choices, std::uint32_t laneCount)
    : m_choices(NumberChoices(choices, "%2u")), m_number(choices),
      m_laneCountText(std::to_string(laneCount))
{}

CDlgArmCreateModel CDlgArmCreateModel::ForAddArm(const CNetwork& network)
{
    return CDlgArmCreateModel(network.GetArms().GetCount() + 1, 2);
}

bool CDlgArmCreateModel::SetNumber(std::uint32_t number)
{
    if (number < 1 || number > m_choices.size()) {
        return false;
    }
    m_number = number;
    return true;
}

bool CDlgArmCreateModel::SetLaneCountText(const std::string& text)
{
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    m_laneCountText = text;
    return true;
}

CValidationResult CDlgArmCreateModel::Validate() const
{
    const std::optional<long long> count = ParseWholeNumber(m_laneCountText);
    if (!count || *count < 1 || *count > MaxLanes) {
        return CValidationResult::Refuse("The Number of lanes must be from 1 to 99");
    }
    return CValidationResult::Accept();
}

std::uint32_t CDlgArmCreateModel::GetLaneCount() const
{
    return static_cast<std::uint32_t>(ParseWholeNumber(m_laneCountText).value_or(0));
}

CDlgEditArmModel::CDlgEditArmModel(const CArm& arm)
    : m_choices(NumberChoices(arm.GetOwner()->GetCount(), "%2u")), m_number(arm.GetNumber())
{}

bool CDlgEditArmModel::SetNumber(std::uint32_t number)
{
    if (number < 1 || number > m_choices.size()) {
        return false;
    }
    m_number = number;
    return true;
}
