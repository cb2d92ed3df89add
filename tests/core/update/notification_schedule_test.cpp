// The stored forms of the next check time and the frequency.
#include "case_name.h"
#include "update/notification_schedule.h"

#include <gtest/gtest.h>

namespace
{
using TestSupport::PrintTo;

struct TimeCase
{
    std::string name;
    std::string stored;
    bool set;
};

class NotificationTimeTest : public testing::TestWithParam<TimeCase>
{};

TEST_P(NotificationTimeTest, SetTimesReadBackAsStored)
{
    const auto time = ParseNotificationTime(GetParam().stored);
    ASSERT_EQ(time.has_value(), GetParam().set);
    EXPECT_EQ(FormatNotificationTime(time), GetParam().set ? GetParam().stored : "010100000000");
}

INSTANTIATE_TEST_SUITE_P(Cases, NotificationTimeTest,
                         testing::Values(TimeCase{"Noon", "150624120000", true},
                                         TimeCase{"LeapDay", "290224083000", true},
                                         TimeCase{"NoLeapDay", "290223083000", false},
                                         TimeCase{"FourCharacters", "0101", false},
                                         TimeCase{"DayThirtyTwo", "320199000000", false},
                                         TimeCase{"Hour24", "010199240000", false},
                                         TimeCase{"NotADigit", "01019900000x", false},
                                         TimeCase{"ThirteenDigits", "0101990000000", false},
                                         TimeCase{"TheUnsetForm", "010100000000", false}),
                         CaseName());

TEST(NotificationTimeTest, ConsecutiveSecondsAndYearsFrom2000)
{
    const auto time = ParseNotificationTime("010624120000");
    ASSERT_TRUE(time);
    EXPECT_EQ(FormatNotificationTime(*time + 1), "010624120001");
    EXPECT_EQ(FormatNotificationTime(*time + 30 * 86400), "010724120000");
    // "99" is 2099, not 1999.
    EXPECT_LT(*ParseNotificationTime("010100000001"), *ParseNotificationTime("010124000000"));
    EXPECT_LT(*ParseNotificationTime("010124000000"), *ParseNotificationTime("010199000000"));
}

TEST(NotificationFrequencyTest, OnlyTheFiveDigitsAreFrequencies)
{
    for (int value = 0; value <= 4; ++value) {
        const std::string text = std::to_string(value);
        EXPECT_EQ(static_cast<int>(ParseNotificationFrequency(text)), value);
        EXPECT_EQ(FormatNotificationFrequency(ParseNotificationFrequency(text)), text);
    }
    for (const char* text : {"", "5", "-1", "03", "3 ", " 3", "x", "4a"})
        EXPECT_EQ(ParseNotificationFrequency(text), NotificationFrequency::Never) << text;
}

} // namespace
