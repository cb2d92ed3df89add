// Scheduling the update check and turning its outcome into what the user sees.
#include "update/update_notification_checker.h"

#include "cardfile/card_errors.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <exception>

namespace
{
constexpr std::int64_t SecondsPerDay = 24 * 60 * 60;

const char* const AskToCheckAutomatically = "Automatically Check For Program Updates ?";
const char* const CannotConnectMessage =
    "An attempt was made to check for program updates, but it was unable to connect to the "
    "Pellmoor Systems server.";
const char* const CheckFailedMessage =
    "An attempt was made to check for program updates from the Pellmoor Systems website, but "
    "this failed.  Error Code 02.";
const char* const NoUpdatesMessage = "There are no program updates available.";

bool HasScheme(const std::string& url, std::string_view scheme)
{
    return url.size() >= scheme.size() &&
           std::equal(scheme.begin(), scheme.end(), url.begin(), [](char wanted, char c) {
               return wanted == std::tolower(static_cast<unsigned char>(c));
           });
}

// Only these two schemes are ever handed to the downloader, so that a hand-edited URL cannot
// make the program read a local file or speak another protocol.
bool IsHttpURL(const std::string& url)
{
    return HasScheme(url, "http://") || HasScheme(url, "https://");
}
} // namespace

std::int64_t CHTTPUpdateNotificationChecker::SystemSeconds()
{
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

CHTTPUpdateNotificationChecker::CHTTPUpdateNotificationChecker(ProgramSettings& settings,
                                                               CUpdateDownloader& downloader,
                                                               CPrompt& prompt,
                                                               CAnnouncementDisplay& display,
                                                               Clock clock, CRunningProgram program)
    : m_settings(settings), m_downloader(downloader), m_prompt(prompt), m_display(display),
      m_clock(std::move(clock)), m_program(program)
{}

std::string CHTTPUpdateNotificationChecker::GetUpdateURL() const
{
    return m_settings.UpdateNotificationURL.empty() ? DefaultUpdateNotificationURL
                                                    : m_settings.UpdateNotificationURL;
}

std::optional<std::int64_t> CHTTPUpdateNotificationChecker::GetNextNotificationTime() const
{
    return ParseNotificationTime(m_settings.NextNotificationTime);
}

NotificationFrequency CHTTPUpdateNotificationChecker::GetNotificationFrequency() const
{
    return ParseNotificationFrequency(m_settings.NotificationFrequency);
}

void CHTTPUpdateNotificationChecker::SetNextNotificationTime(std::optional<std::int64_t> time)
{
    m_settings.NextNotificationTime = FormatNotificationTime(time);
}

void ChangeNotificationFrequency(ProgramSettings& settings, NotificationFrequency frequency,
                                 std::int64_t now)
{
    if (frequency == ParseNotificationFrequency(settings.NotificationFrequency)) {
        return;
    }
    settings.NotificationFrequency = FormatNotificationFrequency(frequency);
    settings.NextNotificationTime =
        FormatNotificationTime(now + NotificationIntervalDays(frequency) * SecondsPerDay);
}

void CHTTPUpdateNotificationChecker::ChangeNotificationFrequency(NotificationFrequency frequency)
{
    ::ChangeNotificationFrequency(m_settings, frequency, m_clock());
}

void CHTTPUpdateNotificationChecker::CheckAtStartup()
{
    const std::int64_t now = m_clock();
    if (!GetNextNotificationTime()) {
        const bool yes = m_prompt.AskYesNo(AskToCheckAutomatically) == PromptAnswer::Yes;
        m_settings.NotificationFrequency = FormatNotificationFrequency(
            yes ? NotificationFrequency::Monthly : NotificationFrequency::Never);
        SetNextNotificationTime(now);
    }
    const NotificationFrequency frequency = GetNotificationFrequency();
    const std::optional<std::int64_t> next = GetNextNotificationTime();
    if (frequency == NotificationFrequency::Never || (next && now < *next)) {
        return;
    }
    Check(false);
    SetNextNotificationTime(now + NotificationIntervalDays(frequency) * SecondsPerDay);
}

UpdateCheckResult CHTTPUpdateNotificationChecker::Fail()
{
    m_prompt.ShowMessage(CheckFailedMessage);
    return UpdateCheckResult::Failed;
}

UpdateCheckResult CHTTPUpdateNotificationChecker::Check(bool interactive)
{
    const std::string url = GetUpdateURL();
    CUpdateDownload download;
    if (IsHttpURL(url)) {
        try {
            download = m_downloader.Download(url);
        } catch (const std::exception&) {
            // a downloader that throws has failed as surely as one that says so
            download.status = CUpdateDownload::Status::Failed;
        }
    }
    switch (download.status) {
    case CUpdateDownload::Status::NotConnected:
        m_prompt.ShowMessage(CannotConnectMessage);
        return UpdateCheckResult::NotConnected;
    case CUpdateDownload::Status::Failed:
        return Fail();
    case CUpdateDownload::Status::Read:
        break;
    }

    std::optional<CUpdateAnnouncement> announcement;
    try {
        announcement = ReadUpdateFile(download.body, m_program);
    } catch (const errCorruptCardData&) {
        return Fail();
    } catch (eFileError) {
        return Fail();
    }
    if (announcement) {
        m_display.ShowAnnouncement(*announcement);
        return UpdateCheckResult::Announced;
    }
    if (interactive) {
        m_prompt.ShowMessage(NoUpdatesMessage);
    }
    return UpdateCheckResult::NoUpdate;
}
