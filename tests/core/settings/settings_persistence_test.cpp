// Loading and saving the program settings through the settings store.
#include "case_name.h"
#include "settings/settings_persistence.h"

#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <variant>

namespace
{
using TestSupport::PrintTo;

using Value = std::variant<std::int64_t, std::string>;

struct KeyCase
{
    const char* Key;
    Value Default;
    Value Changed;
    std::function<Value(const ProgramSettings&)> Field;
};

void PrintTo(const KeyCase& c, std::ostream* os)
{
    *os << c.Key;
}

#define FIELD(f)                                                                                   \
    [](const ProgramSettings& s) {                                                                 \
        return Value(static_cast<std::int64_t>(s.f));                                              \
    }
#define TEXT(f)                                                                                    \
    [](const ProgramSettings& s) {                                                                 \
        return Value(s.f);                                                                         \
    }
using I = std::int64_t;
using T = std::string;

const KeyCase KeyCases[] = {
    {"DefLaneFlowDelimiter", T(", "), T(" / "), TEXT(DefLaneFlowDelimiter)},
    {"DefArmTextHeight", I(30), I(31), FIELD(DefArmTextHeight)},
    {"DefZoneTextHeight", I(40), I(42), FIELD(DefZoneTextHeight)},
    {"DefCapacityAssessorTextHeight", I(40), I(43), FIELD(DefCapacityAssessorTextHeight)},
    {"DefLabelTextHeight", I(40), I(44), FIELD(DefLabelTextHeight)},
    {"DefODMatrixTextHeight", I(40), I(45), FIELD(DefODMatrixTextHeight)},
    {"DefGridSize", I(100), I(250), FIELD(DefGridSize)},
    {"DefAuthor", T(""), T("A. Author"), TEXT(DefAuthor)},
    {"DefCompany", T(""), T("Works Ltd"), TEXT(DefCompany)},
    {"DefAddress", T(""), T("1 Road\r\nTown"), TEXT(DefAddress)},
    {"DefCapacityAssessorThreshold", I(1500), I(-20), FIELD(DefCapacityAssessorThreshold)},
    {"DefCreateBlankFileOnStartup", I(1), I(0), FIELD(DefCreateBlankFileOnStartup)},
    {"DefIsMouseWheelZoomBackwards", I(1), I(0), FIELD(DefIsMouseWheelZoomBackwards)},
    {"CurLaneColor", I(0x000000), I(0x123456), FIELD(CurLaneColor)},
    {"CurRouteColor", I(0x80FF00), I(0x010203), FIELD(CurRouteColor)},
    {"CurSelRouteColor", I(0xFF80FF), I(0x010204), FIELD(CurSelRouteColor)},
    {"CurDisallowedRouteColor", I(0xFF0000), I(0x010205), FIELD(CurDisallowedRouteColor)},
    {"CurExceededCapacityAssessmentThresholdColor", I(0x0000FF), I(0x010206),
     FIELD(CurExceededCapacityAssessmentThresholdColor)},
    {"CurNotExceededCapacityAssessmentThresholdColor", I(0x000000), I(0x010207),
     FIELD(CurNotExceededCapacityAssessmentThresholdColor)},
    {"CurSelectedItemColor", I(0x0000FF), I(0x010208), FIELD(CurSelectedItemColor)},
    {"CurLaneChangeRightColor", I(0x0000FF), I(0x010209), FIELD(CurLaneChangeRightColor)},
    {"CurLaneChangeLeftColor", I(0x00FF00), I(0x01020A), FIELD(CurLaneChangeLeftColor)},
    {"CurArmLineThickness", I(2), I(5), FIELD(CurArmLineThickness)},
    {"CurLaneLineThickness", I(1), I(6), FIELD(CurLaneLineThickness)},
    {"CurLaneConnectorLineThickness", I(1), I(7), FIELD(CurLaneConnectorLineThickness)},
    {"CurZoneLineThickness", I(1), I(8), FIELD(CurZoneLineThickness)},
    {"CurODMatrixLineThickness", I(1), I(9), FIELD(CurODMatrixLineThickness)},
    {"CurCapacityAssessorLineThickness", I(1), I(10), FIELD(CurCapacityAssessorLineThickness)},
    {"CurDisplayGrid", I(0), I(1), FIELD(CurDisplayGrid)},
    {"CurSnapToGrid", I(0), I(1), FIELD(CurSnapToGrid)},
    {"CurRouteFlowPrecision", I(2), I(1), FIELD(CurRouteFlowPrecision)},
    {"CurODFlowPrecision", I(0), I(2), FIELD(CurODFlowPrecision)},
    {"CurLaneFlowPrecision", I(0), I(1), FIELD(CurLaneFlowPrecision)},
    {"UpdateNotificationURL", T(""), T("http://updates.example/gyrolith.txt"),
     TEXT(UpdateNotificationURL)},
    {"NextNotificationTime", T(""), T("311226235959"), TEXT(NextNotificationTime)},
    {"NotificationFrequency", T(""), T("3"), TEXT(NotificationFrequency)},
};

Value Stored(const CMemorySettingsStore& store, const char* key, const Value& like)
{
    if (std::holds_alternative<std::string>(like))
        return store.GetProfileString(SettingsSection, key, "<missing>");
    return static_cast<std::int64_t>(store.GetProfileInt(SettingsSection, key, -999));
}

void Write(CMemorySettingsStore& store, const char* key, const Value& value)
{
    if (const auto* text = std::get_if<std::string>(&value))
        store.WriteProfileString(SettingsSection, key, *text);
    else
        store.WriteProfileInt(SettingsSection, key, static_cast<std::int32_t>(std::get<I>(value)));
}

class SettingsKeyTest : public testing::TestWithParam<KeyCase>
{};

// Reading one changed key must change exactly its own field and nothing else.
TEST_P(SettingsKeyTest, StoredValueIsLoadedIntoItsFieldOnly)
{
    CMemorySettingsStore store;
    Write(store, GetParam().Key, GetParam().Changed);
    ProgramSettings settings;
    NetworkSettings network;
    LoadSettings(store, settings, network);
    EXPECT_EQ(GetParam().Field(settings), GetParam().Changed);

    CMemorySettingsStore expected, actual;
    SaveSettings(expected, ProgramSettings{});
    Write(expected, GetParam().Key, GetParam().Changed);
    SaveSettings(actual, settings);
    for (const KeyCase& other : KeyCases)
        EXPECT_EQ(Stored(actual, other.Key, other.Default),
                  Stored(expected, other.Key, other.Default))
            << other.Key;
}

INSTANTIATE_TEST_SUITE_P(AllKeys, SettingsKeyTest, testing::ValuesIn(KeyCases),
                         [](const testing::TestParamInfo<KeyCase>& paramInfo) {
                             return paramInfo.param.Key;
                         });

TEST(SettingsPersistenceTest, RoundTripKeepsEveryValueAndWritesNothingElse)
{
    ProgramSettings settings;
    settings.DefAddress = "Line 1\r\nLine 2";
    settings.DefCreateBlankFileOnStartup = false;
    settings.CurLaneColor = 0xFFFFFFFF; // the top bit must survive the signed store
    settings.CurSnapToGrid = true;
    settings.CurLaneFlowPrecision = 2;
    settings.DefCapacityAssessorThreshold = -7;
    settings.RouteListColumnWidths = {0, 2, 3, 4, 5, 6, 7, 8, 9};
    settings.AutoSaveDirectory = "/home/someone/saves/";
    CMemorySettingsStore store;
    ASSERT_TRUE(SaveSettings(store, settings));
    // The keys of the table, the nine widths and the auto-save directory.
    EXPECT_EQ(store.GetCount(), std::size(KeyCases) + 9 + 1);
    for (int column = 0; column < 9; ++column)
        EXPECT_EQ(store.GetProfileInt(RouteListColumnWidthsSection, std::to_string(column), -1),
                  settings.RouteListColumnWidths[column]);

    ProgramSettings loaded;
    NetworkSettings network;
    LoadSettings(store, loaded, network);
    EXPECT_EQ(loaded, settings);
}

// What is missing or of the wrong type keeps its value; the network settings are refreshed
// from the defaults loaded.
TEST(SettingsPersistenceTest, LoadKeepsMissingKeysAndValuesOfTheWrongTypeAndRefreshesTheNetwork)
{
    CMemorySettingsStore store;
    store.WriteProfileString(SettingsSection, "DefGridSize", "250");
    store.WriteProfileInt(SettingsSection, "DefAuthor", 5);
    store.WriteProfileInt(SettingsSection, "DefArmTextHeight", 55);
    ProgramSettings settings;
    settings.DefAuthor = "kept";
    settings.AutoSaveDirectory = "/kept/";
    ProgramSettings expected = settings;
    expected.DefArmTextHeight = 55;
    NetworkSettings network;
    network.Company = "from an old file";
    LoadSettings(store, settings, network);
    EXPECT_EQ(settings, expected);

    NetworkSettings expectedNetwork;
    expectedNetwork.ArmTextHeight = 55;
    expectedNetwork.Author = "kept";
    EXPECT_EQ(network, expectedNetwork);
}

struct ClampCase
{
    const char* Name;
    const char* Key;
    std::int32_t StoredValue;
    std::int32_t Expected;
};

class SettingsClampTest : public testing::TestWithParam<ClampCase>
{};

TEST_P(SettingsClampTest, HandEditedValueIsKeptInRange)
{
    CMemorySettingsStore store;
    store.WriteProfileInt(SettingsSection, GetParam().Key, GetParam().StoredValue);
    ProgramSettings settings;
    NetworkSettings network;
    LoadSettings(store, settings, network);
    CMemorySettingsStore saved;
    SaveSettings(saved, settings);
    EXPECT_EQ(saved.GetProfileInt(SettingsSection, GetParam().Key, -999), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, SettingsClampTest,
    testing::Values(
        ClampCase{"GridOfZero", "DefGridSize", 0, 10},
        ClampCase{"GridAtMinimum", "DefGridSize", 10, 10},
        ClampCase{"NegativeTextHeight", "DefLabelTextHeight", -40, 10},
        ClampCase{"HugeTextHeight", "DefArmTextHeight", 5000, 1000},
        ClampCase{"TextHeightAtMaximum", "DefZoneTextHeight", 1000, 1000},
        ClampCase{"ThicknessOfZero", "CurArmLineThickness", 0, 1},
        ClampCase{"ThickLine", "CurZoneLineThickness", 101, 100},
        ClampCase{"PrecisionThree", "CurRouteFlowPrecision", 3, 2},
        ClampCase{"NegativePrecision", "CurODFlowPrecision", -1, 0},
        ClampCase{"AnyNonZeroIsTrue", "CurDisplayGrid", -3, 1},
        ClampCase{"ThresholdBeyondItsField", "DefCapacityAssessorThreshold", 100000, 99999},
        ClampCase{"ThresholdBelowItsField", "DefCapacityAssessorThreshold", -10000, -9999}),
    CaseName());

// All nine stored widths zero means "never saved": the default widths. One that is not zero
// keeps the stored zeros (a hidden column), and a negative width reads as zero.
TEST(SettingsPersistenceTest, ColumnWidthsAllZeroGiveTheDefaultsOtherwiseAreKept)
{
    using Widths = std::array<std::int32_t, 9>;
    const auto load = [](const Widths& stored) {
        CMemorySettingsStore store;
        for (int column = 0; column < 9; ++column)
            store.WriteProfileInt(RouteListColumnWidthsSection, std::to_string(column),
                                  stored[column]);
        ProgramSettings settings;
        settings.RouteListColumnWidths = {5, 5, 5, 5, 5, 5, 5, 5, 5};
        NetworkSettings network;
        LoadSettings(store, settings, network);
        return settings.RouteListColumnWidths;
    };
    EXPECT_EQ(load(Widths{}), (Widths{41, 50, 0, 50, 50, 0, 50, 60, 59}));
    EXPECT_EQ(load(Widths{0, 0, 0, 0, 70, -8, 0, 0, 0}), (Widths{0, 0, 0, 0, 70, 0, 0, 0, 0}));
}

TEST(SettingsPersistenceTest, AutoSaveDirectoryFromItsOwnSectionOrTheDefault)
{
    CMemorySettingsStore store;
    store.WriteProfileString(AutoSaveSection, AutoSaveDirectoryKey, "");
    // The key lives in its own section; the same name under "Settings" is not it.
    store.WriteProfileString(SettingsSection, AutoSaveDirectoryKey, "/wrong/");
    ProgramSettings settings;
    NetworkSettings network;
    LoadSettings(store, settings, network, "/home/u/.local/state/Gyrolith/");
    EXPECT_EQ(settings.AutoSaveDirectory, "/home/u/.local/state/Gyrolith/");
    CMemorySettingsStore saved;
    SaveSettings(saved, settings);
    EXPECT_EQ(saved.GetProfileString(AutoSaveSection, AutoSaveDirectoryKey, "<missing>"),
              "/home/u/.local/state/Gyrolith/");

    store.WriteProfileString(AutoSaveSection, AutoSaveDirectoryKey, "/data/recover");
    LoadSettings(store, settings, network, "/default/");
    EXPECT_EQ(settings.AutoSaveDirectory, "/data/recover");
}

TEST(SettingsPersistenceTest, DefaultAutoSaveDirectoryIsPerUser)
{
    const char* oldState = std::getenv("XDG_STATE_HOME");
    const std::string saved = oldState ? oldState : "";
    setenv("XDG_STATE_HOME", "/home/alice/.state", 1);
    EXPECT_EQ(DefaultAutoSaveDirectory(), "/home/alice/.state/Gyrolith/");
    // A relative value is not trusted: XDG says to ignore it.
    setenv("XDG_STATE_HOME", "relative", 1);
    setenv("HOME", std::getenv("HOME") ? std::getenv("HOME") : "/home/alice", 1);
    EXPECT_EQ(DefaultAutoSaveDirectory(),
              std::string(std::getenv("HOME")) + "/.local/state/Gyrolith/");
    if (oldState)
        setenv("XDG_STATE_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_STATE_HOME");
}

} // namespace
