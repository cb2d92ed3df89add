// Pen dash rules and bearing-font escapements.
#include "case_name.h"
#include "platform/font.h"
#include "platform/pen.h"

#include <gtest/gtest.h>

namespace
{
using TestSupport::PrintTo;
struct CPenCase
{
    const char* name;
    EPenStyle style;
    int width;
    EPenStyle recorded;
    bool geometric;
    std::vector<std::uint32_t> dashes;
};

class PenRules : public testing::TestWithParam<CPenCase>
{};

TEST_P(PenRules, StyleWidthAndDashes)
{
    const CPenCase& c = GetParam();
    const CPenExt pen(c.style, c.width, 0x123456);
    EXPECT_EQ(pen.GetStyle(), c.recorded);
    EXPECT_EQ(pen.IsGeometric(), c.geometric);
    EXPECT_EQ(pen.GetDashes(), c.dashes);
}

INSTANTIATE_TEST_SUITE_P(
    Pens, PenRules,
    testing::Values(
        CPenCase{"PlainSolidWidth0", EPenStyle::Solid, 0, EPenStyle::Solid, false, {}},
        CPenCase{"PlainDotWidth1", EPenStyle::Dot, 1, EPenStyle::Dot, false, {}},
        CPenCase{"GeometricSolid", EPenStyle::Solid, 2, EPenStyle::Solid, true, {}},
        CPenCase{"GeometricDash", EPenStyle::Dash, 2, EPenStyle::UserStyle, true, {40, 10}},
        CPenCase{"GeometricDot", EPenStyle::Dot, 5, EPenStyle::UserStyle, true, {10, 10}},
        CPenCase{"DashDot", EPenStyle::DashDot, 3, EPenStyle::UserStyle, true, {40, 10, 10, 10}},
        CPenCase{"DashDotDot",
                 EPenStyle::DashDotDot,
                 3,
                 EPenStyle::UserStyle,
                 true,
                 {40, 10, 10, 10, 10, 10}},
        CPenCase{"WideNullStaysNull", EPenStyle::Null, 4, EPenStyle::Null, false, {}}),
    CaseName());

TEST(PenExt, PlainFallbackKeepsStyleAndColourAtWidthOne)
{
    const CPenExt wide(EPenStyle::DashDot, 6, 0xFF);
    const CPenExt plain = wide.PlainFallback();
    EXPECT_EQ(plain.GetWidth(), 1);
    EXPECT_EQ(plain.GetStyle(), EPenStyle::DashDot);
    EXPECT_FALSE(plain.IsGeometric());
    EXPECT_EQ(plain.GetColor(), 0xFFu);
}

struct CFontCase
{
    const char* name;
    double bearing;
    bool keepUpright;
    int escapement;
};

class BearingFontEscapement : public testing::TestWithParam<CFontCase>
{};

TEST_P(BearingFontEscapement, Rule)
{
    const CFontCase& c = GetParam();
    const CBearingFont font(c.bearing, 35, c.keepUpright);
    EXPECT_EQ(font.GetEscapement(), c.escapement);
}

INSTANTIATE_TEST_SUITE_P(Fonts, BearingFontEscapement,
                         testing::Values(CFontCase{"Horizontal", 90.0, true, 0},
                                         CFontCase{"Zero", 0.0, true, 900},
                                         CFontCase{"JustBelow180", 179.5, true, -895},
                                         CFontCase{"Exactly180UsesBase270", 180.0, true, 900},
                                         CFontCase{"Exactly180NotUpright", 180.0, false, -900},
                                         CFontCase{"NegativeBearingUpright", -10.0, true, 2800},
                                         CFontCase{"TruncatesTowardZero", 45.25, false, 447},
                                         CFontCase{"Bearing300Upright", 300.0, true, -300}),
                         CaseName());
} // namespace
