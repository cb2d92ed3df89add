// A set of zones ordered by id.
#include "model/zone_collection.h"

#include "model/zone.h"

bool CZoneCollection::Add(CZone* zone)
{
    return zone && m_zones.emplace(zone->GetId(), zone).second;
}

bool CZoneCollection::Remove(const CZone* zone)
{
    return zone && m_zones.erase(zone->GetId()) != 0;
}

bool CZoneCollection::Contains(const CZone* zone) const
{
    if (!zone) {
        return false;
    }
    auto it = m_zones.find(zone->GetId());
    return it != m_zones.end() && it->second == zone;
}

void CZoneCollection::AddAll(const CZoneCollection& other)
{
    m_zones.insert(other.m_zones.begin(), other.m_zones.end());
}

std::vector<CZone*> CZoneCollection::GetZones() const
{
    std::vector<CZone*> result;
    result.reserve(m_zones.size());
    for (const auto& [id, zone] : m_zones) {
        result.push_back(zone);
    }
    return result;
}
