// The checked field formatter: printf output for values that fit, refusal for those that do not.
#include "cardfile/card_builder.h"
#include "cardfile/card_errors.h"
#include "case_name.h"

#include <climits>
#include <clocale>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace
{
using TestSupport::PrintTo;
struct IntFieldCase
{
    const char* name;
    const char* conversion;
    long long value;
    const char* written; // nullptr: refused
};

class CardIntField : public testing::TestWithParam<IntFieldCase>
{};

TEST_P(CardIntField, FitsOrIsRefused)
{
    const IntFieldCase& c = GetParam();
    if (c.written) {
        EXPECT_EQ(FormatCardInt(c.conversion, c.value, "field"), c.written);
        // The same as printf, given the value's length.
        std::string conversion = c.conversion;
        conversion.insert(conversion.size() - 1, "ll");
        char printed[64];
        std::snprintf(printed, sizeof printed, conversion.c_str(), c.value);
        EXPECT_EQ(std::string(printed), c.written);
    } else {
        EXPECT_THROW(FormatCardInt(c.conversion, c.value, "field"), errCardFieldRefused);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, CardIntField,
    testing::Values(IntFieldCase{"Five_Zero", "%5i", 0, "    0"},
                    IntFieldCase{"Five_LargestPositive", "%5i", 99999, "99999"},
                    IntFieldCase{"Five_OneTooLarge", "%5i", 100000, nullptr},
                    IntFieldCase{"Five_LargestNegative", "%5i", -9999, "-9999"},
                    IntFieldCase{"Five_OneTooSmall", "%5i", -10000, nullptr},
                    IntFieldCase{"Ten_LargestPositive", "%10d", 2147483647, "2147483647"},
                    IntFieldCase{"Ten_LargestNegative", "%10d", -999999999, "-999999999"},
                    IntFieldCase{"Ten_OneTooSmall", "%10d", -1000000000, nullptr},
                    IntFieldCase{"Ten_IntMin", "%10i", -2147483648LL, nullptr},
                    IntFieldCase{"Unsigned_Largest", "%5u", 99999, "99999"},
                    IntFieldCase{"Unsigned_TooLarge", "%5u", 100000, nullptr},
                    IntFieldCase{"Unsigned_Negative", "%5u", -1, nullptr},
                    IntFieldCase{"LeftJustified", "%-5d", 42, "42   "},
                    IntFieldCase{"ZeroPadded", "%05d", -42, "-0042"},
                    IntFieldCase{"NoWidthTakesAnything", "%d", 12345678901LL, "12345678901"},
                    IntFieldCase{"LongLongMin", "%d", LLONG_MIN, "-9223372036854775808"},
                    IntFieldCase{"PlusSign", "%+5d", 42, "  +42"},
                    IntFieldCase{"BlankSign", "% 5d", 42, "   42"},
                    IntFieldCase{"BlankSignCountsInTheWidth", "% 5d", 12345, nullptr},
                    IntFieldCase{"UnsignedHasNoSign", "%5u", 42, "   42"},
                    IntFieldCase{"LeftPlus", "%-+6d", 5, "+5    "},
                    IntFieldCase{"PrecisionPadsDigits", "%5.3d", -7, " -007"},
                    IntFieldCase{"PrecisionOverridesZeroFlag", "%05.3d", 7, "  007"},
                    IntFieldCase{"ZeroOfPrecisionZeroHasNoDigits", "%3.0d", 0, "   "}),
    CaseName());

struct RealFieldCase
{
    const char* name;
    const char* conversion;
    double value;
    bool fits;
};

class CardRealField : public testing::TestWithParam<RealFieldCase>
{};

TEST_P(CardRealField, MatchesPrintfOrIsRefused)
{
    const RealFieldCase& c = GetParam();
    if (!c.fits) {
        EXPECT_THROW(FormatCardReal(c.conversion, c.value, "field"), errCardFieldRefused);
        return;
    }
    char expected[512]; // DBL_MAX has 309 digits
    std::snprintf(expected, sizeof expected, c.conversion, c.value);
    EXPECT_EQ(FormatCardReal(c.conversion, c.value, "field"), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, CardRealField,
    testing::Values(RealFieldCase{"Flow_NegativeZero", "% 22.15f", -0.0, true},
                    RealFieldCase{"Flow_NoProportion", "% 22.15f", -1.0, true},
                    RealFieldCase{"Flow_LargestFitting", "% 22.15f", 99999.5, true},
                    RealFieldCase{"Flow_TooLarge", "% 22.15f", 100000.0, false},
                    RealFieldCase{"Flow_NegativeLargest", "% 22.15f", -99999.25, true},
                    RealFieldCase{"Flow_NegativeTooLarge", "% 22.15f", -100000.0, false},
                    RealFieldCase{"Short_HalfRoundsToEven", "%10.3f", 0.0625, true},
                    RealFieldCase{"Short_BinaryHalfBelow", "%10.3f", 2.0005, true},
                    RealFieldCase{"Short_Largest", "%10.3f", 999999.999, true},
                    RealFieldCase{"Short_RoundsOverTheLimit", "%10.3f", 999999.9996, false},
                    RealFieldCase{"Short_Tiny", "%10.3f", 1e-300, true},
                    RealFieldCase{"Huge", "% 22.15f", 1e300, false},
                    RealFieldCase{"HugeWithoutWidth", "%f", 1e300, true},
                    RealFieldCase{"LargestWithoutWidth", "%.3f", 1.7976931348623157e308, true},
                    RealFieldCase{"NegativeRoundsToZero", "%10.3f", -0.0004, true},
                    RealFieldCase{"Subnormal", "%.20f", 5e-324, true},
                    RealFieldCase{"ExactBinaryDigits", "%.25f", 0.1, true},
                    RealFieldCase{"NoPrecisionIsSix", "%f", 2.0 / 3.0, true},
                    RealFieldCase{"WholeHalfToEven", "%.0f", 2.5, true},
                    RealFieldCase{"PlusSign", "%+10.3f", 1.0, true},
                    RealFieldCase{"LeftJustified", "%-10.3f", -2.5, true},
                    RealFieldCase{"ZeroPadded", "%010.3f", -2.5, true}),
    CaseName());

TEST(CardRealFieldSpecial, NotFiniteIsRefused)
{
    try {
        FormatCardReal("% 22.15f", std::numeric_limits<double>::quiet_NaN(), "route flow");
        FAIL() << "no exception";
    } catch (const errCardFieldRefused& e) {
        EXPECT_STREQ(e.what(), "The route flow nan cannot be written: it is not a finite number");
    }
    EXPECT_THROW(FormatCardReal("%10.3f", -std::numeric_limits<double>::infinity(), "x"),
                 errCardFieldRefused);
}

TEST(CardRealFieldSpecial, DecimalPointWhateverTheLocale)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    bool comma = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name)) {
            comma = true;
            break;
        }
    }
    if (!comma) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    const std::string text = FormatCardReal("% 22.15f", 2.5, "flow");
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(text, "     2.500000000000000");
}

// The message of a value too wide is held by NetworkFileRefusal.LaneLength.
TEST(CardFieldRefusal, NegativeValueOfAnUnsignedField)
{
    try {
        FormatCardInt("%5u", -3, "desired flow");
        FAIL() << "no exception";
    } catch (const errCardFieldRefused& e) {
        EXPECT_STREQ(e.what(),
                     "The desired flow -3 cannot be written: the field holds no negative numbers");
    }
}

TEST(CardFieldRefusal, MalformedConversionIsAProgrammingError)
{
    EXPECT_THROW(FormatCardInt("5i", 1, "x"), std::logic_error);
    EXPECT_THROW(FormatCardInt("%5f", 1, "x"), std::logic_error);
    EXPECT_THROW(FormatCardInt("%5i ", 1, "x"), std::logic_error);
    EXPECT_THROW(FormatCardReal("%5d", 1.0, "x"), std::logic_error);
    EXPECT_THROW(FormatCardText("%.3s", "abc", "x"), std::logic_error);
    EXPECT_THROW(CCardBuilder("NET"), std::logic_error);
}

TEST(CardTextField, PaddedByCharactersAsOnDisk)
{
    EXPECT_EQ(FormatCardText("%5s", "ab", "arm text"), "   ab");
    EXPECT_EQ(FormatCardText("%-5s", "ab", "label text"), "ab   ");
    // One column on disk, two bytes here: still four blanks.
    EXPECT_EQ(FormatCardText("%5s", "\xC3\xA9", "arm text"), "    \xC3\xA9");
    EXPECT_EQ(FormatCardText("%5s", "longer text", "arm text"), "longer text");
    EXPECT_EQ(FormatCardText("%s", "", "text"), "");
    // The message of a line break is held by NetworkFileRefusal.ReportTitleWithLineBreak.
    EXPECT_THROW(FormatCardText("%s", "cr\r", "text"), errCardFieldRefused);
}

TEST(CardBuilderLine, FieldsFollowTheKeyword)
{
    const std::string line = CCardBuilder("RTFLW")
                                 .Field("%5u", 7u, "route number")
                                 .Field("% 22.15f", 12.25, "route flow")
                                 .Field("%5u", true, "lock")
                                 .Field("% 22.15f", -1.0, "proportion")
                                 .Line();
    EXPECT_EQ(line, "RTFLW    7    12.250000000000000    1    -1.000000000000000\n");
    EXPECT_THROW(CCardBuilder("NET  ").Field("%d", ~0ull, "count"), errCardFieldRefused);
    EXPECT_EQ(CCardBuilder("NET  ").Field("%5i", std::size_t{3}, "count").Line(), "NET      3\n");
}
} // namespace
