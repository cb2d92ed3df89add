// Field cutting and number conversion of card lines.
#include "cardfile/card_line.h"
#include "case_name.h"

#include <climits>
#include <gtest/gtest.h>

namespace
{
using TestSupport::PrintTo;
struct IntCase
{
    const char* name;
    const char* text;
    int expected;
};

class CardIntParse : public testing::TestWithParam<IntCase>
{};

TEST_P(CardIntParse, ReadsLikeTheCardReader)
{
    EXPECT_EQ(ParseCardInt(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CardIntParse,
    testing::Values(IntCase{"Blank", "     ", 0}, IntCase{"Empty", "", 0},
                    IntCase{"RightJustified", "   42", 42}, IntCase{"LeftJustified", "42   ", 42},
                    IntCase{"Negative", "  -17", -17}, IntCase{"Plus", "  +17", 17},
                    IntCase{"SignOnly", "    -", 0}, IntCase{"BadDigitEndsNumber", " 12x4", 12},
                    IntCase{"LetterFirst", "  x12", 0}, IntCase{"BlankInsideEndsNumber", "1 2", 1},
                    IntCase{"PointEndsNumber", "  3.9", 3}, IntCase{"TabSkipped", "\t7", 7},
                    IntCase{"SignThenBlank", "- 5", 0}, IntCase{"LeadingZeros", "00099", 99},
                    IntCase{"IntMax", "2147483647", INT_MAX},
                    IntCase{"IntMin", "-2147483648", INT_MIN},
                    IntCase{"TooLargeClamps", "99999999999999999999", INT_MAX},
                    IntCase{"TooSmallClamps", "-99999999999999999999", INT_MIN}),
    CaseName());

struct RealCase
{
    const char* name;
    const char* text;
    double expected;
};

class CardRealParse : public testing::TestWithParam<RealCase>
{};

TEST_P(CardRealParse, ReadsLikeTheCardReader)
{
    EXPECT_DOUBLE_EQ(ParseCardReal(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CardRealParse,
    testing::Values(
        RealCase{"Blank", "                      ", 0.0},
        RealCase{"AsWritten", "    12.500000000000000", 12.5},
        RealCase{"NegativeProportion", "   -1.000000000000000", -1.0},
        RealCase{"NoFraction", "7", 7.0}, RealCase{"TrailingPoint", "7.", 7.0},
        RealCase{"LeadingPoint", ".25", 0.25}, RealCase{"PointOnly", ".", 0.0},
        RealCase{"Exponent", "1.5e3", 1500.0}, RealCase{"NegativeExponent", "-25E-1", -2.5},
        RealCase{"ExponentWithoutDigits", "2e", 2.0},
        RealCase{"ExponentSignWithoutDigits", "2e+x", 2.0},
        RealCase{"CommaEndsNumber", "3,75", 3.0}, RealCase{"BadDigitEndsNumber", "4.5x9", 4.5},
        RealCase{"NotANumberWord", "nan", 0.0}, RealCase{"InfinityWord", "inf", 0.0},
        RealCase{"HexIsNotRead", "0x10", 0.0}, RealCase{"OverflowReadsZero", "1e999", 0.0},
        RealCase{"UnderflowReadsZero", "1e-999", 0.0}),
    CaseName());

// A field past the end reads zero, one cut off by the end reads what is there, and a field's
// width stops it running into the next.
TEST(CardLineFields, FieldsAreCutByWidthAndByTheEndOfTheLine)
{
    const CCardLine line("LANE     3");
    EXPECT_EQ(line.Int(5, 5), 3);
    EXPECT_EQ(line.Int(10, 5), 0);
    EXPECT_EQ(line.Int(40, 10), 0);
    EXPECT_EQ(line.Field(40, 10), "");
    EXPECT_DOUBLE_EQ(line.Real(12, 22), 0.0);
    EXPECT_EQ(CCardLine("ZONE     1   12").Field(10, 10), "   12");
    EXPECT_EQ(CCardLine("ZONE     1   12").Int(10, 10), 12);
    const CCardLine net("NET  1234567890");
    EXPECT_EQ(net.Int(5, 5), 12345);
    EXPECT_EQ(net.Int(10, 5), 67890);
}

TEST(CardLineFields, ColumnsCountCharactersNotUtf8Bytes)
{
    // "é" is one column in the file but two bytes here.
    const CCardLine line("LABEL\xC3\xA9   42text");
    EXPECT_EQ(line.Length(), 15u);
    EXPECT_EQ(line.Int(6, 5), 42);
    EXPECT_EQ(line.Rest(11), "text");
    EXPECT_EQ(line.Field(5, 1), "\xC3\xA9");
}

TEST(CardLineKeyword, FiveCharactersCaseSensitivelyAndTheLongMarker)
{
    EXPECT_TRUE(CCardLine("TEXT hello").HasKeyword("TEXT "));
    EXPECT_FALSE(CCardLine("text hello").HasKeyword("TEXT "));
    EXPECT_FALSE(CCardLine("TEXTS").HasKeyword("TEXT "));
    EXPECT_FALSE(CCardLine("").HasKeyword("TEXT "));
    // An editor that trims trailing blanks leaves "TEXT" of an empty TEXT card.
    EXPECT_EQ(CCardLine("TEXT").Keyword(), "TEXT ");
    EXPECT_EQ(CCardLine("").Keyword(), "     ");
    // The long form's marker is a blank and four capitals.
    EXPECT_TRUE(CCardLine("POINT LONG       100").IsLongForm());
    EXPECT_FALSE(CCardLine("POINTLONG        100").IsLongForm());
    EXPECT_FALSE(CCardLine("POINT long       100").IsLongForm());
    EXPECT_FALSE(CCardLine("POINT LON").IsLongForm());
}
} // namespace
