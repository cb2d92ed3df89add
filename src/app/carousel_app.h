// The application: settings, start-up, the one open network and the main window's commands.
#pragma once

#include "document/app_prompt.h"
#include "document/auto_save_manager.h"
#include "document/carousel_doc.h"
#include "document/child_frame.h"
#include "document/command_state.h"
#include "document/command_table.h"
#include "document/file_chooser.h"
#include "document/idle_auto_save.h"
#include "document/main_frame.h"
#include "settings/network_settings.h"
#include "settings/program_settings.h"
#include "document/recent_file_list.h"
#include "settings/settings_store.h"
#include "update/update_downloader.h"
#include "update/update_notification_checker.h"

#include <QObject>
#include <memory>
#include <string>
#include <vector>

class CNetworkPrinting;
class CNetworkViewChildFrame;
class CTextMeasurer;
class QPrinter;

// The outside world the application works with: the desktop program gives it QSettings,
// message boxes, file dialogs and the process-wide settings records; tests give it an
// in-memory store, scripted answers and records of their own.
struct CAppEnvironment
{
    CSettingsStore& store;
    CAppPrompt& prompt;
    CFileChooser& files;
    CUpdateDownloader& downloader;
    CAnnouncementDisplay& announcements;
    ProgramSettings& program;
    NetworkSettings& network;
    // Seconds since 1970: auto-save and the update check.
    CAutoSaveManager::Clock clock = CHTTPUpdateNotificationChecker::SystemSeconds;
};

// At most one network is open: creating or opening one first offers to save the open one
// (Yes/No/Cancel) and closes it. Start-up runs the ten steps of the desktop framework through
// DecideStartup; a file that cannot be opened, at start-up or later, says why and leaves the
// program running without a document (and a missing file leaves the recent files). The windows
// of the document are made by its view factory: kind 1 the network window, 2 the traffic flows
// window, 3 the report builder; a network opened without stored window places gets its network
// window maximised. Before every save the open windows' places go into the document. The main
// window's commands act on the document, and the zoom and grid commands on the active network
// window only; their enabled, checked and text states are brought up to date whenever the event
// loop goes idle, as the framework's update handlers are.
class CCarouselApp : public QObject, public CFrameOwner, public CStatusPaneSink
{
    Q_OBJECT
public:
    static constexpr const char* CompanyKey = "Pellmoor Systems";
    static constexpr const char* ApplicationName = "Gyrolith";

    explicit CCarouselApp(CAppEnvironment environment);
    ~CCarouselApp() override;

    // Start-up. False only when the main window could not be made.
    bool InitInstance(const std::vector<std::string>& arguments);
    // A normal exit, after the main window closed: settings, toolbars and recent files go to
    // the store, then this run's auto-save file is deleted.
    void ExitInstance();

    CMainFrame* GetMainFrame() const { return m_mainFrame.get(); }
    CCarouselDoc* GetDocument() const { return m_document.get(); }
    const CRecentFileList& GetRecentFiles() const { return m_recentFiles; }
    CAutoSaveManager& GetAutoSave() { return m_autoSave; }
    CIdleAutoSave& GetIdleAutoSave() { return *m_idleAutoSave; }
    QPrinter& GetPrinter() { return *m_printer; }
    CNetworkPrinting& GetPrinting() { return *m_printing; }
    const CTextMeasurer& GetMeasurer() const { return *m_measurer; }

    // Commands of the menus and toolbars.
    void OnCommand(ECommand command);
    bool FileNew();
    bool FileOpen();
    // Opening a path chosen elsewhere (recent files, a drop, the command line): offers to save
    // the open network first.
    bool FileOpenPath(const std::string& path);
    bool FileSave();
    bool FileSaveAs();
    bool FileClose();
    bool ExportDxf();
    bool CopyDiagram();
    // Asks "Save changes to <title>?" for a modified document; false when the user cancelled or
    // the save failed.
    bool SaveModified();

    // The windows.
    CChildFrame* ActiveFrame() const;
    CNetworkViewChildFrame* ActiveNetworkFrame() const;
    std::vector<CChildFrame*> Frames() const;
    void UpdateCommandUI();

    // CFrameOwner
    bool QueryCloseFrame(CChildFrame& frame) override;
    void OnFrameClosed(CChildFrame& frame) override;
    // CStatusPaneSink: the document's pane texts, shown by the main window.
    void SetPaneText(int paneId, const std::string& text) override;

private:
    void CreateMainFrame();
    void NewDocument();
    // Opens path into a new document, places its windows; the open one must be closed.
    bool OpenDocumentFile(const std::string& path);
    std::unique_ptr<CCarouselDoc> MakeDocument();
    void CloseDocument();
    void CreateFrame(int kind, int index);
    void OpenNetworkWindowMaximised();
    void RefreshRecentFiles();
    void RunLongCommand(ECommand command);
    void RedrawViews();
    void Zoom(ECommand command);
    CCommandContext CommandContext() const;

    CAppEnvironment m_env;
    CRecentFileList m_recentFiles;
    CAutoSaveManager m_autoSave;
    CHTTPUpdateNotificationChecker m_updateChecker;
    std::unique_ptr<CTextMeasurer> m_measurer;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<CNetworkPrinting> m_printing;
    std::unique_ptr<CMainFrame> m_mainFrame;
    std::unique_ptr<CIdleAutoSave> m_idleAutoSave;
    std::unique_ptr<CCarouselDoc> m_document;
    bool m_closingDocument = false;
};
