// Line and file checksums of written cards.
#include "cardfile/card_checksum.h"

#include <gtest/gtest.h>
#include <string>

namespace
{
// Blanks and line ends are left out, high bytes count negative, and the sum keeps its sign
// modulo 32768.
TEST(CardLineChecksum, SumsTheBytesThatAreNotBlank)
{
    EXPECT_EQ(CardLineChecksum("a b c\n"), 97 + 98 + 99);
    EXPECT_EQ(CardLineChecksum("a\tb\r\nc"), 294);
    EXPECT_EQ(CardLineChecksum(" \t\r\n"), 0);
    EXPECT_EQ(CardLineChecksum(std::string(400, 'z')), 16032); // 48800 - 32768
    EXPECT_EQ(CardLineChecksum(std::string(268, 'z') + "\n"), 32696);
    EXPECT_EQ(CardLineChecksum(std::string(1000, 'z')), 122000 % 32768);
    EXPECT_EQ(CardLineChecksum("\xE9"), -23);
    EXPECT_EQ(CardLineChecksum("\x80\xFF"), -128 - 1);
    EXPECT_EQ(CardLineChecksum(std::string(300, '\x80')), -(300 * 128 % 32768));
}

TEST(CardFileChecksum, TotalKeepsSignAndStoredValueIsUnsigned)
{
    CCardFileChecksum checksum;
    checksum.AddLine("a b c\n");
    checksum.Add(32700);
    EXPECT_EQ(checksum.Total(), (294 + 32700) % 32768);
    EXPECT_EQ(checksum.StoredValue(), 226u);

    CCardFileChecksum negative;
    negative.AddLine(std::string(10, '\xE9'));
    EXPECT_EQ(negative.Total(), -230);
    EXPECT_EQ(negative.StoredValue(), 32768u - 230u);

    CCardFileChecksum many;
    for (int i = 0; i < 100000; ++i) {
        many.Add(32767);
    }
    EXPECT_EQ(many.Total(), static_cast<int>(100000LL * 32767 % 32768));
}
} // namespace
