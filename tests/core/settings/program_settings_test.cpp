// The settings records themselves: refresh of the network settings and typed lengths.
#include "case_name.h"
#include "settings/network_settings.h"
#include "settings/program_settings.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace
{
using TestSupport::PrintTo;

TEST(NetworkSettingsTest, RefreshReplacesTheValuesOfAnOpenedFile)
{
    ProgramSettings defaults;
    defaults.DefLaneFlowDelimiter = "|";
    defaults.DefArmTextHeight = 11;
    defaults.DefZoneTextHeight = 12;
    defaults.DefCapacityAssessorTextHeight = 13;
    defaults.DefODMatrixTextHeight = 14;
    defaults.DefGridSize = 15;
    defaults.DefAuthor = "author";
    defaults.DefCompany = "company";
    defaults.DefAddress = "address";
    defaults.DefLabelTextHeight = 99; // not a network setting

    const NetworkSettings fromFile{"; ", 300, 400, 500, 600, 700, "x", "y", "z"};
    NetworkSettings network = fromFile;
    network.RefreshFromDefaults(defaults);
    EXPECT_EQ(network, (NetworkSettings{"|", 11, 12, 13, 14, 15, "author", "company", "address"}));

    // A new network after start-up has the program's defaults.
    network.RefreshFromDefaults(ProgramSettings{});
    EXPECT_EQ(network, NetworkSettings{});
}

struct LengthCase
{
    const char* Name;
    double Millimetres;
    std::int32_t Min;
    std::int32_t Max;
    std::int32_t Expected;
};

class TypedLengthTest : public testing::TestWithParam<LengthCase>
{};

TEST_P(TypedLengthTest, ConvertsTruncatesAndClamps)
{
    EXPECT_EQ(
        TenthsOfMillimetreFromMillimetres(GetParam().Millimetres, GetParam().Min, GetParam().Max),
        GetParam().Expected);
}

constexpr auto T = ProgramSettings::MinTextHeight;
constexpr auto TMax = ProgramSettings::MaxTextHeight;
constexpr auto L = ProgramSettings::MinLineThickness;
constexpr auto LMax = ProgramSettings::MaxLineThickness;

INSTANTIATE_TEST_SUITE_P(Pages, TypedLengthTest,
                         testing::Values(LengthCase{"ThinLineBecomesOneTenth", 0.04, L, LMax, 1},
                                         LengthCase{"TextHeight25mm", 25.0, T, TMax, 250},
                                         LengthCase{"TruncatesNotRounds", 2.39, T, TMax, 23},
                                         LengthCase{"DecimalThatBinaryCannotHold", 2.3, T, TMax,
                                                    23},
                                         LengthCase{"NegativeGoesToMinimum", -5.0, L, LMax, 1},
                                         LengthCase{"HugeDoesNotOverflow", 1e300, T, TMax, 1000},
                                         LengthCase{"NotANumber", std::nan(""), L, LMax, 1}),
                         CaseName());

struct TypedTextCase
{
    const char* Name;
    const char* Text;
    std::int32_t Expected;
};

class TypedTextTest : public testing::TestWithParam<TypedTextCase>
{};

TEST_P(TypedTextTest, ReadsTheNumberTheTextStartsWith)
{
    EXPECT_EQ(TenthsOfMillimetreFromText(GetParam().Text, T, TMax), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(EditBoxes, TypedTextTest,
                         testing::Values(TypedTextCase{"Plain", "2.5", 25},
                                         TypedTextCase{"BlanksAround", "  4.0 ", 40},
                                         TypedTextCase{"Plus", "+3", 30},
                                         TypedTextCase{"CommaAsDecimalPoint", "2,5", 25},
                                         TypedTextCase{"UnitAfterTheNumber", "12mm", 120},
                                         TypedTextCase{"NoNumberIsTheMinimum", "abc", T},
                                         TypedTextCase{"EmptyIsTheMinimum", "", T},
                                         TypedTextCase{"Negative", "-3", T},
                                         TypedTextCase{"BeyondADouble", "1e400", TMax},
                                         TypedTextCase{"TooSmallForADouble", "1e-400", T}),
                         CaseName());

} // namespace
