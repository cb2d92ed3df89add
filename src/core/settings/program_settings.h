// The program's own settings: defaults for new networks and the current display settings.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Lengths are whole tenths of a millimetre; colours are 0x00BBGGRR. The "Def" fields are what a
// new network (and each new label or capacity assessor) starts from; the "Cur" fields are the
// display settings that apply at once to whatever network is shown and never go into a network
// file. One process-wide instance, Instance(), holds the values below from program start until
// LoadSettings replaces them with the stored ones. Every field may be read and written freely;
// the limits below are what the settings pages and LoadSettings keep values within.
struct ProgramSettings
{
    static constexpr std::int32_t MinTextHeight = 10; // 1.0 mm, also for the grid size
    static constexpr std::int32_t MaxTextHeight = 1000;
    static constexpr std::int32_t MinLineThickness = 1; // 0.1 mm
    static constexpr std::int32_t MaxLineThickness = 100;
    static constexpr std::int32_t MinFlowPrecision = 0;
    static constexpr std::int32_t MaxFlowPrecision = 2;
    // The capacity assessor's card holds its threshold in five columns.
    static constexpr std::int32_t MinCapacityAssessorThreshold = -9999;
    static constexpr std::int32_t MaxCapacityAssessorThreshold = 99999;
    static constexpr std::size_t RouteListColumnCount = 9;
    static constexpr std::array<std::int32_t, RouteListColumnCount> DefaultRouteListColumnWidths{
        41, 50, 0, 50, 50, 0, 50, 60, 59};

    std::string DefLaneFlowDelimiter = ", ";
    std::int32_t DefArmTextHeight = 30;
    std::int32_t DefZoneTextHeight = 40;
    std::int32_t DefCapacityAssessorTextHeight = 40;
    std::int32_t DefLabelTextHeight = 40;
    std::int32_t DefODMatrixTextHeight = 40;
    std::int32_t DefGridSize = 100;
    std::string DefAuthor;
    std::string DefCompany;
    std::string DefAddress;
    std::int32_t DefCapacityAssessorThreshold = 1500;
    bool DefCreateBlankFileOnStartup = true;
    bool DefIsMouseWheelZoomBackwards = true;

    std::uint32_t CurLaneColor = 0x000000;
    std::uint32_t CurRouteColor = 0x80FF00;
    std::uint32_t CurSelRouteColor = 0xFF80FF;
    std::uint32_t CurDisallowedRouteColor = 0xFF0000;
    std::uint32_t CurExceededCapacityAssessmentThresholdColor = 0x0000FF;
    std::uint32_t CurNotExceededCapacityAssessmentThresholdColor = 0x000000;
    std::uint32_t CurSelectedItemColor = 0x0000FF;
    std::uint32_t CurLaneChangeRightColor = 0x0000FF;
    std::uint32_t CurLaneChangeLeftColor = 0x00FF00;

    std::int32_t CurArmLineThickness = 2;
    std::int32_t CurLaneLineThickness = 1;
    std::int32_t CurLaneConnectorLineThickness = 1;
    std::int32_t CurZoneLineThickness = 1;
    std::int32_t CurODMatrixLineThickness = 1;
    std::int32_t CurCapacityAssessorLineThickness = 1;
    bool CurDisplayGrid = false;
    bool CurSnapToGrid = false;
    std::int32_t CurRouteFlowPrecision = 2;
    std::int32_t CurODFlowPrecision = 0;
    std::int32_t CurLaneFlowPrecision = 0;

    // Empty until LoadSettings puts the per-user auto-save directory in its place.
    std::string AutoSaveDirectory;
    std::array<std::int32_t, RouteListColumnCount> RouteListColumnWidths =
        DefaultRouteListColumnWidths;

    // The update check's own keys, kept as the stored texts; the update check interprets them.
    std::string UpdateNotificationURL;
    std::string NextNotificationTime;
    std::string NotificationFrequency;

    bool operator==(const ProgramSettings&) const = default;

    static ProgramSettings& Instance();
};

// Converts a length typed in millimetres to whole tenths of a millimetre as the settings pages
// do: times ten, truncated toward zero, then clamped to [minimum, maximum]. A value that is not
// a number yields the minimum.
std::int32_t TenthsOfMillimetreFromMillimetres(double millimetres, std::int32_t minimum,
                                               std::int32_t maximum);
// The same for the text of an edit box: the number it starts with, blanks before it allowed,
// with "." or "," as its decimal point ("2,5" is 2.5 mm); text that starts with no number
// yields the minimum.
std::int32_t TenthsOfMillimetreFromText(std::string_view millimetres, std::int32_t minimum,
                                        std::int32_t maximum);
// Tenths of a millimetre shown in millimetres with one decimal ("%1.1f"): 250 is "25.0".
std::string MillimetreText(std::int32_t tenths);
