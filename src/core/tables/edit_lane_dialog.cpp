#include "tables/edit_lane_dialog.h"

#include "model/lane_edits.h"
#include "tables/dialog_text.h"

#include <algorithm>
#include <cstdint>

CDlgEditLaneModel::CDlgEditLaneModel(const CLane* left, const CLane* lane, const CLane* right,
                                     std::int32_t length, bool parentToLeft, bool leftEnabled,
                                     bool rightEnabled)
    : m_left(left), m_lane(lane), m_right(right), m_parentToLeft(parentToLeft),
      m_leftEnabled(leftEnabled), m_rightEnabled(rightEnabled)
{
    UpdateRange();
    // Not std::clamp: the range may be empty (Min above Max), which OK then refuses.
    const std::int32_t shown = std::min(std::max(length, m_range.lower), m_range.upper);
    m_lengthText = FormatNumber("%i", static_cast<int>(shown));
}

CDlgEditLaneModel CDlgEditLaneModel::ForAddShortLane(const CLane& selected, bool toRight)
{
    const CLane* left = toRight ? &selected : selected.GetLeftNeighbour();
    const CLane* right = toRight ? selected.GetRightNeighbour() : &selected;
    const bool parentToLeft = NewShortLaneFeeder(selected, toRight) == left;
    return CDlgEditLaneModel(left, nullptr, right, InfiniteLaneLength, parentToLeft, parentToLeft,
                             !parentToLeft);
}

CDlgEditLaneModel CDlgEditLaneModel::ForEditShortLane(const CLane& lane)
{
    const CLane* left = lane.GetLeftNeighbour();
    const bool parentToLeft = left != nullptr && lane.HasIncomingFrom(*left);
    return CDlgEditLaneModel(left, &lane, lane.GetRightNeighbour(), lane.GetLength(), parentToLeft,
                             parentToLeft, !parentToLeft);
}

bool CDlgEditLaneModel::CanFeedConvertedLane(const CLane& lane, const CLane* neighbour)
{
    return neighbour != nullptr && (!neighbour->IsShort() || !neighbour->HasIncomingFrom(lane));
}

CDlgEditLaneModel CDlgEditLaneModel::ForConvertToShortLane(const CLane& lane)
{
    const CLane* left = lane.GetLeftNeighbour();
    const CLane* right = lane.GetRightNeighbour();
    const bool leftEnabled = CanFeedConvertedLane(lane, left);
    const bool rightEnabled = CanFeedConvertedLane(lane, right);
    return CDlgEditLaneModel(left, &lane, right, lane.GetLength(), !rightEnabled && leftEnabled,
                             leftEnabled, rightEnabled);
}

bool CDlgEditLaneModel::SetParentToLeft(bool parentToLeft)
{
    if (!(parentToLeft ? m_leftEnabled : m_rightEnabled)) {
        return false;
    }
    m_parentToLeft = parentToLeft;
    UpdateRange();
    return true;
}

void CDlgEditLaneModel::UpdateRange()
{
    m_range = ShortLaneLengthRange(GetParent(), m_parentToLeft ? m_right : m_left, m_parentToLeft);
}

std::string CDlgEditLaneModel::GetMaxText() const
{
    return FormatNumber("%i", static_cast<int>(m_range.upper));
}

std::string CDlgEditLaneModel::GetMinText() const
{
    return FormatNumber("%i", static_cast<int>(m_range.lower));
}

CValidationResult CDlgEditLaneModel::Validate() const
{
    const std::optional<long long> length = ParseWholeNumber(m_lengthText);
    if (!length) {
        return CValidationResult::Refuse("Please enter an integer.");
    }
    // Within int32 first: a range that is empty (Min above Max) refuses every length.
    return ValidateShortLaneLength(
        m_range, static_cast<std::int32_t>(std::clamp<long long>(*length, INT32_MIN, INT32_MAX)));
}

std::int32_t CDlgEditLaneModel::GetLength() const
{
    return static_cast<std::int32_t>(ParseWholeNumber(m_lengthText).value_or(0));
}
