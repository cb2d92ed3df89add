// The start-up schedule and what each outcome of a check shows, over a scripted download.
#include "../document/scripted_prompt.h"
#include "case_name.h"
#include "update/update_notification_checker.h"

#include <gtest/gtest.h>

namespace
{
using TestSupport::PrintTo;

using Status = CUpdateDownload::Status;

const char* const Question = "Automatically Check For Program Updates ?";
const char* const ConnectMessage = "An attempt was made to check for program updates, but it was "
                                   "unable to connect to the Pellmoor Systems server.";
const char* const ErrorMessage = "An attempt was made to check for program updates from the "
                                 "Pellmoor Systems website, but this failed.  Error Code 02.";
const char* const NoUpdateMessage = "There are no program updates available.";

const std::string Announcing = "UPSCM    1\nAPPLH    1\nAPPLY 4976    1    0    0    0    9    0"
                               "    0    0   -1   -1\nUPDID        12\nLATVR    1    4    0    0\n"
                               "MSGHD    1Gyrolith 1.4\nTEXT <b>Now</b> available\n";
const std::string NothingApplies = "UPSCM    1\nAPPLH    1\nAPPLY    1\n";

// Answers every download alike, and records what it was asked for.
class CScriptedDownloader : public CUpdateDownloader
{
public:
    CUpdateDownload answer{Status::Read, NothingApplies};
    std::vector<std::string> urls;

    CUpdateDownload Download(const std::string& url) override
    {
        urls.push_back(url);
        return answer;
    }
};

class CRecordingDisplay : public CAnnouncementDisplay
{
public:
    std::vector<CUpdateAnnouncement> shown;
    void ShowAnnouncement(const CUpdateAnnouncement& announcement) override
    {
        shown.push_back(announcement);
    }
};

class UpdateCheckFixture
{
protected:
    ProgramSettings settings;
    CScriptedDownloader downloader;
    CScriptedPrompt prompt;
    CRecordingDisplay display;
    const std::int64_t now = *ParseNotificationTime("010624120000");
    CHTTPUpdateNotificationChecker checker{settings,
                                           downloader,
                                           prompt,
                                           display,
                                           [this] { return now; },
                                           CRunningProgram{4976, {1, 3, 0, 0}, false, false}};
};

struct StartupCase
{
    std::string name;
    std::string storedNext;
    std::string storedFrequency;
    std::optional<PromptAnswer> answer; // to the question, when it is to be asked
    bool checks;
    std::string expectedNext;
    std::string expectedFrequency;
};

class StartupCheckTest : public UpdateCheckFixture, public testing::TestWithParam<StartupCase>
{};

TEST_P(StartupCheckTest, AsksChecksAndSchedulesTheNext)
{
    const StartupCase& c = GetParam();
    settings.NextNotificationTime = c.storedNext;
    settings.NotificationFrequency = c.storedFrequency;
    if (c.answer)
        prompt.Answer(*c.answer);
    checker.CheckAtStartup();
    EXPECT_EQ(prompt.questions,
              c.answer ? std::vector<std::string>{Question} : std::vector<std::string>{});
    EXPECT_EQ(downloader.urls.size(), c.checks ? 1u : 0u);
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(settings.NextNotificationTime, c.expectedNext);
    EXPECT_EQ(settings.NotificationFrequency, c.expectedFrequency);
}

using P = PromptAnswer;
INSTANTIATE_TEST_SUITE_P(
    Cases, StartupCheckTest,
    testing::Values(
        StartupCase{"FirstRunYesChecksMonthly", "", "", P::Yes, true, "010724120000", "4"},
        StartupCase{"FirstRunNoNeverChecks", "", "3", P::No, false, "010624120000", "0"},
        StartupCase{"ShortTimeAsksAgain", "0101", "2", P::No, false, "010624120000", "0"},
        StartupCase{"UnsetFormAsksAgain", "010100000000", "2", P::Yes, true, "010724120000", "4"},
        StartupCase{"NeverDoesNotCheck", "010124000000", "0", std::nullopt, false, "010124000000",
                    "0"},
        StartupCase{"StartupChecksEveryTime", "010624120000", "1", std::nullopt, true,
                    "010624120000", "1"},
        StartupCase{"DailyDue", "010624120000", "2", std::nullopt, true, "020624120000", "2"},
        StartupCase{"DailyNotYetDue", "010624120001", "2", std::nullopt, false, "010624120001",
                    "2"},
        StartupCase{"WeeklyOverdue", "010124000000", "3", std::nullopt, true, "080624120000", "3"}),
    CaseName());

struct CheckCase
{
    std::string name;
    CUpdateDownload download;
    bool interactive;
    UpdateCheckResult result;
    std::string message; // empty for none
};

class CheckTest : public UpdateCheckFixture, public testing::TestWithParam<CheckCase>
{};

TEST_P(CheckTest, ShowsWhatTheOutcomeCallsFor)
{
    const CheckCase& c = GetParam();
    downloader.answer = c.download;
    EXPECT_EQ(checker.Check(c.interactive), c.result);
    EXPECT_EQ(prompt.messages,
              c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
    ASSERT_EQ(display.shown.size(), c.result == UpdateCheckResult::Announced ? 1u : 0u);
    if (!display.shown.empty()) {
        EXPECT_EQ(display.shown[0].heading, "Gyrolith 1.4");
        EXPECT_EQ(display.shown[0].text, "<b>Now</b> available");
    }
}

using R = UpdateCheckResult;
using D = CUpdateDownload;
INSTANTIATE_TEST_SUITE_P(
    Cases, CheckTest,
    testing::Values(
        CheckCase{"Found", D{Status::Read, Announcing}, false, R::Announced, ""},
        CheckCase{"NothingOnRequest", D{Status::Read, NothingApplies}, true, R::NoUpdate,
                  NoUpdateMessage},
        CheckCase{"NothingOnSchedule", D{Status::Read, NothingApplies}, false, R::NoUpdate, ""},
        CheckCase{"NoConnection", D{Status::NotConnected, ""}, false, R::NotConnected,
                  ConnectMessage},
        CheckCase{"FailedOnRequest", D{Status::Failed, ""}, true, R::Failed, ErrorMessage},
        CheckCase{"Malformed", D{Status::Read, "<html>404</html>"}, true, R::Failed, ErrorMessage},
        CheckCase{"CutOff", D{Status::Read, Announcing.substr(0, 120)}, false, R::Failed,
                  ErrorMessage}),
    CaseName());

class UpdateCheckTest : public UpdateCheckFixture, public testing::Test
{};

TEST_F(UpdateCheckTest, TheNextTimeAdvancesAfterAFailedCheck)
{
    for (const CUpdateDownload& download :
         {CUpdateDownload{Status::NotConnected, ""}, CUpdateDownload{Status::Read, "junk"}}) {
        settings.NextNotificationTime = "010124000000";
        settings.NotificationFrequency = "3";
        downloader.answer = download;
        checker.CheckAtStartup();
        EXPECT_EQ(settings.NextNotificationTime, "080624120000");
    }
    EXPECT_EQ(prompt.messages, (std::vector<std::string>{ConnectMessage, ErrorMessage}));
}

TEST_F(UpdateCheckTest, OnlyHttpAndHttpsUrlsAreDownloaded)
{
    for (const char* url : {"", "http://updates.example/u.txt", "HTTPS://updates.example/u.txt",
                            "file:///etc/passwd", "ftp://updates.example/u.txt", "updates.txt"}) {
        settings.UpdateNotificationURL = url;
        checker.Check(false);
    }
    EXPECT_EQ(downloader.urls,
              (std::vector<std::string>{"https://www.pellmoorsystems.com/updates/gyrolith.txt",
                                        "http://updates.example/u.txt",
                                        "HTTPS://updates.example/u.txt"}));
    EXPECT_EQ(prompt.messages, std::vector<std::string>(3, ConnectMessage));
}

TEST_F(UpdateCheckTest, ChangingTheFrequencyStartsItsIntervalNow)
{
    settings.NotificationFrequency = "4";
    settings.NextNotificationTime = "010724120000";
    checker.ChangeNotificationFrequency(NotificationFrequency::Weekly);
    EXPECT_EQ(settings.NotificationFrequency, "3");
    EXPECT_EQ(settings.NextNotificationTime, "080624120000");

    settings.NextNotificationTime = "010124000000";
    checker.ChangeNotificationFrequency(NotificationFrequency::Weekly);
    EXPECT_EQ(settings.NextNotificationTime, "010124000000");

    checker.ChangeNotificationFrequency(NotificationFrequency::Startup);
    EXPECT_EQ(settings.NextNotificationTime, "010624120000");
}

} // namespace
