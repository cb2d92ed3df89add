// Windows-1252 <-> UTF-8 at the card file boundary.
#include "platform/text_encoding.h"

#include <gtest/gtest.h>
#include <string>

namespace
{
TEST(Windows1252, EveryByteSurvivesTheRoundTripAndMapsToItsCharacter)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    const std::string utf8 = Windows1252ToUtf8(all);
    EXPECT_EQ(Utf8CharCount(utf8), 256u);
    EXPECT_EQ(Utf8ToWindows1252(utf8), all);

    const std::pair<const char*, const char*> cases[] = {
        {"Arm 1", "Arm 1"},
        {"\x80", "\xE2\x82\xAC"}, // euro
        {"\x82", "\xE2\x80\x9A"},
        {"\x96", "\xE2\x80\x93"},
        {"\x99", "\xE2\x84\xA2"},
        {"\x9F", "\xC5\xB8"},
        // Undefined bytes are kept as controls.
        {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
        {"\xA0", "\xC2\xA0"},
        {"\xAC", "\xC2\xAC"}, // the not sign, the card file's line break marker
        {"\xE9", "\xC3\xA9"},
        {"\xFF", "\xC3\xBF"},
    };
    for (const auto& [windows1252, expected] : cases) {
        EXPECT_EQ(Windows1252ToUtf8(windows1252), expected) << windows1252;
        EXPECT_EQ(Utf8ToWindows1252(expected), windows1252) << windows1252;
    }
}

TEST(Windows1252, UnwritableAndBadBytesBecomeOneQuestionMarkEach)
{
    const std::pair<const char*, const char*> cases[] = {
        {"a\xE4\xB8\xAD"
         "b",
         "a?b"},
        {"\xF0\x9F\x98\x80", "?"},
        {"\xC2\x80", "?"}, // a C1 control with no byte of its own
        {"a\x80"
         "b",
         "a?b"},
        {"a\xE2\x82", "a??"},
        {"\xE2\x82"
         "x",
         "??x"},
        {"\xC0\xAF", "??"},
        {"\xE0\x80\xAF", "???"},
        {"\xED\xA0\x80", "???"},
        {"\xF4\x90\x80\x80", "????"},
        {"\xFE\xFF", "??"},
    };
    for (const auto& [utf8, windows1252] : cases) {
        SCOPED_TRACE(windows1252);
        EXPECT_EQ(Utf8ToWindows1252(utf8), windows1252);
        EXPECT_EQ(Utf8CharCount(utf8), std::string(windows1252).size());
        // A metafile text counts bad bytes as the card file does: one character each.
        EXPECT_EQ(Utf8ToCodePoints(utf8).size(), std::string(windows1252).size());
    }
}

TEST(Utf8Prefix, CutsWholeCharacters)
{
    EXPECT_EQ(Utf8Prefix("\xC3\xA9t\xC3\xA9", 2), "\xC3\xA9t");
    EXPECT_EQ(Utf8Prefix("ab", 5), "ab");
    EXPECT_EQ(Utf8Prefix("\xE2\x82", 1), "\xE2");
    EXPECT_EQ(Utf8Prefix("abc", 0), "");
}
} // namespace
