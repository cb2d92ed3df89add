// One table of the "Settings" keys drives both directions, so load and save cannot drift apart.
#include "settings/settings_persistence.h"

#include "platform/user_directories.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <limits>
#include <string>
#include <variant>

namespace
{

struct StringKey
{
    std::string ProgramSettings::*Field;
};

struct IntKey
{
    std::int32_t ProgramSettings::*Field;
    std::int32_t Min = std::numeric_limits<std::int32_t>::min();
    std::int32_t Max = std::numeric_limits<std::int32_t>::max();
};

struct BoolKey
{
    bool ProgramSettings::*Field;
};

struct ColourKey
{
    std::uint32_t ProgramSettings::*Field;
};

struct KeyEntry
{
    const char* Key;
    std::variant<StringKey, IntKey, BoolKey, ColourKey> Kind;
};

using S = ProgramSettings;

IntKey TextHeight(std::int32_t S::*field)
{
    return {field, S::MinTextHeight, S::MaxTextHeight};
}

IntKey LineThickness(std::int32_t S::*field)
{
    return {field, S::MinLineThickness, S::MaxLineThickness};
}

IntKey Precision(std::int32_t S::*field)
{
    return {field, S::MinFlowPrecision, S::MaxFlowPrecision};
}

const KeyEntry SettingsKeys[] = {
    {"DefLaneFlowDelimiter", StringKey{&S::DefLaneFlowDelimiter}},
    {"DefArmTextHeight", TextHeight(&S::DefArmTextHeight)},
    {"DefZoneTextHeight", TextHeight(&S::DefZoneTextHeight)},
    {"DefCapacityAssessorTextHeight", TextHeight(&S::DefCapacityAssessorTextHeight)},
    {"DefLabelTextHeight", TextHeight(&S::DefLabelTextHeight)},
    {"DefODMatrixTextHeight", TextHeight(&S::DefODMatrixTextHeight)},
    {"DefGridSize", TextHeight(&S::DefGridSize)},
    {"DefAuthor", StringKey{&S::DefAuthor}},
    {"DefCompany", StringKey{&S::DefCompany}},
    {"DefAddress", StringKey{&S::DefAddress}},
    {"DefCapacityAssessorThreshold",
     IntKey{&S::DefCapacityAssessorThreshold, S::MinCapacityAssessorThreshold,
            S::MaxCapacityAssessorThreshold}},
    {"DefCreateBlankFileOnStartup", BoolKey{&S::DefCreateBlankFileOnStartup}},
    {"DefIsMouseWheelZoomBackwards", BoolKey{&S::DefIsMouseWheelZoomBackwards}},
    {"CurLaneColor", ColourKey{&S::CurLaneColor}},
    {"CurRouteColor", ColourKey{&S::CurRouteColor}},
    {"CurSelRouteColor", ColourKey{&S::CurSelRouteColor}},
    {"CurDisallowedRouteColor", ColourKey{&S::CurDisallowedRouteColor}},
    {"CurExceededCapacityAssessmentThresholdColor",
     ColourKey{&S::CurExceededCapacityAssessmentThresholdColor}},
    {"CurNotExceededCapacityAssessmentThresholdColor",
     ColourKey{&S::CurNotExceededCapacityAssessmentThresholdColor}},
    {"CurSelectedItemColor", ColourKey{&S::CurSelectedItemColor}},
    {"CurLaneChangeRightColor", ColourKey{&S::CurLaneChangeRightColor}},
    {"CurLaneChangeLeftColor", ColourKey{&S::CurLaneChangeLeftColor}},
    {"CurArmLineThickness", LineThickness(&S::CurArmLineThickness)},
    {"CurLaneLineThickness", LineThickness(&S::CurLaneLineThickness)},
    {"CurLaneConnectorLineThickness", LineThickness(&S::CurLaneConnectorLineThickness)},
    {"CurZoneLineThickness", LineThickness(&S::CurZoneLineThickness)},
    {"CurODMatrixLineThickness", LineThickness(&S::CurODMatrixLineThickness)},
    {"CurCapacityAssessorLineThickness", LineThickness(&S::CurCapacityAssessorLineThickness)},
    {"CurDisplayGrid", BoolKey{&S::CurDisplayGrid}},
    {"CurSnapToGrid", BoolKey{&S::CurSnapToGrid}},
    {"CurRouteFlowPrecision", Precision(&S::CurRouteFlowPrecision)},
    {"CurODFlowPrecision", Precision(&S::CurODFlowPrecision)},
    {"CurLaneFlowPrecision", Precision(&S::CurLaneFlowPrecision)},
};

// Read after everything else and written after everything else, in this order.
constexpr std::string S::*UpdateCheckFields[] = {
    &S::UpdateNotificationURL, &S::NextNotificationTime, &S::NotificationFrequency};
constexpr const char* UpdateCheckKeys[] = {"UpdateNotificationURL", "NextNotificationTime",
                                           "NotificationFrequency"};

template <class... Ts> struct Overloaded : Ts...
{
    using Ts::operator()...;
};
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

std::string ColumnKey(std::size_t column)
{
    return std::to_string(column);
}

} // namespace

std::string DefaultAutoSaveDirectory()
{
    std::string directory = (UserStateDirectory() / "Gyrolith").string();
    directory += '/';
    return directory;
}

void LoadSettings(const CSettingsStore& store, ProgramSettings& settings, NetworkSettings& network)
{
    LoadSettings(store, settings, network, DefaultAutoSaveDirectory());
}

void LoadSettings(const CSettingsStore& store, ProgramSettings& settings, NetworkSettings& network,
                  const std::string& defaultAutoSaveDirectory)
{
    for (const KeyEntry& entry : SettingsKeys) {
        std::visit(
            Overloaded{
                [&](const StringKey& k) {
                    settings.*k.Field =
                        store.GetProfileString(SettingsSection, entry.Key, settings.*k.Field);
                },
                [&](const IntKey& k) {
                    settings.*k.Field = std::clamp(
                        store.GetProfileInt(SettingsSection, entry.Key, settings.*k.Field), k.Min,
                        k.Max);
                },
                [&](const BoolKey& k) {
                    settings.*k.Field = store.GetProfileInt(SettingsSection, entry.Key,
                                                            settings.*k.Field ? 1 : 0) != 0;
                },
                [&](const ColourKey& k) {
                    settings.*k.Field = static_cast<std::uint32_t>(store.GetProfileInt(
                        SettingsSection, entry.Key, static_cast<std::int32_t>(settings.*k.Field)));
                },
            },
            entry.Kind);
    }

    settings.AutoSaveDirectory =
        store.GetProfileString(AutoSaveSection, AutoSaveDirectoryKey, settings.AutoSaveDirectory);
    if (settings.AutoSaveDirectory.empty())
        settings.AutoSaveDirectory = defaultAutoSaveDirectory;

    network.RefreshFromDefaults(settings);

    auto& widths = settings.RouteListColumnWidths;
    for (std::size_t column = 0; column < widths.size(); ++column)
        widths[column] = std::max(0, store.GetProfileInt(RouteListColumnWidthsSection,
                                                         ColumnKey(column), widths[column]));
    if (std::all_of(widths.begin(), widths.end(), [](std::int32_t w) { return w == 0; }))
        widths = ProgramSettings::DefaultRouteListColumnWidths;

    for (std::size_t i = 0; i < std::size(UpdateCheckKeys); ++i)
        settings.*UpdateCheckFields[i] = store.GetProfileString(SettingsSection, UpdateCheckKeys[i],
                                                                settings.*UpdateCheckFields[i]);
}

bool SaveSettings(CSettingsStore& store, const ProgramSettings& settings)
{
    bool allWritten = true;
    for (const KeyEntry& entry : SettingsKeys) {
        const bool written = std::visit(
            Overloaded{
                [&](const StringKey& k) {
                    return store.WriteProfileString(SettingsSection, entry.Key, settings.*k.Field);
                },
                [&](const IntKey& k) {
                    return store.WriteProfileInt(SettingsSection, entry.Key, settings.*k.Field);
                },
                [&](const BoolKey& k) {
                    return store.WriteProfileInt(SettingsSection, entry.Key,
                                                 settings.*k.Field ? 1 : 0);
                },
                [&](const ColourKey& k) {
                    return store.WriteProfileInt(SettingsSection, entry.Key,
                                                 static_cast<std::int32_t>(settings.*k.Field));
                },
            },
            entry.Kind);
        allWritten = written && allWritten;
    }

    const auto& widths = settings.RouteListColumnWidths;
    for (std::size_t column = 0; column < widths.size(); ++column)
        allWritten = store.WriteProfileInt(RouteListColumnWidthsSection, ColumnKey(column),
                                           widths[column]) &&
                     allWritten;
    allWritten = store.WriteProfileString(AutoSaveSection, AutoSaveDirectoryKey,
                                          settings.AutoSaveDirectory) &&
                 allWritten;
    for (std::size_t i = 0; i < std::size(UpdateCheckKeys); ++i)
        allWritten = store.WriteProfileString(SettingsSection, UpdateCheckKeys[i],
                                              settings.*UpdateCheckFields[i]) &&
                     allWritten;
    return allWritten;
}
