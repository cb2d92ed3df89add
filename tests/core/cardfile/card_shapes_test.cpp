// The shared card shapes: TEXT, POINT, VECT, SCHEM and SVERS.
#include "cardfile/card_builder.h"
#include "cardfile/card_errors.h"
#include "cardfile/card_point.h"
#include "cardfile/card_schema.h"
#include "cardfile/card_text.h"
#include "cardfile/card_vect.h"
#include "case_name.h"

#include <cfloat>
#include <gtest/gtest.h>
#include <limits>

namespace
{
template <typename Read> std::string ExpectedCardMessage(Read read)
{
    try {
        read();
    } catch (const errExpectedCardNotFound& e) {
        return e.what();
    }
    return "<no exception>";
}

TEST(CardText, EmptyTextAfterKeyword)
{
    EXPECT_EQ(CCardText::FromLine("TEXT ").GetText(), "");
    EXPECT_EQ(CCardText::FromLine("TEXT").GetText(), "");
    EXPECT_EQ(CCardText("").Format(), "TEXT \n");
}

TEST(CardText, LineBreakBecomesMarkerAndComesBack)
{
    const std::string line = CCardText("a\r\nb").Format();
    EXPECT_EQ(line, "TEXT a\xC2\xAC"
                    "b\n");
    EXPECT_EQ(CCardText::FromLine(line.substr(0, line.size() - 1)).GetText(), "a\r\nb");
}

TEST(CardPoint, LongAndShortFormReadTheSamePoint)
{
    const CCardPoint written(1234, -567);
    const std::string longForm = written.Format();
    EXPECT_EQ(longForm, "POINT LONG      1234      -567\n");
    const CCardPoint fromLong = CCardPoint::FromLine(longForm.substr(0, longForm.size() - 1));
    const CCardPoint fromShort = CCardPoint::FromLine("POINT 1234 -567");
    EXPECT_EQ(fromLong.GetX(), 1234);
    EXPECT_EQ(fromLong.GetY(), -567);
    EXPECT_EQ(fromShort.GetX(), 1234);
    EXPECT_EQ(fromShort.GetY(), -567);
}

TEST(CardPoint, LongFormHoldsValuesTheShortFormCannot)
{
    const CCardPoint point = CCardPoint::FromLine("POINT LONG-999999999  99999999");
    EXPECT_EQ(point.GetX(), -999999999);
    EXPECT_EQ(point.GetY(), 99999999);
}

TEST(CardPoint, PlanCoordinatesTruncateTowardZero)
{
    const CCardPoint point = CCardPoint::FromPlan(10.9, -10.9);
    EXPECT_EQ(point.GetX(), 10);
    EXPECT_EQ(point.GetY(), -10);
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
    for (const std::string& line :
         {longForm.substr(0, longForm.size() - 1), std::string("VECT     1   -230000    4")}) {
        const CCardVect vect = CCardVect::FromLine(line);
        EXPECT_EQ(vect.GetX1(), 1) << line;
        EXPECT_EQ(vect.GetY1(), -2) << line;
        EXPECT_EQ(vect.GetX2(), 30000) << line;
        EXPECT_EQ(vect.GetY2(), 4) << line;
    }
}

TEST(CardVect, BlankShortFormReadsFourZeros)
{
    for (const char* line : {"VECT                     ", "VECT ", "VECT"}) {
        const CCardVect vect = CCardVect::FromLine(line);
        EXPECT_EQ(vect.GetX1(), 0) << line;
        EXPECT_EQ(vect.GetY1(), 0) << line;
        EXPECT_EQ(vect.GetX2(), 0) << line;
        EXPECT_EQ(vect.GetY2(), 0) << line;
    }
}

TEST(CardVect, CutOffLongFormReadsMissingCoordinatesAsZero)
{
    const CCardVect vect = CCardVect::FromLine("VECT  LONG        11        22        3");
    EXPECT_EQ(vect.GetX1(), 11);
    EXPECT_EQ(vect.GetY1(), 22);
    EXPECT_EQ(vect.GetX2(), 3);
    EXPECT_EQ(vect.GetY2(), 0);
}

TEST(CardSchema, TextRunsToTheEndOfTheLine)
{
    EXPECT_EQ(CCardSchema("1.3").Format(), "SCHEM1.3\n");
    EXPECT_EQ(CCardVersion("1.3.0.12 beta").Format(), "SVERS1.3.0.12 beta\n");
    EXPECT_EQ(CCardSchema::FromLine("SCHEM1.3").GetText(), "1.3");
    EXPECT_EQ(CCardVersion::FromLine("SVERS1.3.0.12 beta").GetText(), "1.3.0.12 beta");
    EXPECT_EQ(CCardSchema::FromLine("SCHEM").GetText(), "");
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

TEST(CardSchema, LaterSchemaNamesTheWritingVersion)
{
    EXPECT_NO_THROW(CCardSchema("1.3").CheckReadableBy("1.3", "1.3.0"));
    try {
        CCardSchema("2.0").CheckReadableBy("1.3", "2.0.1");
        FAIL() << "no exception";
    } catch (const errIncompatibleSchema& e) {
        EXPECT_STREQ(e.what(), "The file was created on version 2.0.1 of Gyrolith");
    }
}
} // namespace
