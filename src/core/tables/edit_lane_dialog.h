// The "Edit Short Lane" dialog without its window: the parent lane, the allowed length range
// and the check of the typed length.
#pragma once

#include "model/lane.h"
#include "model/validation.h"

#include <cstdint>
#include <string>

// The short lane's length lies in [Min, Max] as its parent (the neighbour on the side of the
// chosen radio button) and the lane on the other side allow: Max is the parent's length, or
// 1000 for an infinitely long parent; Min is 1 unless the other side is a short lane fed by a
// lane change from its neighbour on the parent's side. The length shown on opening is clamped
// into the range; OK needs a typed whole number within it. When Min exceeds Max no length is
// allowed and OK is refused with the same message.
class CDlgEditLaneModel
{
public:
    static constexpr const char* Title = "Edit Short Lane";
    static constexpr const char* ParentFrame = "Parent lane";
    static constexpr const char* ParentToLeftCaption = "Parent lane to left";
    static constexpr const char* ParentToRightCaption = "Parent lane to right";
    static constexpr const char* LengthCaption = "Lane Length (PCU)";
    static constexpr const char* MaxCaption = "Max:";
    static constexpr const char* MinCaption = "Min:";

    // Each neighbour and the lane may be none (an added lane has none yet); the length is 9999
    // before it is set.
    CDlgEditLaneModel(const CLane* left, const CLane* lane, const CLane* right, std::int32_t length,
                      bool parentToLeft, bool leftEnabled, bool rightEnabled);

    // "Add Short Lane To Left/Right": the new lane's neighbours-to-be, with the parent fixed to
    // the side the new lane will be fed from.
    static CDlgEditLaneModel ForAddShortLane(const CLane& selected, bool toRight);
    // "Edit Short Lane...": the parent fixed to the side feeding the lane.
    static CDlgEditLaneModel ForEditShortLane(const CLane& lane);
    // "Convert to Short Lane...": each side whose neighbour may feed it (infinitely long, or
    // not fed by the lane) is enabled, the right one preselected.
    static CDlgEditLaneModel ForConvertToShortLane(const CLane& lane);
    // A neighbour from which the infinitely long lane may become a short lane.
    static bool CanFeedConvertedLane(const CLane& lane, const CLane* neighbour);

    bool IsLeftEnabled() const { return m_leftEnabled; }
    bool IsRightEnabled() const { return m_rightEnabled; }
    bool IsParentToLeft() const { return m_parentToLeft; }
    // Chooses a side; false (nothing changes) for a disabled one. Recomputes Max and Min.
    bool SetParentToLeft(bool parentToLeft);
    const CLane* GetParent() const { return m_parentToLeft ? m_left : m_right; }
    // The lane edited or converted; none for a lane being added.
    const CLane* GetLane() const { return m_lane; }

    const CLaneLengthRange& GetRange() const { return m_range; }
    std::string GetMaxText() const;
    std::string GetMinText() const;

    const std::string& GetLengthText() const { return m_lengthText; }
    void SetLengthText(std::string text) { m_lengthText = std::move(text); }
    CValidationResult Validate() const;
    // The typed length once Validate accepted it.
    std::int32_t GetLength() const;

private:
    void UpdateRange();

    const CLane* m_left;
    const CLane* m_lane;
    const CLane* m_right;
    bool m_parentToLeft;
    bool m_leftEnabled;
    bool m_rightEnabled;
    CLaneLengthRange m_range;
    std::string m_lengthText;
};
