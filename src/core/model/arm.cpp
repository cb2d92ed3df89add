// Arms: kind and label from the connectors, and the numbered arm collection.
#include "model/arm.h"

#include "model/lane_connector.h"
#include "model/network.h"
#include "model/zone.h"

#include <algorithm>

CArm::CArm(CArms* owner, std::uint32_t number, std::uint32_t id)
    : m_owner(owner), m_number(number), m_id(id), m_lanes(this)
{}

CArm::~CArm()
{
    // Lanes go first (through their container) while the arm is still whole.
    m_lanes.DeleteAllLanes();
}

CNetwork* CArm::GetNetwork() const
{
    return m_owner ? m_owner->GetNetwork() : nullptr;
}

ArmKind CArm::GetKind() const
{
    return m_frozenKind ? *m_frozenKind : ComputeKind();
}

CArmKindFreeze::CArmKindFreeze(CArms& arms) : m_arms(arms)
{
    for (std::uint32_t n = 1; n <= arms.GetCount(); ++n) {
        CArm* arm = arms.GetArm(n);
        arm->m_frozenKind = arm->ComputeKind();
    }
}

CArmKindFreeze::~CArmKindFreeze()
{
    for (std::uint32_t n = 1; n <= m_arms.GetCount(); ++n) {
        m_arms.GetArm(n)->m_frozenKind.reset();
    }
}

ArmKind CArm::ComputeKind() const
{
    bool fedFromOtherArm = false;
    bool feedsOtherArm = false;
    for (std::uint32_t n = 1; n <= m_lanes.GetCount(); ++n) {
        const CLane* lane = m_lanes.GetLane(n);
        for (const CLaneConnector* connector : lane->GetIncomingConnectors()) {
            fedFromOtherArm = fedFromOtherArm || connector->GetFromLane()->GetArm() != this;
        }
        for (const CLaneConnector* connector : lane->GetOutgoingConnectors()) {
            feedsOtherArm = feedsOtherArm || connector->GetToLane()->GetArm() != this;
        }
    }
    if (fedFromOtherArm) {
        return feedsOtherArm ? ArmKind::Circulatory : ArmKind::Exit;
    }
    return feedsOtherArm ? ArmKind::Entry : ArmKind::Unconnected;
}

std::string CArm::GetLabel() const
{
    const std::string number = std::to_string(m_number);
    switch (GetKind()) {
    case ArmKind::Entry:
        return "E" + number;
    case ArmKind::Exit:
        return "X" + number;
    case ArmKind::Circulatory:
        return "C" + number;
    case ArmKind::Unconnected:
        break;
    }
    return number;
}

void CArm::SetPoints(const CPlanPoint& first, const CPlanPoint& second)
{
    m_first = first;
    m_second = second;
}

CArms::CArms(CNetwork* network) : m_network(network) {}

CArms::~CArms()
{
    // Teardown order: later arms first, as DeleteAllArms does, but without notifications.
    while (!m_arms.empty()) {
        m_arms.pop_back();
    }
}

CArm* CArms::InsertArm(std::uint32_t number)
{
    // A full list takes no arm anywhere: the last one would be pushed past number 99.
    if (number < 1 || number > MaxArms || GetCount() >= MaxArms) {
        return nullptr;
    }
    while (GetCount() + 1 < number) {
        InsertArm(GetCount() + 1);
    }
    auto arm = std::make_unique<CArm>(this, number, m_nextId++);
    CArm* raw = arm.get();
    m_arms.insert(m_arms.begin() + (number - 1), std::move(arm));
    m_byId[raw->GetId()] = raw;
    Renumber();
    return raw;
}

bool CArms::DeleteArm(std::uint32_t number)
{
    CArm* arm = GetArm(number);
    if (!arm) {
        return false;
    }
    if (CZone* zone = arm->GetZone()) {
        if (zone->GetEntryArm() == arm) {
            zone->SetEntryArm(nullptr);
        }
        if (zone->GetExitArm() == arm) {
            zone->SetExitArm(nullptr);
        }
        arm->m_zone = nullptr;
    }
    if (m_network) {
        m_network->NotifyArmRemoving(*arm);
    }
    arm->m_capacityAssessor = nullptr;
    arm->GetLanes().DeleteAllLanes();

    // The hooks may have renumbered nothing, but find the arm by id to be safe.
    auto it = std::find_if(m_arms.begin(), m_arms.end(),
                           [&](const std::unique_ptr<CArm>& a) { return a.get() == arm; });
    m_byId.erase(arm->GetId());
    std::unique_ptr<CArm> doomed = std::move(*it);
    m_arms.erase(it);
    Renumber();
    return true;
}

void CArms::DeleteAllArms()
{
    while (GetCount() > 0) {
        DeleteArm(GetCount());
    }
}

bool CArms::MoveArm(std::uint32_t fromNumber, std::uint32_t toNumber)
{
    if (fromNumber < 1 || fromNumber > GetCount() || toNumber < 1 || toNumber > GetCount()) {
        return false;
    }
    std::unique_ptr<CArm> arm = std::move(m_arms[fromNumber - 1]);
    m_arms.erase(m_arms.begin() + (fromNumber - 1));
    m_arms.insert(m_arms.begin() + (toNumber - 1), std::move(arm));
    Renumber();
    return true;
}

CArm* CArms::GetArm(std::uint32_t number) const
{
    return number >= 1 && number <= GetCount() ? m_arms[number - 1].get() : nullptr;
}

CArm* CArms::GetArmById(std::uint32_t id) const
{
    auto it = m_byId.find(id);
    return it != m_byId.end() ? it->second : nullptr;
}

void CArms::Renumber()
{
    for (std::size_t i = 0; i < m_arms.size(); ++i) {
        m_arms[i]->m_number = static_cast<std::uint32_t>(i + 1);
    }
}
