// Windows-1252 <-> UTF-8 at the card file boundary.
#include "platform/text_encoding.h"
#include "case_name.h"

#include <gtest/gtest.h>
#include <string>

namespace
{
using TestSupport::PrintTo;
TEST(Windows1252, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    const std::string utf8 = Windows1252ToUtf8(all);
    EXPECT_EQ(Utf8CharCount(utf8), 256u);
    EXPECT_EQ(Utf8ToWindows1252(utf8), all);
}

struct CharCase
{
    const char* name;
    const char* windows1252;
    const char* utf8;
};

class Windows1252Char : public testing::TestWithParam<CharCase>
{};

TEST_P(Windows1252Char, MapsBothWays)
{
    EXPECT_EQ(Windows1252ToUtf8(GetParam().windows1252), GetParam().utf8);
    EXPECT_EQ(Utf8ToWindows1252(GetParam().utf8), GetParam().windows1252);
}

INSTANTIATE_TEST_SUITE_P(Table, Windows1252Char,
                         testing::Values(CharCase{"Ascii", "Arm 1", "Arm 1"},
                                         CharCase{"Euro", "\x80", "\xE2\x82\xAC"},
                                         CharCase{"LowQuote", "\x82", "\xE2\x80\x9A"},
                                         CharCase{"EnDash", "\x96", "\xE2\x80\x93"},
                                         CharCase{"TradeMark", "\x99", "\xE2\x84\xA2"},
                                         CharCase{"YDiaeresis", "\x9F", "\xC5\xB8"},
                                         CharCase{"UndefinedByteKeptAsControl",
                                                  "\x81\x8D\x8F\x90\x9D",
                                                  "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
                                         CharCase{"NoBreakSpace", "\xA0", "\xC2\xA0"},
                                         CharCase{"NotSignLineBreakMarker", "\xAC", "\xC2\xAC"},
                                         CharCase{"EAcute", "\xE9", "\xC3\xA9"},
                                         CharCase{"YAcuteLast", "\xFF", "\xC3\xBF"}),
                         CaseName());

struct UnwritableCase
{
    const char* name;
    const char* utf8;
    const char* windows1252;
};

class Windows1252Unwritable : public testing::TestWithParam<UnwritableCase>
{};

TEST_P(Windows1252Unwritable, BecomesQuestionMarks)
{
    EXPECT_EQ(Utf8ToWindows1252(GetParam().utf8), GetParam().windows1252);
    EXPECT_EQ(Utf8CharCount(GetParam().utf8), std::string(GetParam().windows1252).size());
    // A metafile text counts bad bytes as the card file does: one character each.
    EXPECT_EQ(Utf8ToCodePoints(GetParam().utf8).size(), std::string(GetParam().windows1252).size());
}

INSTANTIATE_TEST_SUITE_P(
    Table, Windows1252Unwritable,
    testing::Values(UnwritableCase{"Cjk",
                                   "a\xE4\xB8\xAD"
                                   "b",
                                   "a?b"},
                    UnwritableCase{"Emoji", "\xF0\x9F\x98\x80", "?"},
                    UnwritableCase{"C1ControlWithoutByte", "\xC2\x80", "?"},
                    UnwritableCase{"StrayContinuation",
                                   "a\x80"
                                   "b",
                                   "a?b"},
                    UnwritableCase{"CutOffAtEnd", "a\xE2\x82", "a??"},
                    UnwritableCase{"CutOffBeforeAscii",
                                   "\xE2\x82"
                                   "x",
                                   "??x"},
                    UnwritableCase{"Overlong", "\xC0\xAF", "??"},
                    UnwritableCase{"OverlongThreeBytes", "\xE0\x80\xAF", "???"},
                    UnwritableCase{"Surrogate", "\xED\xA0\x80", "???"},
                    UnwritableCase{"BeyondUnicode", "\xF4\x90\x80\x80", "????"},
                    UnwritableCase{"InvalidLead", "\xFE\xFF", "??"}),
    CaseName());

TEST(Utf8Prefix, CutsWholeCharacters)
{
    EXPECT_EQ(Utf8Prefix("\xC3\xA9t\xC3\xA9", 2), "\xC3\xA9t");
    EXPECT_EQ(Utf8Prefix("ab", 5), "ab");
    EXPECT_EQ(Utf8Prefix("\xE2\x82", 1), "\xE2");
    EXPECT_EQ(Utf8Prefix("abc", 0), "");
}
} // namespace
