// The flow group choice shared by the fragments that show flows.
#pragma once

#include <cstdint>

// A fragment's flow group before anyone chose one (-2 as a 32-bit pattern).
inline constexpr std::uint32_t UnsetFlowGroupId = static_cast<std::uint32_t>(-2);
// What a stored flow group number that names no flow group reads as (-1 as a 32-bit pattern).
inline constexpr std::uint32_t NoFlowGroupId = static_cast<std::uint32_t>(-1);

// The flow group a flows matrix, routes list or network diagram reads, by id, and whether its
// description is shown. An id that names no flow group of the document (either value above, or
// one whose flow group was deleted) makes the fragment report that no flow group is specified.
class CCarouselFlowGroupReportFragmentComponent
{
public:
    virtual ~CCarouselFlowGroupReportFragmentComponent() = default;

    std::uint32_t GetFlowGroupId() const { return m_flowGroupId; }
    void SetFlowGroupId(std::uint32_t id) { m_flowGroupId = id; }
    bool IsFlowGroupUnset() const { return m_flowGroupId == UnsetFlowGroupId; }
    // When no flow group was ever chosen, takes the document's current one; true if it did.
    bool AdoptFlowGroupIfUnset(std::uint32_t currentFlowGroupId);

    bool GetShowFlowGroupDescription() const { return m_showFlowGroupDescription; }
    void SetShowFlowGroupDescription(bool show) { m_showFlowGroupDescription = show; }

private:
    std::uint32_t m_flowGroupId = UnsetFlowGroupId;
    bool m_showFlowGroupDescription = true;
};
