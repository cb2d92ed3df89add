// Zone letters stay printable text for every zone number.
#include "model/zone_letter.h"

#include <gtest/gtest.h>

namespace
{

TEST(ZoneLetterTest, LettersThenPrintableCharactersThenNumbers)
{
    EXPECT_EQ(ZoneLetter(1), "A");
    EXPECT_EQ(ZoneLetter(26), "Z");
    EXPECT_EQ(ZoneLetter(27), "[");
    EXPECT_EQ(ZoneLetter(62), "~");
    EXPECT_EQ(ZoneLetter(63), "#63"); // 127 would be a control character
    EXPECT_EQ(ZoneLetter(99), "#99");
    EXPECT_EQ(ZoneLetter(0), "#0");
}

} // namespace
