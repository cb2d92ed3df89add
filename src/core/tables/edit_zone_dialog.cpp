#include "tables/edit_zone_dialog.h"

#include "model/network.h"
#include "model/zone_letter.h"
#include "tables/dialog_text.h"

#include <algorithm>

namespace
{

std::uint32_t NumberOf(const CArm* arm)
{
    return arm != nullptr ? arm->GetNumber() : 0;
}

std::vector<CArmNumberChoice> ArmChoices(const CNetwork& network, const CArm* current, bool entry)
{
    std::vector<CArmNumberChoice> choices{{CDlgEditZoneModel::NoArm, 0}};
    const ArmKind wanted = entry ? ArmKind::Entry : ArmKind::Exit;
    const CArms& arms = network.GetArms();
    for (std::uint32_t n = 1; n <= arms.GetCount(); ++n) {
        const CArm* arm = arms.GetArm(n);
        const ArmKind kind = arm->GetKind();
        const bool free =
            arm->GetZone() == nullptr && (kind == wanted || kind == ArmKind::Unconnected);
        // The zone's own arm in this role stays on offer; its arm in the other role does not,
        // as the zone could not take it.
        const bool held = current != nullptr && arm == current;
        if (free || held) {
            choices.push_back({FormatNumber("%u", static_cast<int>(n)), n});
        }
    }
    return choices;
}

bool Offers(const std::vector<CArmNumberChoice>& choices, std::uint32_t number)
{
    return std::any_of(choices.begin(), choices.end(),
                       [number](const CArmNumberChoice& c) { return c.armNumber == number; });
}

} // namespace

CDlgEditZoneModel::CDlgEditZoneModel(const CNetwork& network, const CZone* zone)
    : m_editing(zone != nullptr)
{
    const std::uint32_t count = network.GetZones().GetCount() + (m_editing ? 0 : 1);
    for (std::uint32_t n = 1; n <= count; ++n) {
        m_zoneChoices.push_back(ZoneLetter(n));
    }
    m_zoneNumber = m_editing ? zone->GetNumber() : count;
    const CArm* entry = m_editing ? zone->GetEntryArm() : nullptr;
    const CArm* exit = m_editing ? zone->GetExitArm() : nullptr;
    m_entryChoices = ArmChoices(network, entry, true);
    m_exitChoices = ArmChoices(network, exit, false);
    m_entryArm = NumberOf(entry);
    m_exitArm = NumberOf(exit);
    m_colour = m_editing ? zone->GetColour() : 0;
}

CDlgEditZoneModel CDlgEditZoneModel::ForAddZone(const CNetwork& network)
{
    return CDlgEditZoneModel(network, nullptr);
}

CDlgEditZoneModel CDlgEditZoneModel::ForEditZone(const CNetwork& network, const CZone& zone)
{
    return CDlgEditZoneModel(network, &zone);
}

bool CDlgEditZoneModel::SetZoneNumber(std::uint32_t number)
{
    if (number < 1 || number > m_zoneChoices.size()) {
        return false;
    }
    m_zoneNumber = number;
    return true;
}

bool CDlgEditZoneModel::SetEntryArmNumber(std::uint32_t number)
{
    if (!Offers(m_entryChoices, number)) {
        return false;
    }
    m_entryArm = number;
    return true;
}

bool CDlgEditZoneModel::SetExitArmNumber(std::uint32_t number)
{
    if (!Offers(m_exitChoices, number)) {
        return false;
    }
    m_exitArm = number;
    return true;
}

CValidationResult CDlgEditZoneModel::Validate() const
{
    if (m_entryArm != 0 && m_entryArm == m_exitArm) {
        return CValidationResult::Refuse(
            "A zone cannot enter and leave the network by the same arm: choose two arms, or "
            "\"(none)\" for one of them");
    }
    return CValidationResult::Accept();
}
