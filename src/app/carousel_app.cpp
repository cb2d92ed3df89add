// Start-up, exit, the open network and its windows.
#include "carousel_app.h"

#include "settings/settings_persistence.h"
#include "document/startup.h"
#include "document/view_placement.h"
#include "platform/freetype_text_measurer.h"
#include "printing/network_printing.h"
#include "printing/print_layout_controller.h"
#include "reports/report_builder_main_frame.h"
#include "tables/flow_views_child_frame.h"
#include "view/network_view.h"
#include "view/network_view_child_frame.h"

#include <QAbstractEventDispatcher>
#include <QGuiApplication>
#include <QMdiArea>
#include <QPrinter>
#include <QScreen>
#include <filesystem>

CCarouselApp::CCarouselApp(CAppEnvironment environment)
    : m_env(environment),
      m_autoSave(
          [&program = m_env.program] {
              return program.AutoSaveDirectory.empty() ? DefaultAutoSaveDirectory()
                                                       : program.AutoSaveDirectory;
          },
          m_env.clock),
      m_updateChecker(m_env.program, m_env.downloader, m_env.prompt, m_env.announcements,
                      m_env.clock)
{}

CCarouselApp::~CCarouselApp()
{
    // The windows go before the document they show.
    CloseDocument();
}

bool CCarouselApp::InitInstance(const std::vector<std::string>& arguments)
{
    // 1. The store (its company key is the store's own), recent files and settings.
    m_recentFiles.Load(m_env.store);
    LoadSettings(m_env.store, m_env.program, m_env.network);
    try {
        m_measurer = std::make_unique<CFreeTypeTextMeasurer>();
    } catch (const std::exception& e) {
        m_env.prompt.ShowMessage(e.what());
        return false;
    }
    m_printer = std::make_unique<QPrinter>();
    m_printing = std::make_unique<CNetworkPrinting>(*m_printer, *m_measurer);

    // 2-5. The window kinds are the documents' view factory; the main window accepts drops.
    CreateMainFrame();
    if (!m_mainFrame)
        return false;
    m_mainFrame->show();

    // 6-8. The command line, the recovery offer, and what they decided. A file that cannot be
    // opened has said why; the program stays, without a document.
    const CStartupCommand command =
        DecideStartup(arguments, m_env.program, m_autoSave, m_env.prompt);
    switch (command.kind) {
    case CStartupCommand::Kind::FileNew:
        NewDocument();
        break;
    case CStartupCommand::Kind::FileOpen:
        OpenDocumentFile(command.path);
        break;
    case CStartupCommand::Kind::Nothing:
        break;
    }

    // 9-10. Hold this run's auto-save file, then the start-up update check.
    m_autoSave.TakeLock();
    UpdateCommandUI();
    m_updateChecker.CheckAtStartup();
    UpdateCommandUI();
    return true;
}

void CCarouselApp::CreateMainFrame()
{
    m_mainFrame = std::make_unique<CMainFrame>();
    m_mainFrame->LoadBarState(m_env.store);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        m_mainFrame->resize(available.size() * 9 / 10);
    }
    connect(m_mainFrame.get(), &CMainFrame::commandTriggered, this, &CCarouselApp::OnCommand);
    connect(m_mainFrame.get(), &CMainFrame::recentFileTriggered, this, [this](int index) {
        const auto& entries = m_recentFiles.GetEntries();
        if (index >= 0 && static_cast<std::size_t>(index) < entries.size())
            FileOpenPath(entries[static_cast<std::size_t>(index)]);
    });
    connect(m_mainFrame.get(), &CMainFrame::networkFileDropped, this,
            [this](const QString& path) { FileOpenPath(path.toStdString()); });
    connect(m_mainFrame->GetMdiArea(), &QMdiArea::subWindowActivated, this,
            [this] { UpdateCommandUI(); });
    m_mainFrame->SetCloseHandler([this] {
        if (!SaveModified())
            return false;
        CloseDocument();
        return true;
    });
    RefreshRecentFiles();

    m_idleAutoSave = std::make_unique<CIdleAutoSave>(
        m_autoSave, [this] { return m_document.get(); },
        [this] {
            if (m_document)
                StoreViewPositions(*m_document);
        },
        m_env.clock);
    m_idleAutoSave->Install();
    // The framework's update handlers run when the loop goes idle; so do these.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &CCarouselApp::UpdateCommandUI);
}

void CCarouselApp::ExitInstance()
{
    m_mainFrame->SaveBarState(m_env.store);
    ExitCleanup(m_env.store, m_env.program, m_recentFiles, m_autoSave);
}

std::unique_ptr<CCarouselDoc> CCarouselApp::MakeDocument()
{
    auto document = std::make_unique<CCarouselDoc>(m_env.program, m_env.network, &m_env.prompt);
    document->SetStatusPaneSink(this);
    document->SetViewFactory([this](int kind, int index) { CreateFrame(kind, index); });
    return document;
}

void CCarouselApp::NewDocument()
{
    m_env.network.RefreshFromDefaults(m_env.program);
    m_document = MakeDocument();
    m_document->OnNewDocument();
    OpenNetworkWindowMaximised();
    UpdateCommandUI();
}

bool CCarouselApp::OpenDocumentFile(const std::string& path)
{
    std::unique_ptr<CCarouselDoc> document = MakeDocument();
    if (!document->OnOpenDocument(path)) {
        // A file that is gone has no place among the recent files.
        std::error_code error;
        if (!std::filesystem::exists(path, error)) {
            const std::string absolute = std::filesystem::absolute(path, error).string();
            const auto& entries = m_recentFiles.GetEntries();
            for (std::size_t i = 0; i < entries.size(); ++i)
                if (entries[i] == path || entries[i] == absolute) {
                    m_recentFiles.Remove(i);
                    break;
                }
            RefreshRecentFiles();
        }
        UpdateCommandUI();
        return false;
    }
    m_document = std::move(document);
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    m_recentFiles.Add(error ? path : absolute.lexically_normal().string());
    ApplyRecoveredFileRule(*m_document, path, m_autoSave, m_recentFiles);
    RefreshRecentFiles();

    const std::vector<CViewPosition> positions = m_document->GetData().viewPositions;
    if (!RestoreViewPositions(*m_document, positions, *m_mainFrame->GetMdiArea()))
        OpenNetworkWindowMaximised();
    UpdateCommandUI();
    return true;
}

void CCarouselApp::OpenNetworkWindowMaximised()
{
    if (!m_document || !m_document->OpenView(NetworkViewKind))
        return;
    if (auto* frame = dynamic_cast<CChildFrame*>(m_document->FindView(NetworkViewKind, 0))) {
        frame->showMaximized();
        frame->ApplyDefaultPlacement();
    }
}

void CCarouselApp::CreateFrame(int kind, int index)
{
    if (!m_document)
        return;
    CChildFrame* frame = nullptr;
    switch (kind) {
    case NetworkViewKind: {
        auto* network = new CNetworkViewChildFrame(*m_document, *this, index, m_env.program);
        connect(network, &CNetworkViewChildFrame::copyDiagramRequested, this,
                [this] { CopyDiagram(); });
        connect(network, &CNetworkViewChildFrame::zoomChanged, this,
                &CCarouselApp::UpdateCommandUI);
        // Network view editing
        CNetworkView* view = network->GetNetworkView();
        view->EnableEditing(m_env.program, m_env.prompt);
        view->SetWindowCommand(EViewCommand::CopyDiagramToClipboard, [this] { CopyDiagram(); });
        view->SetWindowCommand(EViewCommand::NetworkDiagramDxfExport, [this] { ExportDxf(); });
        network->EnablePrintLayout(m_env.program, m_env.prompt);
        view->SetWindowCommand(EViewCommand::PrintLayoutMode,
                               [layout = network->GetPrintLayout()] { layout->Toggle(); });
        connect(view, &CNetworkView::editingChanged, this, &CCarouselApp::UpdateCommandUI);
        frame = network;
        break;
    }
    case TrafficFlowsViewKind:
        frame = new CFlowViewsChildFrame(*m_document, *this, index);
        break;
    case ReportBuilderViewKind:
        frame = new CReportBuilderMainFrame(*m_document, *this, index, m_env.files, *m_measurer);
        break;
    default:
        return;
    }
    m_mainFrame->GetMdiArea()->addSubWindow(frame);
    frame->resize(frame->sizeHint());
    frame->show();
    m_mainFrame->GetMdiArea()->setActiveSubWindow(frame);
}

std::vector<CChildFrame*> CCarouselApp::Frames() const
{
    std::vector<CChildFrame*> frames;
    if (m_document)
        for (CDocumentView* view : m_document->GetViews())
            if (auto* frame = dynamic_cast<CChildFrame*>(view))
                frames.push_back(frame);
    return frames;
}

void CCarouselApp::CloseDocument()
{
    if (!m_document || m_closingDocument)
        return;
    m_closingDocument = true;
    for (CChildFrame* frame : Frames())
        delete frame;
    m_document->OnCloseDocument();
    m_document.reset();
    m_closingDocument = false;
    UpdateCommandUI();
}

bool CCarouselApp::QueryCloseFrame(CChildFrame& frame)
{
    // Only the document's last window asks.
    for (const CChildFrame* other : Frames())
        if (other != &frame)
            return true;
    return SaveModified();
}

void CCarouselApp::OnFrameClosed(CChildFrame& frame)
{
    (void)frame;
    if (m_document && Frames().empty())
        CloseDocument();
}

void CCarouselApp::SetPaneText(int paneId, const std::string& text)
{
    if (m_mainFrame)
        m_mainFrame->SetPaneText(paneId, text);
    if (m_idleAutoSave && m_document && m_document->IsModified())
        m_idleAutoSave->NoteChange();
}

bool CCarouselApp::SaveModified()
{
    if (!m_document || !m_document->IsModified())
        return true;
    switch (m_env.prompt.AskSaveChanges(
        QString::fromStdString(m_document->GetTitle()).trimmed().toStdString())) {
    case SaveChangesAnswer::Yes:
        return FileSave();
    case SaveChangesAnswer::No:
        return true;
    case SaveChangesAnswer::Cancel:
        break;
    }
    return false;
}

void CCarouselApp::RefreshRecentFiles()
{
    if (m_mainFrame)
        m_mainFrame->SetRecentFiles(m_recentFiles.GetEntries());
}

CChildFrame* CCarouselApp::ActiveFrame() const
{
    return m_mainFrame ? dynamic_cast<CChildFrame*>(m_mainFrame->GetMdiArea()->currentSubWindow())
                       : nullptr;
}

CNetworkViewChildFrame* CCarouselApp::ActiveNetworkFrame() const
{
    return dynamic_cast<CNetworkViewChildFrame*>(ActiveFrame());
}
