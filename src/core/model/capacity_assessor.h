// Capacity assessors: an entry arm and the circulatory arm it feeds, with a flow threshold.
#pragma once

#include "model/network_observer.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class CArm;
class CCapacityAssessors;
class CFlowGroup;
class CNetwork;

inline constexpr std::int32_t DefaultCapacityAssessorThreshold = 1500;

// Drawing state: the assessor's place on the plan (whole plan units) and its selection.
struct CCapacityAssessorGraphics
{
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool selected = false;
};

// Watches one roundabout entry: the busiest stop-line flow of the entry arm plus that of the
// circulatory arm, against a threshold. Each arm carries at most one assessor and the link is
// kept on both sides; destroying the assessor clears the arms' side.
class CCapacityAssessor
{
public:
    CCapacityAssessor(CCapacityAssessors* owner, std::uint32_t number, std::uint32_t id,
                      std::int32_t threshold);
    virtual ~CCapacityAssessor();
    CCapacityAssessor(const CCapacityAssessor&) = delete;
    CCapacityAssessor& operator=(const CCapacityAssessor&) = delete;

    CCapacityAssessors* GetOwner() const { return m_owner; }
    std::uint32_t GetNumber() const { return m_number; }
    std::uint32_t GetId() const { return m_id; }

    // Releases the arm held before, then takes the new one (or none). Refused (false, nothing
    // changes) for an arm that already carries another assessor: two assessors on one arm
    // would leave one of them pointing at the arm after it is deleted.
    bool SetEntryArm(CArm* arm);
    bool SetCirculatoryArm(CArm* arm);
    CArm* GetEntryArm() const { return m_entryArm; }
    CArm* GetCirculatoryArm() const { return m_circulatoryArm; }

    std::int32_t GetThreshold() const { return m_threshold; }
    void SetThreshold(std::int32_t threshold) { m_threshold = threshold; }

    // Busiest entry lane plus busiest circulatory lane, each stop-line flow truncated to a whole
    // number; the first lane wins ties and is taken when no lane has a positive flow. An arm
    // that is not set counts 0.
    std::int32_t GetAssessedFlow(const CFlowGroup* group) const;
    // Assessed flow >= threshold.
    bool IsExceeded(const CFlowGroup* group) const;

    CCapacityAssessorGraphics& GetGraphics() { return m_graphics; }
    const CCapacityAssessorGraphics& GetGraphics() const { return m_graphics; }

private:
    friend class CCapacityAssessors;
    bool SetArm(CArm*& slot, CArm* arm);
    void ReleaseArms();

    CCapacityAssessors* m_owner;
    std::uint32_t m_number;
    std::uint32_t m_id;
    CArm* m_entryArm = nullptr;
    CArm* m_circulatoryArm = nullptr;
    std::int32_t m_threshold;
    CCapacityAssessorGraphics m_graphics;
};

// The numbered capacity assessors of a network. Insert at k needs 1 <= k <= min(1000, count + 1)
// (no gap filling). As a network observer it deletes the assessor of an arm being deleted.
class CCapacityAssessors : public CNetworkObserver
{
public:
    static constexpr std::uint32_t MaxCapacityAssessors = 1000;
    static constexpr std::uint32_t FirstId = 1001;

    explicit CCapacityAssessors(CNetwork* network);
    ~CCapacityAssessors() override;
    CCapacityAssessors(const CCapacityAssessors&) = delete;
    CCapacityAssessors& operator=(const CCapacityAssessors&) = delete;

    CNetwork* GetNetwork() const { return m_network; }

    CCapacityAssessor*
    InsertCapacityAssessor(std::uint32_t number,
                           std::int32_t threshold = DefaultCapacityAssessorThreshold);
    bool RemoveCapacityAssessor(std::uint32_t number);
    void RemoveAllCapacityAssessors();
    CCapacityAssessor* GetCapacityAssessor(std::uint32_t number) const;
    CCapacityAssessor* GetCapacityAssessorById(std::uint32_t id) const;
    std::uint32_t GetCount() const { return static_cast<std::uint32_t>(m_assessors.size()); }

    void OnArmRemoving(CArm& arm) override;

private:
    void Renumber();

    CNetwork* m_network;
    std::vector<std::unique_ptr<CCapacityAssessor>> m_assessors;
    std::map<std::uint32_t, CCapacityAssessor*> m_byId;
    std::uint32_t m_nextId = FirstId;
};

// The arms the assessor dialog may offer: Entry or Unconnected arms (circulatory list:
// Circulatory or Unconnected) that carry no assessor, in arm order. A fixed arm (the list is
// disabled) is offered alone, whatever it carries.
std::vector<CArm*> CapacityAssessorEntryArmChoices(const CNetwork& network,
                                                   CArm* fixedArm = nullptr);
std::vector<CArm*> CapacityAssessorCirculatoryArmChoices(const CNetwork& network,
                                                         CArm* fixedArm = nullptr);
