// An arm of the junction and the network's numbered arm collection.
#pragma once

#include "model/capacity_lane.h"
#include "graph/routeable.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CArms;
class CCapacityAssessor;
class CNetwork;
class CZone;

// What an arm is, from its connectors to other arms (lane-change connectors do not count).
enum class ArmKind
{
    Entry,       // traffic only leaves it towards other arms
    Exit,        // traffic only arrives from other arms
    Circulatory, // both
    Unconnected, // neither
};

struct CPlanPoint
{
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const CPlanPoint&, const CPlanPoint&) = default;
};

// An arm: number (1..99) and id, its lanes, the one zone and the one capacity assessor that may
// hang on it (non-owning; the zone and assessor keep the other side of the link), a stored text
// that the file carries unchanged, and two plan points. Its kind is computed on every call,
// never stored, so it always follows the connectors.
class CArm : public Routing::CRouteableNodeGroup
{
public:
    CArm(CArms* owner, std::uint32_t number, std::uint32_t id);
    ~CArm() override;

    std::uint32_t GetId() const override { return m_id; }
    virtual bool IsExitArm() const { return GetKind() == ArmKind::Exit; }

    CArms* GetOwner() const { return m_owner; }
    CNetwork* GetNetwork() const;
    std::uint32_t GetNumber() const { return m_number; }

    CCapLanes& GetLanes() { return m_lanes; }
    const CCapLanes& GetLanes() const { return m_lanes; }

    ArmKind GetKind() const;
    // "E%d", "X%d", "C%d" or "%d" with the arm number.
    std::string GetLabel() const;

    CZone* GetZone() const { return m_zone; }
    CCapacityAssessor* GetCapacityAssessor() const { return m_capacityAssessor; }
    // The assessor side keeps this in step (one assessor per arm).
    void SetCapacityAssessor(CCapacityAssessor* assessor) { m_capacityAssessor = assessor; }

    const std::string& GetText() const { return m_text; }
    void SetText(std::string text) { m_text = std::move(text); }

    const CPlanPoint& GetFirstPoint() const { return m_first; }
    const CPlanPoint& GetSecondPoint() const { return m_second; }
    void SetPoints(const CPlanPoint& first, const CPlanPoint& second);

private:
    friend class CArms;
    friend class CArmKindFreeze;
    friend class CZone;
    ArmKind ComputeKind() const;

    CArms* m_owner;
    std::uint32_t m_number;
    std::uint32_t m_id;
    CCapLanes m_lanes;
    CZone* m_zone = nullptr;
    CCapacityAssessor* m_capacityAssessor = nullptr;
    std::string m_text;
    CPlanPoint m_first;
    CPlanPoint m_second;
    std::optional<ArmKind> m_frozenKind;
};

// While it lives, every arm of the collection answers GetKind from the value it had when the
// freeze began. For long read-only passes (the route search) on a network nobody edits.
class CArmKindFreeze
{
public:
    explicit CArmKindFreeze(CArms& arms);
    ~CArmKindFreeze();
    CArmKindFreeze(const CArmKindFreeze&) = delete;
    CArmKindFreeze& operator=(const CArmKindFreeze&) = delete;

private:
    CArms& m_arms;
};

// The numbered arms of a network. Insert at k (1..99) beyond count + 1 creates the missing arms
// first. Deleting an arm detaches its zone, lets the observers remove its capacity assessor,
// deletes its lanes (and so their connectors) and then destroys it.
class CArms
{
public:
    static constexpr std::uint32_t MaxArms = 99;
    static constexpr std::uint32_t FirstId = 1001;

    explicit CArms(CNetwork* network);
    virtual ~CArms();
    CArms(const CArms&) = delete;
    CArms& operator=(const CArms&) = delete;

    CNetwork* GetNetwork() const { return m_network; }

    CArm* InsertArm(std::uint32_t number);
    bool DeleteArm(std::uint32_t number);
    // Deletes from the last arm to the first.
    void DeleteAllArms();
    bool MoveArm(std::uint32_t fromNumber, std::uint32_t toNumber);

    CArm* GetArm(std::uint32_t number) const;
    CArm* GetArmById(std::uint32_t id) const;
    std::uint32_t GetCount() const { return static_cast<std::uint32_t>(m_arms.size()); }

private:
    void Renumber();

    CNetwork* m_network;
    std::vector<std::unique_ptr<CArm>> m_arms;
    std::map<std::uint32_t, CArm*> m_byId;
    std::uint32_t m_nextId = FirstId;
};
