// The "Create Arm" and "Edit Arm" dialogs without their windows: choices, presets and checks.
#pragma once

#include "model/validation.h"

#include <cstdint>
#include <string>
#include <vector>

class CArm;
class CNetwork;

// "Create Arm": "Number", a list of 1..n ("%2u"), and "Number of lanes", digits only. The
// lane count is what one ARM card can say and the view can draw: 1 to 99.
class CDlgArmCreateModel
{
public:
    static constexpr const char* Title = "Create Arm";
    static constexpr const char* NumberCaption = "Number";
    static constexpr const char* LaneCountCaption = "Number of lanes";
    static constexpr std::uint32_t MaxLanes = 99;

    // The dialog's own preset is one lane and n preselected.
    explicit CDlgArmCreateModel(std::uint32_t choices, std::uint32_t laneCount = 1);
    // As "Add Arm..." opens it: n = arm count + 1 preselected (a new arm goes last), two lanes.
    static CDlgArmCreateModel ForAddArm(const CNetwork& network);

    const std::vector<std::string>& GetNumberChoices() const { return m_choices; }
    std::uint32_t GetNumber() const { return m_number; }
    // False (nothing changes) outside 1..n.
    bool SetNumber(std::uint32_t number);

    const std::string& GetLaneCountText() const { return m_laneCountText; }
    // The box takes digits only: a text with anything else is not taken (false).
    bool SetLaneCountText(const std::string& text);
    // Accepted for 1..99 lanes; otherwise the message to show, the dialog staying open.
    CValidationResult Validate() const;
    // The typed count once Validate accepted it.
    std::uint32_t GetLaneCount() const;

private:
    std::vector<std::string> m_choices;
    std::uint32_t m_number;
    std::string m_laneCountText;
};

// "Edit Arm": "Arm Number", a list of 1..count ("%2u") with the arm's number preselected.
class CDlgEditArmModel
{
public:
    static constexpr const char* Title = "Edit Arm";
    static constexpr const char* NumberCaption = "Arm Number";

    explicit CDlgEditArmModel(const CArm& arm);

    const std::vector<std::string>& GetNumberChoices() const { return m_choices; }
    std::uint32_t GetNumber() const { return m_number; }
    bool SetNumber(std::uint32_t number);

private:
    std::vector<std::string> m_choices;
    std::uint32_t m_number;
};
