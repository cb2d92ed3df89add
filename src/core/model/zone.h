// A zone where trips start and end, and the network's numbered zone collection.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class CArm;
class CNetwork;
class CZones;

// A zone: number (1..99), id, the arm it enters the network by and the arm it leaves by (both
// non-owning; each arm carries at most one zone and points back), and a colour 0x00BBGGRR.
class CZone
{
public:
    CZone(CZones* owner, std::uint32_t number, std::uint32_t id);
    virtual ~CZone();
    CZone(const CZone&) = delete;
    CZone& operator=(const CZone&) = delete;

    CZones* GetOwner() const { return m_owner; }
    CNetwork* GetNetwork() const;
    std::uint32_t GetNumber() const { return m_number; }
    std::uint32_t GetId() const { return m_id; }

    // Attaches an Entry or Unconnected arm that carries no other zone, or detaches with none.
    // Replacing an arm first lets the observers drop the routes through the old one.
    bool SetEntryArm(CArm* arm);
    // The same for an Exit or Unconnected arm.
    bool SetExitArm(CArm* arm);
    CArm* GetEntryArm() const { return m_entryArm; }
    CArm* GetExitArm() const { return m_exitArm; }

    std::uint32_t GetColour() const { return m_colour; }
    void SetColour(std::uint32_t colour) { m_colour = colour; }

private:
    friend class CZones;
    bool SetArm(CArm*& slot, CArm* arm, bool entry);
    void DetachArms();

    CZones* m_owner;
    std::uint32_t m_number;
    std::uint32_t m_id;
    CArm* m_entryArm = nullptr;
    CArm* m_exitArm = nullptr;
    std::uint32_t m_colour = 0;
};

// The numbered zones of a network. Insert at k needs 1 <= k <= min(99, count + 1): zones never
// fill gaps. A new zone is announced to the OD movements; deleting one lets the observers drop
// its routes, then removes its movements (and their desired flows) and detaches its arms.
class CZones
{
public:
    static constexpr std::uint32_t MaxZones = 99;
    static constexpr std::uint32_t FirstId = 1001;

    explicit CZones(CNetwork* network);
    virtual ~CZones();
    CZones(const CZones&) = delete;
    CZones& operator=(const CZones&) = delete;

    CNetwork* GetNetwork() const { return m_network; }

    CZone* InsertZone(std::uint32_t number);
    bool DeleteZone(std::uint32_t number);
    bool MoveZone(std::uint32_t fromNumber, std::uint32_t toNumber);

    CZone* GetZone(std::uint32_t number) const;
    CZone* GetZoneById(std::uint32_t id) const;
    std::uint32_t GetCount() const { return static_cast<std::uint32_t>(m_zones.size()); }

private:
    void Renumber();

    CNetwork* m_network;
    std::vector<std::unique_ptr<CZone>> m_zones;
    std::map<std::uint32_t, CZone*> m_byId;
    std::uint32_t m_nextId = FirstId;
};
