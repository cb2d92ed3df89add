// The whole check as the program runs it: the HTTP read, the update file and what the user sees,
// against a server on 127.0.0.1.
#include "../../core/document/scripted_prompt.h"
#include "support/loopback_http_server.h"
#include "update/http_update_downloader.h"
#include "update/http_update_notification_dlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace GuiTestSupport;

namespace
{
const char* const ConnectMessage = "An attempt was made to check for program updates, but it was "
                                   "unable to connect to the Pellmoor Systems server.";
const char* const ErrorMessage = "An attempt was made to check for program updates from the "
                                 "Pellmoor Systems website, but this failed.  Error Code 02.";

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
    // path: a path on the test server, or a whole URL.
    UpdateCheckResult CheckAt(const std::string& path)
    {
        settings.UpdateNotificationURL =
            path.starts_with('/') ? server.Url(path.c_str()).toStdString() : path;
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
        return checker.Check(true);
    }

    CLoopbackHttpServer server;
    ProgramSettings settings;
    CHTTPUpdateDownloader downloader;
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

// What each outcome shows is the checker's own affair. Over HTTP a missing file fails at once,
// and a server that never answers is tried three times, a second each: each shows its message
// and no dialog.
TEST_F(UpdateCheckTest, AMissingFileAndASilentServerShowTheirMessageAndNoDialog)
{
    EXPECT_EQ(CheckAt("/missing.txt"), UpdateCheckResult::Failed);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{ErrorMessage});
    EXPECT_EQ(server.Connections(), 1);

    prompt.messages.clear();
    server.Silent("/update.txt");
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_EQ(CheckAt("/update.txt"), UpdateCheckResult::NotConnected);
    EXPECT_GE(elapsed.elapsed(), 2900);
    EXPECT_LT(elapsed.elapsed(), 4000);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{ConnectMessage});
    EXPECT_EQ(server.Connections(), 4);
    EXPECT_TRUE(shown.empty());
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
