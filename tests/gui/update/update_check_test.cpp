// The whole check as the program runs it: the HTTP read, the update file and what the user sees,
// against a server on 127.0.0.1.
#include "../../core/document/scripted_prompt.h"
#include "support/loopback_http_server.h"
#include "update/http_update_downloader.h"
#include "update/http_update_notification_dlg.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace GuiTestSupport;
using namespace std::chrono_literals;

namespace
{
const char* const ConnectMessage = "An attempt was made to check for program updates, but it was "
                                   "unable to connect to the Pellmoor Systems server.";
const char* const ErrorMessage = "An attempt was made to check for program updates from the "
                                 "Pellmoor Systems website, but this failed.  Error Code 02.";
const char* const NoUpdateMessage = "There are no program updates available.";

const QByteArray Announcing = "UPSCM    1\r\n"
                              "APPLH    1\r\n"
                              "APPLY 4976    1    0    0    0    9    0    0    0   -1   -1\r\n"
                              "UPDID        12\r\n"
                              "LATVR    1    4    0    0\r\n"
                              "MSGHD    2Gyrolith 1.4\r\n"
                              "TEXT <b>Now</b> available\r\n"
                              "TEXT from the website.\r\n";

// What the announcement dialog showed before the test closed it.
struct CShownDialog
{
    QString title;
    QString text;
    bool readOnly = false;
    bool okFocused = false;
};

class UpdateCheckTest : public testing::Test
{
protected:
    UpdateCheckResult CheckAt(const QByteArray& path, bool interactive = true)
    {
        settings.UpdateNotificationURL = server.Url(path).toStdString();
        // Closes each announcement dialog as soon as it is up, noting what it shows.
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [this] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<CHTTPUpdateNotificationDlg*>(widget);
                if (dialog && dialog->isVisible()) {
                    shown.push_back({dialog->windowTitle(), dialog->TextBox()->toPlainText(),
                                     dialog->TextBox()->isReadOnly(),
                                     dialog->focusWidget() == dialog->OkButton()});
                    dialog->OkButton()->click();
                }
            }
        });
        closer.start(10);
        return checker.Check(interactive);
    }

    CLoopbackHttpServer server;
    ProgramSettings settings;
    CHTTPUpdateDownloader downloader{[] {
        CUpdateDownloadLimits limits;
        limits.answerTimeout = 300ms;
        limits.totalTime = 1000ms;
        return limits;
    }()};
    CScriptedPrompt prompt;
    CAnnouncementDialogDisplay display;
    CHTTPUpdateNotificationChecker checker{settings,
                                           downloader,
                                           prompt,
                                           display,
                                           CHTTPUpdateNotificationChecker::SystemSeconds,
                                           CRunningProgram{4976, {1, 3, 0, 0}, false, false}};
    std::vector<CShownDialog> shown;
};

TEST_F(UpdateCheckTest, AnnouncementIsShownAsTypedInItsDialog)
{
    server.Respond("/update.txt", 200, Announcing);

    EXPECT_EQ(CheckAt("/update.txt"), UpdateCheckResult::Announced);

    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Gyrolith 1.4");
    EXPECT_EQ(shown[0].text, "<b>Now</b> available\nfrom the website.");
    EXPECT_TRUE(shown[0].readOnly);
    EXPECT_TRUE(shown[0].okFocused);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(UpdateCheckTest, EachOtherOutcomeShowsItsMessageAndNoDialog)
{
    struct
    {
        const char* name;
        std::function<void()> serve;
        bool interactive;
        UpdateCheckResult result;
        std::vector<std::string> messages;
    } const cases[] = {
        {"nothing applies, asked for",
         [this] {
             server.Respond("/update.txt", 200, "UPSCM    1\r\nAPPLH    1\r\nAPPLY    1\r\n");
         },
         true,
         UpdateCheckResult::NoUpdate,
         {NoUpdateMessage}},
        {"nothing applies, scheduled",
         [this] {
             server.Respond("/update.txt", 200, "UPSCM    1\r\nAPPLH    1\r\nAPPLY    1\r\n");
         },
         false,
         UpdateCheckResult::NoUpdate,
         {}},
        {"not an update file",
         [this] { server.Respond("/update.txt", 200, "<html><body>Sorry</body></html>"); },
         true,
         UpdateCheckResult::Failed,
         {ErrorMessage}},
        {"not found", [] {}, true, UpdateCheckResult::Failed, {ErrorMessage}},
        {"announcement too slow to arrive",
         [this] { server.Trickle("/update.txt", Announcing, 20ms); },
         false,
         UpdateCheckResult::Failed,
         {ErrorMessage}},
        {"never answered",
         [this] { server.Silent("/update.txt"); },
         false,
         UpdateCheckResult::NotConnected,
         {ConnectMessage}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        prompt.messages.clear();
        c.serve();
        EXPECT_EQ(CheckAt("/update.txt", c.interactive), c.result);
        EXPECT_EQ(prompt.messages, c.messages);
        EXPECT_TRUE(shown.empty());
    }
}

TEST_F(UpdateCheckTest, FileURLIsNeverRead)
{
    settings.UpdateNotificationURL = "file:///etc/passwd";

    EXPECT_EQ(checker.Check(true), UpdateCheckResult::NotConnected);

    EXPECT_EQ(prompt.messages, std::vector<std::string>{ConnectMessage});
}

TEST(HTTPUpdateNotificationDlg, HeadinglessAnnouncementIsTitledAnnouncement)
{
    CUpdateAnnouncement announcement;
    announcement.heading = "   ";
    announcement.text = "One\r\n\r\nThree";
    CHTTPUpdateNotificationDlg dialog(announcement);

    EXPECT_EQ(dialog.windowTitle(), "Announcement");
    EXPECT_EQ(dialog.TextBox()->toPlainText(), "One\n\nThree");
    EXPECT_EQ(dialog.TextBox()->blockCount(), 3);
}
} // namespace
