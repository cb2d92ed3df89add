// OD movements follow the zones: created when a zone arrives, destroyed when it goes.
#include "model/od_movement.h"

#include "model/network.h"
#include "model/zone.h"

#include <vector>

CODMovement::CODMovement(CODMovements* owner, CZone* origin, CZone* destination)
    : m_owner(owner), m_origin(origin), m_destination(destination),
      m_key(CPairKey::Make(origin->GetId(), destination->GetId()))
{}

CODMovements::CODMovements(CNetwork* network) : m_network(network) {}

bool CODMovements::Create(CZone& origin, CZone& destination)
{
    const CPairKey key = CPairKey::Make(origin.GetId(), destination.GetId());
    if (m_movements.count(key) != 0) {
        return false;
    }
    m_movements.emplace(key, std::make_unique<CODMovement>(this, &origin, &destination));
    return true;
}

std::uint32_t CODMovements::ZoneAdded(CZone& zone)
{
    std::uint32_t created = Create(zone, zone) ? 1 : 0;
    if (m_network) {
        const CZones& zones = m_network->GetZones();
        for (std::uint32_t n = 1; n <= zones.GetCount(); ++n) {
            CZone* other = zones.GetZone(n);
            if (other == &zone) {
                continue;
            }
            created += Create(zone, *other) ? 1 : 0;
            created += Create(*other, zone) ? 1 : 0;
        }
    }
    return created;
}

std::uint32_t CODMovements::ZoneRemoved(const CZone& zone)
{
    std::vector<CPairKey> doomed;
    for (const auto& [key, movement] : m_movements) {
        if (key.firstId == zone.GetId() || key.secondId == zone.GetId()) {
            doomed.push_back(key);
        }
    }
    for (const CPairKey& key : doomed) {
        if (m_network) {
            m_network->GetFlowGroups().RemoveMovement(key);
        }
        m_movements.erase(key);
    }
    return static_cast<std::uint32_t>(doomed.size());
}

CODMovement* CODMovements::Find(const CZone* origin, const CZone* destination) const
{
    if (!origin || !destination) {
        return nullptr;
    }
    auto it = m_movements.find(CPairKey::Make(origin->GetId(), destination->GetId()));
    return it != m_movements.end() ? it->second.get() : nullptr;
}

CODMovement* CODMovements::First() const
{
    return m_movements.empty() ? nullptr : m_movements.begin()->second.get();
}

CODMovement* CODMovements::Next(const CODMovement* current) const
{
    if (!current) {
        return nullptr;
    }
    auto it = m_movements.upper_bound(current->GetPairKey());
    return it != m_movements.end() ? it->second.get() : nullptr;
}
