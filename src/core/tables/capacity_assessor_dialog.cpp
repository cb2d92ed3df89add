#include "tables/capacity_assessor_dialog.h"

#include "model/network.h"
#include "tables/dialog_text.h"

#include <algorithm>

namespace
{

std::vector<CArmLabelChoice> LabelChoices(const std::vector<CArm*>& arms)
{
    std::vector<CArmLabelChoice> choices;
    for (const CArm* arm : arms) {
        choices.push_back({arm->GetLabel(), arm->GetId()});
    }
    return choices;
}

// The free arms, and the assessor's own arm in its place by number.
std::vector<CArm*> WithOwnArm(std::vector<CArm*> arms, CArm* own)
{
    if (own != nullptr && std::find(arms.begin(), arms.end(), own) == arms.end()) {
        arms.push_back(own);
        std::sort(arms.begin(), arms.end(),
                  [](const CArm* a, const CArm* b) { return a->GetNumber() < b->GetNumber(); });
    }
    return arms;
}

bool Offers(const std::vector<CArmLabelChoice>& choices, std::uint32_t armId)
{
    return std::any_of(choices.begin(), choices.end(),
                       [armId](const CArmLabelChoice& c) { return c.armId == armId; });
}

bool CanServeAsEntry(const CArm& arm)
{
    const ArmKind kind = arm.GetKind();
    return kind == ArmKind::Entry || kind == ArmKind::Unconnected;
}

} // namespace

CDlgCapacityAssessorModel::CDlgCapacityAssessorModel(bool editing, std::int32_t threshold)
    : m_editing(editing), m_thresholdText(std::to_string(threshold))
{}

CDlgCapacityAssessorModel CDlgCapacityAssessorModel::ForAdd(const CNetwork& network,
                                                            const CArm* proposed,
                                                            std::int32_t threshold)
{
    CDlgCapacityAssessorModel model(false, threshold);
    CArm* fixed = proposed != nullptr ? network.GetArms().GetArmById(proposed->GetId()) : nullptr;
    CArm* fixedEntry = fixed != nullptr && CanServeAsEntry(*fixed) ? fixed : nullptr;
    // An Unconnected arm could serve in either role: it is proposed once, as entry arm.
    CArm* fixedCirculatory =
        fixed != nullptr && fixed->GetKind() == ArmKind::Circulatory ? fixed : nullptr;
    model.m_entryChoices = LabelChoices(CapacityAssessorEntryArmChoices(network, fixedEntry));
    model.m_circulatoryChoices =
        LabelChoices(CapacityAssessorCirculatoryArmChoices(network, fixedCirculatory));
    if (fixedEntry != nullptr) {
        model.m_entryEnabled = false;
        model.m_entryArmId = fixedEntry->GetId();
    }
    if (fixedCirculatory != nullptr) {
        model.m_circulatoryEnabled = false;
        model.m_circulatoryArmId = fixedCirculatory->GetId();
    }
    return model;
}

CDlgCapacityAssessorModel CDlgCapacityAssessorModel::ForEdit(const CNetwork& network,
                                                             const CCapacityAssessor& assessor)
{
    CDlgCapacityAssessorModel model(true, assessor.GetThreshold());
    model.m_entryChoices =
        LabelChoices(WithOwnArm(CapacityAssessorEntryArmChoices(network), assessor.GetEntryArm()));
    model.m_circulatoryChoices = LabelChoices(
        WithOwnArm(CapacityAssessorCirculatoryArmChoices(network), assessor.GetCirculatoryArm()));
    model.m_entryArmId = assessor.GetEntryArm() ? assessor.GetEntryArm()->GetId() : 0;
    model.m_circulatoryArmId =
        assessor.GetCirculatoryArm() ? assessor.GetCirculatoryArm()->GetId() : 0;
    return model;
}

bool CDlgCapacityAssessorModel::CanAdd(const CNetwork& network, const CArm* proposed)
{
    if (network.GetCapacityAssessors().GetCount() >= CCapacityAssessors::MaxCapacityAssessors) {
        return false;
    }
    const CDlgCapacityAssessorModel model = ForAdd(network, proposed, 0);
    if (proposed != nullptr && (proposed->GetCapacityAssessor() != nullptr ||
                                (model.m_entryEnabled && model.m_circulatoryEnabled))) {
        return false; // the proposed arm cannot take an assessor
    }
    for (const CArmLabelChoice& entry : model.m_entryChoices) {
        for (const CArmLabelChoice& circulatory : model.m_circulatoryChoices) {
            if (entry.armId != circulatory.armId) {
                return true;
            }
        }
    }
    return false;
}

bool CDlgCapacityAssessorModel::SetEntryArmId(std::uint32_t armId)
{
    if (!m_entryEnabled || !Offers(m_entryChoices, armId)) {
        return false;
    }
    m_entryArmId = armId;
    return true;
}

bool CDlgCapacityAssessorModel::SetCirculatoryArmId(std::uint32_t armId)
{
    if (!m_circulatoryEnabled || !Offers(m_circulatoryChoices, armId)) {
        return false;
    }
    m_circulatoryArmId = armId;
    return true;
}

CDlgCapacityAssessorModel::EFocus CDlgCapacityAssessorModel::GetInitialFocus() const
{
    if (m_entryEnabled) {
        return EFocus::EntryList;
    }
    return m_circulatoryEnabled ? EFocus::CirculatoryList : EFocus::Threshold;
}

CValidationResult CDlgCapacityAssessorModel::Validate() const
{
    if (!IsOkEnabled()) {
        return CValidationResult::Refuse("Choose an entry arm and a circulatory arm");
    }
    if (m_entryArmId == m_circulatoryArmId) {
        return CValidationResult::Refuse(
            "The entry arm and the circulatory arm of a capacity assessor must be two different "
            "arms");
    }
    const std::optional<long long> threshold = ParseWholeNumber(m_thresholdText);
    if (!threshold || *threshold < MinThreshold || *threshold > MaxThreshold) {
        return CValidationResult::Refuse(
            "The Capacity Threshold must be a whole number from -9999 to 99999");
    }
    return CValidationResult::Accept();
}

std::int32_t CDlgCapacityAssessorModel::GetThreshold() const
{
    return static_cast<std::int32_t>(ParseWholeNumber(m_thresholdText).value_or(0));
}
