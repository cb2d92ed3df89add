// Capacity assessors, their arm links and the assessed flow.
#include "model/capacity_assessor.h"

#include "model/network.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{

// Truncated toward zero, kept inside 32 bits (a flow typed as 1e300 must not overflow).
std::int64_t TruncatedFlow(double flow)
{
    if (std::isnan(flow)) {
        return 0;
    }
    constexpr double limit = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int64_t>(std::trunc(std::clamp(flow, -limit, limit)));
}

std::int64_t BusiestLaneFlow(const CArm* arm, const CFlowGroup* group)
{
    if (!arm || arm->GetLanes().GetCount() == 0) {
        return 0;
    }
    // The best starts at 0 on the first lane, so a first lane with a negative flow is taken
    // when no lane has a positive one.
    const CCapLanes& lanes = arm->GetLanes();
    double flowOfBest = lanes.GetLane(1)->GetStopLineFlow(group);
    double best = 0.0;
    for (std::uint32_t n = 1; n <= lanes.GetCount(); ++n) {
        const double flow = n == 1 ? flowOfBest : lanes.GetLane(n)->GetStopLineFlow(group);
        if (flow > best) {
            best = flow;
            flowOfBest = flow;
        }
    }
    return TruncatedFlow(flowOfBest);
}

} // namespace

CCapacityAssessor::CCapacityAssessor(CCapacityAssessors* owner, std::uint32_t number,
                                     std::uint32_t id, std::int32_t threshold)
    : m_owner(owner), m_number(number), m_id(id), m_threshold(threshold)
{}

CCapacityAssessor::~CCapacityAssessor()
{
    ReleaseArms();
}

void CCapacityAssessor::ReleaseArms()
{
    for (CArm* arm : {m_entryArm, m_circulatoryArm}) {
        if (arm && arm->GetCapacityAssessor() == this) {
            arm->SetCapacityAssessor(nullptr);
        }
    }
    m_entryArm = nullptr;
    m_circulatoryArm = nullptr;
}

bool CCapacityAssessor::SetEntryArm(CArm* arm)
{
    return SetArm(m_entryArm, arm);
}

bool CCapacityAssessor::SetCirculatoryArm(CArm* arm)
{
    return SetArm(m_circulatoryArm, arm);
}

bool CCapacityAssessor::SetArm(CArm*& slot, CArm* arm)
{
    if (arm && arm->GetCapacityAssessor() && arm->GetCapacityAssessor() != this) {
        return false;
    }
    CArm* other = &slot == &m_entryArm ? m_circulatoryArm : m_entryArm;
    if (slot && slot != other && slot->GetCapacityAssessor() == this) {
        slot->SetCapacityAssessor(nullptr);
    }
    slot = arm;
    if (arm) {
        arm->SetCapacityAssessor(this);
    }
    return true;
}

std::int32_t CCapacityAssessor::GetAssessedFlow(const CFlowGroup* group) const
{
    const std::int64_t sum =
        BusiestLaneFlow(m_entryArm, group) + BusiestLaneFlow(m_circulatoryArm, group);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool CCapacityAssessor::IsExceeded(const CFlowGroup* group) const
{
    return GetAssessedFlow(group) >= m_threshold;
}

CCapacityAssessors::CCapacityAssessors(CNetwork* network) : m_network(network) {}

CCapacityAssessors::~CCapacityAssessors() = default;

CCapacityAssessor* CCapacityAssessors::InsertCapacityAssessor(std::uint32_t number,
                                                              std::int32_t threshold)
{
    if (number < 1 || number > MaxCapacityAssessors || number > GetCount() + 1 ||
        GetCount() >= MaxCapacityAssessors) {
        return nullptr;
    }
    auto assessor = std::make_unique<CCapacityAssessor>(this, number, m_nextId++, threshold);
    CCapacityAssessor* raw = assessor.get();
    m_assessors.insert(m_assessors.begin() + (number - 1), std::move(assessor));
    m_byId[raw->GetId()] = raw;
    Renumber();
    return raw;
}

bool CCapacityAssessors::RemoveCapacityAssessor(std::uint32_t number)
{
    CCapacityAssessor* assessor = GetCapacityAssessor(number);
    if (!assessor) {
        return false;
    }
    assessor->ReleaseArms();
    m_byId.erase(assessor->GetId());
    std::unique_ptr<CCapacityAssessor> doomed = std::move(m_assessors[number - 1]);
    m_assessors.erase(m_assessors.begin() + (number - 1));
    Renumber();
    return true;
}

void CCapacityAssessors::RemoveAllCapacityAssessors()
{
    while (GetCount() > 0) {
        RemoveCapacityAssessor(GetCount());
    }
}

CCapacityAssessor* CCapacityAssessors::GetCapacityAssessor(std::uint32_t number) const
{
    return number >= 1 && number <= GetCount() ? m_assessors[number - 1].get() : nullptr;
}

CCapacityAssessor* CCapacityAssessors::GetCapacityAssessorById(std::uint32_t id) const
{
    auto it = m_byId.find(id);
    return it != m_byId.end() ? it->second : nullptr;
}

void CCapacityAssessors::OnArmRemoving(CArm& arm)
{
    if (CCapacityAssessor* assessor = arm.GetCapacityAssessor()) {
        if (assessor->GetOwner() == this) {
            RemoveCapacityAssessor(assessor->GetNumber());
        }
    }
    // Any other assessor that still names the arm lets go of it too.
    for (auto& held : m_assessors) {
        if (held->m_entryArm == &arm) {
            held->m_entryArm = nullptr;
        }
        if (held->m_circulatoryArm == &arm) {
            held->m_circulatoryArm = nullptr;
        }
    }
}

void CCapacityAssessors::Renumber()
{
    for (std::size_t i = 0; i < m_assessors.size(); ++i) {
        m_assessors[i]->m_number = static_cast<std::uint32_t>(i + 1);
    }
}

namespace
{

std::vector<CArm*> Choices(const CNetwork& network, CArm* fixedArm, ArmKind wanted)
{
    if (fixedArm) {
        return {fixedArm};
    }
    std::vector<CArm*> arms;
    for (std::uint32_t n = 1; n <= network.GetArms().GetCount(); ++n) {
        CArm* arm = network.GetArms().GetArm(n);
        const ArmKind kind = arm->GetKind();
        if ((kind == wanted || kind == ArmKind::Unconnected) && !arm->GetCapacityAssessor()) {
            arms.push_back(arm);
        }
    }
    return arms;
}

} // namespace

std::vector<CArm*> CapacityAssessorEntryArmChoices(const CNetwork& network, CArm* fixedArm)
{
    return Choices(network, fixedArm, ArmKind::Entry);
}

std::vector<CArm*> CapacityAssessorCirculatoryArmChoices(const CNetwork& network, CArm* fixedArm)
{
    return Choices(network, fixedArm, ArmKind::Circulatory);
}
