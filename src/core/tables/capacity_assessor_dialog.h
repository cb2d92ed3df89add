// The "Create Capacity Assessor" / "Edit Capacity Assessor" dialog without its window.
#pragma once

#include "model/validation.h"

#include <cstdint>
#include <string>
#include <vector>

class CArm;
class CCapacityAssessor;
class CNetwork;

// One entry of an arm list shown by the arm's label ("E1", "C2", ...).
struct CArmLabelChoice
{
    std::string text;
    std::uint32_t armId = 0;
    friend bool operator==(const CArmLabelChoice&, const CArmLabelChoice&) = default;
};

// "Entry Arm" offers the Entry or Unconnected arms without an assessor, "Circulatory Arm" the
// Circulatory or Unconnected ones; a fixed arm (its list disabled) is the only one listed. When
// editing, each list also offers the assessor's own arm. OK needs both arms, two different ones
// (one arm in both roles would carry the assessor once but be counted twice), and a threshold
// that the network file holds (a whole number from -9999 to 99999).
class CDlgCapacityAssessorModel
{
public:
    static constexpr const char* CreateTitle = "Create Capacity Assessor";
    static constexpr const char* EditTitle = "Edit Capacity Assessor";
    static constexpr const char* EntryArmCaption = "Entry Arm";
    static constexpr const char* CirculatoryArmCaption = "Circulatory Arm";
    static constexpr const char* ThresholdCaption = "Capacity Threshold";
    static constexpr int MinThreshold = -9999;
    static constexpr int MaxThreshold = 99999;

    // Where the dialog puts the focus when it opens.
    enum class EFocus
    {
        EntryList,
        Threshold,
        CirculatoryList,
    };

    // "Add Capacity Assessor...": the proposed arm (the selected arm, or the selected lane's) is
    // fixed as entry arm when it is an Entry or Unconnected arm, else as circulatory arm when it
    // is a Circulatory one. The threshold starts at the given default.
    static CDlgCapacityAssessorModel ForAdd(const CNetwork& network, const CArm* proposed,
                                            std::int32_t threshold);
    static CDlgCapacityAssessorModel ForEdit(const CNetwork& network,
                                             const CCapacityAssessor& assessor);
    // Whether "Add Capacity Assessor..." can lead to an assessor: two different arms that may
    // serve as entry and circulatory arm, the proposed one (if any) among them.
    static bool CanAdd(const CNetwork& network, const CArm* proposed);

    const char* GetTitle() const { return m_editing ? EditTitle : CreateTitle; }

    const std::vector<CArmLabelChoice>& GetEntryChoices() const { return m_entryChoices; }
    const std::vector<CArmLabelChoice>& GetCirculatoryChoices() const
    {
        return m_circulatoryChoices;
    }
    bool IsEntryListEnabled() const { return m_entryEnabled; }
    bool IsCirculatoryListEnabled() const { return m_circulatoryEnabled; }
    // Arm ids, 0 for none chosen. False (nothing changes) for an arm the list does not offer.
    std::uint32_t GetEntryArmId() const { return m_entryArmId; }
    std::uint32_t GetCirculatoryArmId() const { return m_circulatoryArmId; }
    bool SetEntryArmId(std::uint32_t armId);
    bool SetCirculatoryArmId(std::uint32_t armId);

    const std::string& GetThresholdText() const { return m_thresholdText; }
    void SetThresholdText(std::string text) { m_thresholdText = std::move(text); }

    EFocus GetInitialFocus() const;
    bool IsOkEnabled() const { return m_entryArmId != 0 && m_circulatoryArmId != 0; }
    CValidationResult Validate() const;
    // The typed threshold once Validate accepted it.
    std::int32_t GetThreshold() const;

private:
    CDlgCapacityAssessorModel(bool editing, std::int32_t threshold);

    bool m_editing;
    std::vector<CArmLabelChoice> m_entryChoices;
    std::vector<CArmLabelChoice> m_circulatoryChoices;
    bool m_entryEnabled = true;
    bool m_circulatoryEnabled = true;
    std::uint32_t m_entryArmId = 0;
    std::uint32_t m_circulatoryArmId = 0;
    std::string m_thresholdText;
};
