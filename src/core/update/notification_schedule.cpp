// Parsing and formatting the update check's schedule keys.
#include "update/notification_schedule.h"

#include <ctime>

namespace
{
constexpr int FirstYear = 2000;

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year)
{
    constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Two digits at pos; the caller has checked that they are digits.
int TwoDigits(std::string_view text, std::size_t pos)
{
    return (text[pos] - '0') * 10 + (text[pos + 1] - '0');
}

bool ToLocalTime(std::time_t time, std::tm& local)
{
#ifdef _WIN32
    return ::localtime_s(&local, &time) == 0;
#else
    return ::localtime_r(&time, &local) != nullptr;
#endif
}
} // namespace

int NotificationIntervalDays(NotificationFrequency frequency)
{
    switch (frequency) {
    case NotificationFrequency::Daily:
        return 1;
    case NotificationFrequency::Weekly:
        return 7;
    case NotificationFrequency::Monthly:
        return 30;
    case NotificationFrequency::Never:
    case NotificationFrequency::Startup:
        break;
    }
    return 0;
}

NotificationFrequency ParseNotificationFrequency(std::string_view text)
{
    if (text.size() != 1 || text[0] < '0' || text[0] > '4') {
        return NotificationFrequency::Never;
    }
    return static_cast<NotificationFrequency>(text[0] - '0');
}

std::string FormatNotificationFrequency(NotificationFrequency frequency)
{
    return std::to_string(static_cast<int>(frequency));
}

std::optional<std::int64_t> ParseNotificationTime(std::string_view text)
{
    if (text.size() != 12 || text == UnsetNotificationTime) {
        return std::nullopt;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    std::tm local{};
    local.tm_mday = TwoDigits(text, 0);
    const int month = TwoDigits(text, 2);
    const int year = FirstYear + TwoDigits(text, 4);
    local.tm_hour = TwoDigits(text, 6);
    local.tm_min = TwoDigits(text, 8);
    local.tm_sec = TwoDigits(text, 10);
    if (month < 1 || month > 12 || local.tm_mday < 1 || local.tm_mday > DaysInMonth(month, year) ||
        local.tm_hour > 23 || local.tm_min > 59 || local.tm_sec > 59) {
        return std::nullopt;
    }
    local.tm_mon = month - 1;
    local.tm_year = year - 1900;
    local.tm_isdst = -1; // whichever is in force on that day
    const std::time_t time = std::mktime(&local);
    if (time == static_cast<std::time_t>(-1)) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(time);
}

std::string FormatNotificationTime(std::optional<std::int64_t> time)
{
    std::tm local{};
    if (!time || !ToLocalTime(static_cast<std::time_t>(*time), local)) {
        return std::string(UnsetNotificationTime);
    }
    char text[32];
    const std::size_t length = std::strftime(text, sizeof text, "%d%m%y%H%M%S", &local);
    return std::string(text, length);
}
