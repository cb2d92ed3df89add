// The update file reader: every path through the cards, and which entries apply.
#include "cardfile/card_errors.h"
#include "cardfile/product_code.h"
#include "case_name.h"
#include "update/update_file.h"

#include <cstdio>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace
{
using TestSupport::PrintTo;

const CRunningProgram Program{ProductCode, {1, 3, 0, 0}, true, false};

std::string Apply(int code, CProgramVersion lowest, CProgramVersion highest, int a = -1, int b = -1)
{
    char line[128];
    std::snprintf(line, sizeof line, "APPLY%5d%5d%5d%5d%5d%5d%5d%5d%5d%5d%5d\n", code, lowest[0],
                  lowest[1], lowest[2], lowest[3], highest[0], highest[1], highest[2], highest[3],
                  a, b);
    return line;
}

const std::string Matching = Apply(ProductCode, {1, 0, 0, 0}, {1, 9, 0, 0});
const std::string OtherProduct = Apply(ProductCode + 1, {1, 0, 0, 0}, {1, 9, 0, 0});
const std::string Head = "UPSCM    1\nAPPLH    2\n";
const std::string Tail = "UPDID      4711\nLATVR    1    4    0    2\nMSGHD    2Version 1.4\n"
                         "TEXT Line one\nTEXT Line two\n";

struct ReadCase
{
    std::string name;
    std::string file;
    std::string expected; // "<none>", "<eFileError>", a heading, or an error message
};

class UpdateFileReadTest : public testing::TestWithParam<ReadCase>
{};

TEST_P(UpdateFileReadTest, ReadsTheAnnouncementOrSaysWhyNot)
{
    const ReadCase& c = GetParam();
    std::string outcome;
    try {
        const auto announcement = ReadUpdateFile(c.file, Program);
        outcome = announcement ? announcement->heading : "<none>";
    } catch (const errExpectedCardNotFound& error) {
        outcome = error.what();
    } catch (eFileError error) {
        outcome = error == eFileError::Corrupt ? "<eFileError>" : "<other eFileError>";
    }
    EXPECT_EQ(outcome, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UpdateFileReadTest,
    testing::Values(
        ReadCase{"Found", Head + Matching + Tail, "Version 1.4"},
        ReadCase{"LaterSchemaThenOurs", "UPSCM    2\n" + Head + Matching + Tail, "Version 1.4"},
        ReadCase{"MatchBeforeOtherEntries", Head + Matching + OtherProduct + OtherProduct + Tail,
                 "Version 1.4"},
        ReadCase{"MatchAfterOtherEntries", Head + OtherProduct + Matching + Tail, "Version 1.4"},
        ReadCase{"EmptyFile", "", "<none>"},
        ReadCase{"OnlyLaterSchemas", "UPSCM    2\nUPSCM    3\n", "<none>"},
        ReadCase{"NoEntryApplies", Head + OtherProduct + OtherProduct, "<none>"},
        ReadCase{"NotAnUpdateFile", "NET  \n", "Cannot find UPSCM Card"},
        ReadCase{"EndAfterSchema", "UPSCM    1\n", "<eFileError>"},
        ReadCase{"NoListHeader", "UPSCM    1\n" + Matching, "Cannot find APPLH Card"},
        ReadCase{"NoEntry", Head + Tail, "Cannot find APPLY Card"},
        ReadCase{"EndAfterMatch", Head + Matching + OtherProduct, "<eFileError>"},
        ReadCase{"NoUpdateId", Head + Matching + "LATVR    1\n", "Cannot find UPDID Card"},
        ReadCase{"NoLatestVersion", Head + Matching + "UPDID    1\nMSGHD    0\n",
                 "Cannot find LATVR Card"},
        ReadCase{"NoHeader", Head + Matching + "UPDID    1\nLATVR    1\nTEXT x\n",
                 "Cannot find MSGHD Card"},
        ReadCase{"TooFewTextCards",
                 Head + Matching + "UPDID    1\nLATVR    1\nMSGHD    3Hi\nTEXT a\n",
                 "<eFileError>"},
        ReadCase{"NotATextCard",
                 Head + Matching + "UPDID    1\nLATVR    1\nMSGHD    2Hi\nTEXT a\nLATVR\n",
                 "Cannot find TEXT Card"}),
    CaseName());

TEST(UpdateFileTest, FieldsTextAndEncoding)
{
    // CR LF line ends, Windows-1252 letters, and 0xAC as a line break inside a TEXT card.
    const std::string file = "UPSCM    1\r\nAPPLH    1\r\n" + Matching +
                             "UPDID1234567890\r\nLATVR    2   10    0    7\r\n"
                             "MSGHD    2Caf\xE9 <b>news</b>\r\nTEXT first\xACsecond\r\nTEXT \r\n"
                             "TEXT not read\r\n";
    const auto announcement = ReadUpdateFile(file, Program);
    ASSERT_TRUE(announcement);
    EXPECT_EQ(announcement->updateId, 1234567890);
    EXPECT_EQ(announcement->latestVersion, (CProgramVersion{2, 10, 0, 7}));
    EXPECT_EQ(announcement->heading, "Caf\xC3\xA9 <b>news</b>");
    EXPECT_EQ(announcement->text, "first\r\nsecond\r\n");
}

struct ApplyCase
{
    std::string name;
    std::string apply;
    bool applies;
};

class UpdateEntryTest : public testing::TestWithParam<ApplyCase>
{};

// Program is 1.3.0.0, a release build, not on Windows.
TEST_P(UpdateEntryTest, AppliesToTheRunningProgram)
{
    // Past a list with no entry that applies, the reader meets UPDID where it seeks APPLY.
    const std::string file = Head + GetParam().apply + Tail;
    if (GetParam().applies) {
        EXPECT_TRUE(ReadUpdateFile(file, Program).has_value());
    } else {
        EXPECT_THAT([&] { static_cast<void>(ReadUpdateFile(file, Program)); },
                    testing::ThrowsMessage<errExpectedCardNotFound>(
                        testing::StrEq("Cannot find APPLY Card")));
    }
}

const int Code = ProductCode;
INSTANTIATE_TEST_SUITE_P(
    Cases, UpdateEntryTest,
    testing::Values(
        ApplyCase{"HighestIsTheRunningVersion", Apply(Code, {1, 0, 0, 0}, {1, 3, 0, 0}), true},
        ApplyCase{"LowestOnePartAbove", Apply(Code, {1, 3, 0, 1}, {9, 0, 0, 0}), false},
        ApplyCase{"HighestOnePartBelow", Apply(Code, {1, 0, 0, 0}, {1, 2, 9, 9}), false},
        ApplyCase{"ComparedFromTheFirstPart", Apply(Code, {1, 2, 5, 5}, {2, 0, 0, 0}), true},
        ApplyCase{"OtherProduct", Apply(Code + 1, {0, 0, 0, 0}, {9, 9, 9, 9}), false},
        ApplyCase{"ReleaseBuildWanted", Apply(Code, {1, 0, 0, 0}, {2, 0, 0, 0}, 1, -1), true},
        ApplyCase{"DebugBuildWanted", Apply(Code, {1, 0, 0, 0}, {2, 0, 0, 0}, 0, -1), false},
        ApplyCase{"WindowsWanted", Apply(Code, {1, 0, 0, 0}, {2, 0, 0, 0}, -1, 1), false},
        ApplyCase{"ConditionNeitherFlagNorIgnored", Apply(Code, {1, 0, 0, 0}, {2, 0, 0, 0}, 2, -1),
                  false}),
    CaseName());

} // namespace
