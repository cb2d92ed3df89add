// Pen dash rules and bearing-font escapements.
#include "platform/font.h"
#include "platform/pen.h"

#include <gtest/gtest.h>

namespace
{
// Pens wider than one are geometric, and their broken styles become user styles with the
// dashes spelled out; the plain fallback keeps the style at width one.
TEST(PenExt, StyleWidthAndDashes)
{
    using S = EPenStyle;
    const struct
    {
        EPenStyle style;
        int width;
        EPenStyle recorded;
        bool geometric;
        std::vector<std::uint32_t> dashes;
    } cases[] = {
        {S::Solid, 0, S::Solid, false, {}},
        {S::Dot, 1, S::Dot, false, {}},
        {S::Solid, 2, S::Solid, true, {}},
        {S::Dash, 2, S::UserStyle, true, {40, 10}},
        {S::Dot, 5, S::UserStyle, true, {10, 10}},
        {S::DashDot, 3, S::UserStyle, true, {40, 10, 10, 10}},
        {S::DashDotDot, 3, S::UserStyle, true, {40, 10, 10, 10, 10, 10}},
        {S::Null, 4, S::Null, false, {}}, // a wide null pen stays null
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.style) << " width " << c.width);
        const CPenExt pen(c.style, c.width, 0x123456);
        EXPECT_EQ(pen.GetStyle(), c.recorded);
        EXPECT_EQ(pen.IsGeometric(), c.geometric);
        EXPECT_EQ(pen.GetDashes(), c.dashes);
    }

    const CPenExt plain = CPenExt(S::DashDot, 6, 0xFF).PlainFallback();
    EXPECT_EQ(plain.GetWidth(), 1);
    EXPECT_EQ(plain.GetStyle(), S::DashDot);
    EXPECT_FALSE(plain.IsGeometric());
    EXPECT_EQ(plain.GetColor(), 0xFFu);
}

TEST(BearingFont, EscapementOfTheBearingKeptUprightOrNot)
{
    const struct
    {
        double bearing;
        bool keepUpright;
        int escapement;
    } cases[] = {
        {90.0, true, 0},      {0.0, true, 900},    {179.5, true, -895},
        {180.0, true, 900}, // exactly 180 upright uses base 270
        {180.0, false, -900}, {-10.0, true, 2800}, {45.25, false, 447}, // truncated toward zero
        {300.0, true, -300},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CBearingFont(c.bearing, 35, c.keepUpright).GetEscapement(), c.escapement)
            << c.bearing << (c.keepUpright ? " upright" : "");
    }
}
} // namespace
