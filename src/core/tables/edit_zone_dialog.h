// The "Create Zone" / "Edit Zone" dialog without its window.
#pragma once

#include "model/validation.h"

#include <cstdint>
#include <string>
#include <vector>

class CArm;
class CNetwork;
class CZone;

// One entry of an arm list: its text and the arm number it stands for (0: "(none)").
struct CArmNumberChoice
{
    std::string text;
    std::uint32_t armNumber = 0;
    friend bool operator==(const CArmNumberChoice&, const CArmNumberChoice&) = default;
};

// "Zone" lists the zones by letter (one more when creating) with the zone's number chosen;
// "Entry arm no." offers "(none)" and the Entry or Unconnected arms that carry no zone, and the
// zone's current entry arm; "Exit arm no." likewise with Exit arms. OK refuses one arm as both
// entry and exit arm (an Unconnected arm is offered in both lists), which the zone could only
// half take.
class CDlgEditZoneModel
{
public:
    static constexpr const char* CreateTitle = "Create Zone";
    static constexpr const char* EditTitle = "Edit Zone";
    static constexpr const char* NoArm = "(none)";
    static constexpr const char* ZoneCaption = "Zone";
    static constexpr const char* EntryArmCaption = "Entry arm no.";
    static constexpr const char* ExitArmCaption = "Exit arm no.";
    static constexpr const char* ColourCaption = "Colour";
    static constexpr const char* ChangeButton = "Change...";

    // "Add Zone...": a new zone at count + 1, no arms, black.
    static CDlgEditZoneModel ForAddZone(const CNetwork& network);
    static CDlgEditZoneModel ForEditZone(const CNetwork& network, const CZone& zone);

    const char* GetTitle() const { return m_editing ? EditTitle : CreateTitle; }
    bool IsEditing() const { return m_editing; }

    const std::vector<std::string>& GetZoneChoices() const { return m_zoneChoices; }
    std::uint32_t GetZoneNumber() const { return m_zoneNumber; }
    bool SetZoneNumber(std::uint32_t number);

    const std::vector<CArmNumberChoice>& GetEntryChoices() const { return m_entryChoices; }
    const std::vector<CArmNumberChoice>& GetExitChoices() const { return m_exitChoices; }
    std::uint32_t GetEntryArmNumber() const { return m_entryArm; }
    std::uint32_t GetExitArmNumber() const { return m_exitArm; }
    // False (nothing changes) for a number the list does not offer.
    bool SetEntryArmNumber(std::uint32_t number);
    bool SetExitArmNumber(std::uint32_t number);

    std::uint32_t GetColour() const { return m_colour; }
    // The colour chooser's answer ("Change..."), unless it was cancelled.
    void SetColour(std::uint32_t colour) { m_colour = colour & 0x00FFFFFFu; }

    CValidationResult Validate() const;

private:
    CDlgEditZoneModel(const CNetwork& network, const CZone* zone);

    bool m_editing;
    std::vector<std::string> m_zoneChoices;
    std::uint32_t m_zoneNumber;
    std::vector<CArmNumberChoice> m_entryChoices;
    std::vector<CArmNumberChoice> m_exitChoices;
    std::uint32_t m_entryArm = 0;
    std::uint32_t m_exitArm = 0;
    std::uint32_t m_colour = 0;
};
