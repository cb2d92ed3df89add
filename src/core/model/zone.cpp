// Zones, their arm attachment rules, and the numbered zone collection.
#include "model/zone.h"

#include "model/arm.h"
#include "model/network.h"

CZone::CZone(CZones* owner, std::uint32_t number, std::uint32_t id)
    : m_owner(owner), m_number(number), m_id(id)
{}

CZone::~CZone()
{
    DetachArms();
}

CNetwork* CZone::GetNetwork() const
{
    return m_owner ? m_owner->GetNetwork() : nullptr;
}

bool CZone::SetEntryArm(CArm* arm)
{
    return SetArm(m_entryArm, arm, true);
}

bool CZone::SetExitArm(CArm* arm)
{
    return SetArm(m_exitArm, arm, false);
}

bool CZone::SetArm(CArm*& slot, CArm* arm, bool entry)
{
    if (arm) {
        if (arm->m_zone == this) {
            // Already ours: fine in this role, refused in the other one (an arm serves a zone
            // either as its way in or as its way out).
            return slot == arm;
        }
        if (arm->m_zone) {
            return false;
        }
        const ArmKind kind = arm->GetKind();
        const ArmKind wanted = entry ? ArmKind::Entry : ArmKind::Exit;
        if (kind != wanted && kind != ArmKind::Unconnected) {
            return false;
        }
    }
    if (CArm* previous = slot) {
        if (CNetwork* network = GetNetwork()) {
            network->NotifyZoneArmDetaching(*this, *previous);
        }
        previous->m_zone = nullptr;
        slot = nullptr;
    }
    slot = arm;
    if (arm) {
        arm->m_zone = this;
    }
    return true;
}

void CZone::DetachArms()
{
    for (CArm* arm : {m_entryArm, m_exitArm}) {
        if (arm && arm->m_zone == this) {
            arm->m_zone = nullptr;
        }
    }
    m_entryArm = nullptr;
    m_exitArm = nullptr;
}

CZones::CZones(CNetwork* network) : m_network(network) {}

CZones::~CZones() = default;

CZone* CZones::InsertZone(std::uint32_t number)
{
    if (number < 1 || number > GetCount() + 1 || GetCount() >= MaxZones) {
        return nullptr;
    }
    auto zone = std::make_unique<CZone>(this, number, m_nextId++);
    CZone* raw = zone.get();
    m_zones.insert(m_zones.begin() + (number - 1), std::move(zone));
    m_byId[raw->GetId()] = raw;
    Renumber();
    if (m_network) {
        m_network->GetODMovements().ZoneAdded(*raw);
    }
    return raw;
}

bool CZones::DeleteZone(std::uint32_t number)
{
    CZone* zone = GetZone(number);
    if (!zone) {
        return false;
    }
    if (m_network) {
        m_network->NotifyZoneRemoving(*zone);
        m_network->GetODMovements().ZoneRemoved(*zone);
    }
    zone->DetachArms();
    auto it = m_zones.begin() + (zone->GetNumber() - 1);
    m_byId.erase(zone->GetId());
    std::unique_ptr<CZone> doomed = std::move(*it);
    m_zones.erase(it);
    Renumber();
    return true;
}

bool CZones::MoveZone(std::uint32_t fromNumber, std::uint32_t toNumber)
{
    if (fromNumber < 1 || fromNumber > GetCount() || toNumber < 1 || toNumber > GetCount()) {
        return false;
    }
    std::unique_ptr<CZone> zone = std::move(m_zones[fromNumber - 1]);
    m_zones.erase(m_zones.begin() + (fromNumber - 1));
    m_zones.insert(m_zones.begin() + (toNumber - 1), std::move(zone));
    Renumber();
    return true;
}

CZone* CZones::GetZone(std::uint32_t number) const
{
    return number >= 1 && number <= GetCount() ? m_zones[number - 1].get() : nullptr;
}

CZone* CZones::GetZoneById(std::uint32_t id) const
{
    auto it = m_byId.find(id);
    return it != m_byId.end() ? it->second : nullptr;
}

void CZones::Renumber()
{
    for (std::size_t i = 0; i < m_zones.size(); ++i) {
        m_zones[i]->m_number = static_cast<std::uint32_t>(i + 1);
    }
}
