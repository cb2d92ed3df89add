// The update check: at start-up on the user's schedule, and on demand from the menu.
#pragma once

#include "settings/program_settings.h"
#include "document/prompt.h"
#include "update/notification_schedule.h"
#include "update/running_program.h"
#include "update/update_downloader.h"
#include "update/update_file.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// Shows a found announcement: the "Announcement" dialog in the desktop program.
class CAnnouncementDisplay
{
public:
    virtual ~CAnnouncementDisplay() = default;
    virtual void ShowAnnouncement(const CUpdateAnnouncement& announcement) = 0;
};

// Used when the stored URL is empty. A plain-HTTP default would let anyone on the way forge
// the announcement, so it is https; a URL the user sets to http still works.
inline constexpr const char* DefaultUpdateNotificationURL =
    "https://www.pellmoorsystems.com/updates/gyrolith.txt";

// What choosing a frequency on the settings page does: the new frequency is due its interval
// from now (seconds since 1970); choosing the one already set changes nothing.
void ChangeNotificationFrequency(ProgramSettings& settings, NotificationFrequency frequency,
                                 std::int64_t now);

enum class UpdateCheckResult
{
    Announced,    // an applicable announcement was shown
    NoUpdate,     // nothing applies (said so only when the check was asked for)
    NotConnected, // the connect message was shown
    Failed,       // the error message was shown
};

// Downloads the update file and shows what applies to the running program; decides when the
// start-up check is due. Its three settings stay in ProgramSettings as the stored texts
// (UpdateNotificationURL, NextNotificationTime, NotificationFrequency), read on every use and
// written back at every change, so saving the program settings saves them. The clock gives
// seconds since 1970; the prompt asks the start-up question and shows the messages.
class CHTTPUpdateNotificationChecker
{
public:
    using Clock = std::function<std::int64_t()>;
    static std::int64_t SystemSeconds();

    CHTTPUpdateNotificationChecker(ProgramSettings& settings, CUpdateDownloader& downloader,
                                   CPrompt& prompt, CAnnouncementDisplay& display,
                                   Clock clock = SystemSeconds,
                                   CRunningProgram program = CRunningProgram::This());

    // The stored URL, or the default when it is empty.
    std::string GetUpdateURL() const;
    std::optional<std::int64_t> GetNextNotificationTime() const;
    NotificationFrequency GetNotificationFrequency() const;

    // As the free function, on this checker's clock.
    void ChangeNotificationFrequency(NotificationFrequency frequency);

    // The last step of start-up. With no next time yet it asks whether to check automatically
    // (Yes: Monthly, No: Never) and makes now the next time. Unless the frequency is Never or
    // the next time is still to come, it checks (not interactive) and moves the next time on
    // by the frequency's interval, also when the check failed.
    void CheckAtStartup();

    // One check, scheduled or from "Check For Program Updates...". An announcement that applies
    // is shown; a URL that is not http or https, or no connection, shows the connect message;
    // a failed download or an unreadable file shows the error message; when interactive, no
    // update says so.
    UpdateCheckResult Check(bool interactive);

private:
    UpdateCheckResult Fail();
    void SetNextNotificationTime(std::optional<std::int64_t> time);

    ProgramSettings& m_settings;
    CUpdateDownloader& m_downloader;
    CPrompt& m_prompt;
    CAnnouncementDisplay& m_display;
    Clock m_clock;
    CRunningProgram m_program;
};
