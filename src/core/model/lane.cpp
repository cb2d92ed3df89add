// Lanes, the lane container and the short-lane length bounds.
#include "model/lane.h"

#include "model/arm.h"
#include "model/lane_connector.h"

#include <algorithm>

namespace
{

// One counter for every lane of the program, so lane ids stay unique across documents.
std::uint32_t g_nextLaneId = 1001;

} // namespace

CLane::CLane(CLanes* owner, std::uint32_t number)
    : m_owner(owner), m_number(number), m_id(g_nextLaneId++)
{}

std::uint32_t CLane::PeekNextLaneId()
{
    return g_nextLaneId;
}

CNetwork* CLane::GetNetwork() const
{
    CArm* arm = GetArm();
    return arm ? arm->GetNetwork() : nullptr;
}

void CLane::SetLength(std::int32_t length)
{
    if (length == m_length) {
        return;
    }
    m_length = length;
    OnLaneChanged();
}

CLane* CLane::GetLeftNeighbour() const
{
    return m_owner && m_number >= 2 ? m_owner->GetLane(m_number - 1) : nullptr;
}

CLane* CLane::GetRightNeighbour() const
{
    return m_owner ? m_owner->GetLane(m_number + 1) : nullptr;
}

bool CLane::HasIncomingFrom(const CLane& from) const
{
    return std::any_of(m_incoming.begin(), m_incoming.end(),
                       [&](const CLaneConnector* c) { return c->GetFromLane() == &from; });
}

CLanes::CLanes(CArm* arm) : m_arm(arm) {}

CLanes::~CLanes()
{
    DeleteAllLanes();
}

std::unique_ptr<CLane> CLanes::CreateLane(std::uint32_t number)
{
    return std::make_unique<CLane>(this, number);
}

CLane* CLanes::InsertLane(std::uint32_t number)
{
    if (number < 1 || number > GetCount() + 1) {
        return nullptr;
    }
    std::unique_ptr<CLane> lane = CreateLane(number);
    CLane* raw = lane.get();
    m_lanes.insert(m_lanes.begin() + (number - 1), std::move(lane));
    m_byId[raw->GetLaneId()] = raw;
    Renumber(number - 1);
    return raw;
}

bool CLanes::DeleteLane(std::uint32_t number)
{
    CLane* lane = GetLane(number);
    if (!lane) {
        return false;
    }
    // Outgoing first, then incoming, each through its collection's single-connector removal so
    // that route cleanup sees every one.
    while (!lane->m_outgoing.empty() || !lane->m_incoming.empty()) {
        CLaneConnector* connector =
            !lane->m_outgoing.empty() ? lane->m_outgoing.front() : lane->m_incoming.front();
        connector->GetOwner()->RemoveConnector(connector);
    }
    m_byId.erase(lane->GetLaneId());
    std::unique_ptr<CLane> doomed = std::move(m_lanes[number - 1]);
    m_lanes.erase(m_lanes.begin() + (number - 1));
    Renumber(number - 1);
    return true;
}

void CLanes::DeleteAllLanes()
{
    while (GetCount() > 0) {
        DeleteLane(GetCount());
    }
}

CLane* CLanes::GetLane(std::uint32_t number) const
{
    return number >= 1 && number <= GetCount() ? m_lanes[number - 1].get() : nullptr;
}

CLane* CLanes::GetLaneById(std::uint32_t id) const
{
    auto it = m_byId.find(id);
    return it != m_byId.end() ? it->second : nullptr;
}

void CLanes::Renumber(std::size_t from)
{
    for (std::size_t i = from; i < m_lanes.size(); ++i) {
        m_lanes[i]->m_number = static_cast<std::uint32_t>(i + 1);
    }
}

CLaneLengthRange ShortLaneLengthRange(const CLane* parent, const CLane* other, bool parentOnLeft)
{
    CLaneLengthRange range;
    range.upper = parent && parent->IsShort() ? parent->GetLength() : MaxShortLaneLength;
    if (other && other->IsShort()) {
        const CLane* feeder = parentOnLeft ? other->GetLeftNeighbour() : other->GetRightNeighbour();
        if (feeder && other->HasIncomingFrom(*feeder)) {
            range.lower = other->GetLength();
        }
    }
    return range;
}

CValidationResult ValidateShortLaneLength(const CLaneLengthRange& range, std::int32_t length)
{
    if (length < range.lower || length > range.upper) {
        return CValidationResult::Refuse("The Lane Length must be in the allowed range to avoid "
                                         "creating short lanes which are illogical");
    }
    return CValidationResult::Accept();
}
