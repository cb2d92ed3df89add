// Origin-destination movements: one for every ordered pair of zones.
#pragma once

#include "model/pair_key.h"

#include <cstdint>
#include <map>
#include <memory>

class CNetwork;
class CODMovements;
class CZone;

// One ordered pair of zones. Its key is (origin id low 16 bits) * 65536 + (destination id low
// 16 bits); movements are visited in key order everywhere.
class CODMovement
{
public:
    CODMovement(CODMovements* owner, CZone* origin, CZone* destination);
    virtual ~CODMovement() = default;
    CODMovement(const CODMovement&) = delete;
    CODMovement& operator=(const CODMovement&) = delete;

    CODMovements* GetOwner() const { return m_owner; }
    CZone* GetOrigin() const { return m_origin; }
    CZone* GetDestination() const { return m_destination; }
    std::uint32_t GetKey() const { return m_key.key; }
    const CPairKey& GetPairKey() const { return m_key; }

private:
    CODMovements* m_owner;
    CZone* m_origin;
    CZone* m_destination;
    CPairKey m_key;
};

// The movements of a network, created and destroyed with its zones. Destroying a movement
// removes its desired flow from every flow group.
class CODMovements
{
public:
    explicit CODMovements(CNetwork* network);
    virtual ~CODMovements() = default;
    CODMovements(const CODMovements&) = delete;
    CODMovements& operator=(const CODMovements&) = delete;

    CNetwork* GetNetwork() const { return m_network; }

    // Creates (Z, Z) and (Z, Y), (Y, Z) for every other zone Y of the network, skipping keys
    // that exist; returns how many were created.
    std::uint32_t ZoneAdded(CZone& zone);
    // Destroys every movement from or to the zone; returns how many went.
    std::uint32_t ZoneRemoved(const CZone& zone);

    CODMovement* Find(const CZone* origin, const CZone* destination) const;
    // Key order; none past the last (or for a movement that is not held).
    CODMovement* First() const;
    CODMovement* Next(const CODMovement* current) const;
    std::uint32_t GetCount() const { return static_cast<std::uint32_t>(m_movements.size()); }

private:
    bool Create(CZone& origin, CZone& destination);

    CNetwork* m_network;
    std::map<CPairKey, std::unique_ptr<CODMovement>> m_movements;
};
