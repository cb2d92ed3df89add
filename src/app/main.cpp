// gyrolith: the desktop program.
#include "carousel_app.h"
#include "document/message_box_prompt.h"
#include "document/qt_settings_store.h"
#include "update/http_update_downloader.h"
#include "update/http_update_notification_dlg.h"
#include "update/running_program.h"

#include <QApplication>
#include <QIcon>
#include <functional>

namespace
{
// Announcements appear over the main window, which start-up makes before its update check.
class CMainFrameAnnouncements : public CAnnouncementDisplay
{
public:
    explicit CMainFrameAnnouncements(std::function<QWidget*()> parent) : m_parent(std::move(parent))
    {}
    void ShowAnnouncement(const CUpdateAnnouncement& announcement) override
    {
        CAnnouncementDialogDisplay(m_parent()).ShowAnnouncement(announcement);
    }

private:
    std::function<QWidget*()> m_parent;
};
} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(CCarouselApp::CompanyKey);
    QApplication::setApplicationName(CCarouselApp::ApplicationName);
    const CProgramVersion version = CRunningProgram::This().version;
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(version[0]).arg(version[1]).arg(version[2]));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/gyrolith.svg")));
    // The desktop file that launched the program names it to the window manager.
    QGuiApplication::setDesktopFileName(QStringLiteral("gyrolith"));

    CQtSettingsStore store(CCarouselApp::CompanyKey, CCarouselApp::ApplicationName);
    CMessageBoxPrompt prompt;
    CDialogFileChooser files;
    CHTTPUpdateDownloader downloader;
    CCarouselApp* running = nullptr;
    CMainFrameAnnouncements announcements(
        [&running] { return running ? running->GetMainFrame() : nullptr; });
    CCarouselApp app({store, prompt, files, downloader, announcements, ProgramSettings::Instance(),
                      NetworkSettings::Instance()});
    running = &app;
    prompt.SetParentSource([&app] { return app.GetMainFrame(); });

    std::vector<std::string> arguments;
    const QStringList given = QApplication::arguments();
    for (qsizetype i = 1; i < given.size(); ++i)
        arguments.push_back(given[i].toStdString());
    if (!app.InitInstance(arguments))
        return 1;
    files.SetParent(app.GetMainFrame());

    const int status = QApplication::exec();
    app.ExitInstance();
    store.Sync();
    return status;
}
