// The shared card shapes: TEXT, POINT, VECT, SCHEM and SVERS.
#include "cardfile/card_builder.h"
#include "cardfile/card_errors.h"
#include "cardfile/card_point.h"
#include "cardfile/card_schema.h"
#include "cardfile/card_text.h"
#include "cardfile/card_vect.h"
#include "case_name.h"

#include <array>
#include <cfloat>
#include <gtest/gtest.h>
#include <limits>
#include <utility>

namespace
{
using TestSupport::PrintTo;
// Line breaks in TEXT cards are held by the network file round trips.
TEST(CardText, EmptyTextAfterKeywordOfTextAndSchema)
{
    EXPECT_EQ(CCardText::FromLine("TEXT ").GetText(), "");
    EXPECT_EQ(CCardText::FromLine("TEXT").GetText(), "");
    EXPECT_EQ(CCardText("").Format(), "TEXT \n");
    EXPECT_EQ(CCardSchema::FromLine("SCHEM").GetText(), "");
}

using Point = std::pair<int, int>;
Point Coords(const CCardPoint& p)
{
    return {p.GetX(), p.GetY()};
}

// The long form as written is held by NetworkFile's CardsCarryTheirFieldsInTheirColumns.
TEST(CardPoint, ShortFormAndWideLongFormAreRead)
{
    EXPECT_EQ(Coords(CCardPoint::FromLine("POINT 1234 -567")), Point(1234, -567));
    // The long form holds values the short form cannot.
    EXPECT_EQ(Coords(CCardPoint::FromLine("POINT LONG-999999999  99999999")),
              Point(-999999999, 99999999));
    EXPECT_EQ(Coords(CCardPoint::FromPlan(10.9, -10.9)), Point(10, -10)) << "toward zero";
}

TEST(CardPoint, CoordinateTooWideIsRefused)
{
    EXPECT_THROW(CCardPoint(-1000000000, 0).Format(), errCardFieldRefused);
    EXPECT_NO_THROW(CCardPoint(2147483647, -999999999).Format());
    try {
        CCardPoint::FromPlan(0.0, 1e12);
        FAIL() << "no exception";
    } catch (const errCardFieldRefused& e) {
        EXPECT_STREQ(e.what(), "The y coordinate 1000000000000 cannot be written: it is not a "
                               "coordinate a card can hold");
    }
    EXPECT_THROW(CCardPoint::FromPlan(DBL_MAX, 0.0), errCardFieldRefused);
    EXPECT_THROW(CCardPoint::FromPlan(std::numeric_limits<double>::quiet_NaN(), 0.0),
                 errCardFieldRefused);
}

TEST(CardVect, LongAndShortFormReadTheSameCoordinates)
{
    const std::string longForm = CCardVect(1, -2, 30000, 4).Format();
    EXPECT_EQ(longForm, "VECT  LONG         1        -2     30000         4\n");
    using Coords = std::array<int, 4>;
    const std::pair<std::string, Coords> cases[] = {
        {longForm.substr(0, longForm.size() - 1), {1, -2, 30000, 4}},
        {"VECT     1   -230000    4", {1, -2, 30000, 4}},
        {"VECT                     ", {0, 0, 0, 0}},
        {"VECT ", {0, 0, 0, 0}},
        {"VECT", {0, 0, 0, 0}},
        // A cut-off long form reads the missing coordinates as zero.
        {"VECT  LONG        11        22        3", {11, 22, 3, 0}}};
    for (const auto& [line, expected] : cases) {
        const CCardVect vect = CCardVect::FromLine(line);
        EXPECT_EQ((Coords{vect.GetX1(), vect.GetY1(), vect.GetX2(), vect.GetY2()}), expected)
            << line;
    }
}

struct SchemaCase
{
    const char* name;
    const char* schema;
    bool later;
};

class CardSchemaVersion : public testing::TestWithParam<SchemaCase>
{};

TEST_P(CardSchemaVersion, ComparedWithOwnVersion)
{
    EXPECT_EQ(CCardSchema(GetParam().schema).IsLaterThan("1.3"), GetParam().later);
}

INSTANTIATE_TEST_SUITE_P(Versions, CardSchemaVersion,
                         testing::Values(SchemaCase{"Same", "1.3", false},
                                         SchemaCase{"OlderMinor", "1.2", false},
                                         SchemaCase{"MinorComparedAsNumber", "1.10", true},
                                         SchemaCase{"LaterMajor", "2.0", true},
                                         SchemaCase{"OlderMajor", "0.9", false},
                                         SchemaCase{"EmptyNotChecked", "", false},
                                         SchemaCase{"NoPointIsAllMinor", "3", false},
                                         SchemaCase{"NoPointLargeMinor", "99", false},
                                         SchemaCase{"TrailingTextIgnored", "1.3b", false}),
                         CaseName());
} // namespace
