// The stored forms of the update check's schedule: when the next check is due and how often.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// How often the start-up check looks for updates; the values are the settings page's indexes.
enum class NotificationFrequency : int
{
    Never = 0, // manual checks only
    Startup = 1,
    Daily = 2,
    Weekly = 3,
    Monthly = 4,
};

// Days from one check to the next: 0 for Never and Startup, then 1, 7 and 30.
int NotificationIntervalDays(NotificationFrequency frequency);

// "0" to "4" exactly; anything else, a hand-edited or damaged value included, is Never.
NotificationFrequency ParseNotificationFrequency(std::string_view text);
std::string FormatNotificationFrequency(NotificationFrequency frequency);

// The form an unset time is stored in.
inline constexpr std::string_view UnsetNotificationTime = "010100000000";

// Times are seconds since 1970, stored as twelve digits "%d%m%y%H%M%S" in local time with the
// year counted from 2000. Anything that is not twelve digits of a real date and time (day
// within its month, hour 0-23, minute and second 0-59) is unset, and so is the unset form
// itself, so that an unset time stays unset through a save and a load.
std::optional<std::int64_t> ParseNotificationTime(std::string_view text);
std::string FormatNotificationTime(std::optional<std::int64_t> time);
