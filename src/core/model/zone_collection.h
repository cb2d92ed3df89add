// An ordered set of zones gathered from several places (the destinations served by an arm).
#pragma once

#include <cstdint>
#include <map>
#include <vector>

class CZone;

// Non-owning set of zones ordered by zone id, each zone once.
class CZoneCollection
{
public:
    // True when the zone was not in the set yet; none is never added.
    bool Add(CZone* zone);
    bool Remove(const CZone* zone);
    bool Contains(const CZone* zone) const;
    void AddAll(const CZoneCollection& other);
    void Clear() { m_zones.clear(); }
    std::uint32_t GetCount() const { return static_cast<std::uint32_t>(m_zones.size()); }
    std::vector<CZone*> GetZones() const;

private:
    std::map<std::uint32_t, CZone*> m_zones;
};
