// The main window's commands and their update handlers.
#include "carousel_app.h"
#include "document/command_state.h"
#include "document/view_placement.h"
#include "document/wait_cursor.h"
#include "printing/network_printing.h"
#include "routing/progress_feedback.h"
#include "settings/network_settings_property_sheet.h"
#include "settings/preferences_sheets.h"
#include "view/diagram_clipboard.h"
#include "view/network_view.h"
#include "view/network_view_child_frame.h"

#include <QApplication>
#include <QMdiArea>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <filesystem>

namespace
{
std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}
} // namespace

void CCarouselApp::OnCommand(ECommand command)
{
    CCarouselDoc* document = m_document.get();
    // Each command is offered only while its update handler enables it; a key pressed in the
    // moment before the handlers ran finds it here.
    const CCommandState state = CommandState(command, CommandContext());
    if (!state.enabled)
        return;

    switch (command) {
    case ECommand::FileNew:
        FileNew();
        break;
    case ECommand::FileOpen:
        FileOpen();
        break;
    case ECommand::FileClose:
        FileClose();
        break;
    case ECommand::FileSave:
        FileSave();
        break;
    case ECommand::FileSaveAs:
        FileSaveAs();
        break;
    case ECommand::NetworkDiagramDxfExport:
        ExportDxf();
        break;
    case ECommand::PrintSetup: {
        QPageSetupDialog dialog(m_printer.get(), m_mainFrame.get());
        dialog.exec();
        break;
    }
    // Printing
    case ECommand::Print:
        m_printing->Print(*document, m_mainFrame.get());
        break;
    case ECommand::PrintPreview:
        m_printing->PrintPreview(*document, m_mainFrame.get());
        break;
    case ECommand::DraftPrintEntireNetwork:
        m_printing->DraftPrintEntireNetwork(*document, m_mainFrame.get());
        break;
    case ECommand::Exit:
        m_mainFrame->close();
        break;
    case ECommand::Undo: {
        const CWaitCursor wait;
        document->Undo();
        break;
    }
    case ECommand::Redo: {
        const CWaitCursor wait;
        document->Redo();
        break;
    }
    case ECommand::CopyDiagramToClipboard:
        CopyDiagram();
        break;
    case ECommand::ShowNetworkView:
        document->OpenView(NetworkViewKind);
        break;
    case ECommand::ShowTrafficFlowsView:
        document->OpenView(TrafficFlowsViewKind);
        break;
    case ECommand::ReportBuilder:
        document->OpenView(ReportBuilderViewKind);
        break;
    case ECommand::HighlightFilteredRoutes:
        document->ToggleHighlightFilteredRoutes();
        break;
    case ECommand::ShowODMatrix:
        document->ToggleODMatrixShown();
        break;
    case ECommand::DisplayGrid:
        m_env.program.CurDisplayGrid = !m_env.program.CurDisplayGrid;
        RedrawViews();
        break;
    case ECommand::SnapToGrid:
        m_env.program.CurSnapToGrid = !m_env.program.CurSnapToGrid;
        break;
    case ECommand::BuildRoutes:
    case ECommand::AutomaticallyRebuildRoutes:
    case ECommand::BalanceLaneFlowsOnAllEntryArms:
        RunLongCommand(command);
        break;
    case ECommand::MakeCircularRoutesNonPermitted:
        document->MakeCircularRoutesNonPermitted();
        break;
    case ECommand::DeleteAllRoutes:
        document->DeleteAllRoutes();
        break;
    case ECommand::DeleteSelectedRoute:
        document->DeleteSelectedRoutes();
        break;
    case ECommand::CheckForProgramUpdates:
        m_updateChecker.Check(true);
        break;
    case ECommand::About:
        QMessageBox::about(m_mainFrame.get(), "About Gyrolith",
                           QStringLiteral("Gyrolith %1\nLane flows of roundabouts and signalised "
                                          "junctions.")
                               .arg(QCoreApplication::applicationVersion()));
        break;
    case ECommand::WindowCascade:
        m_mainFrame->GetMdiArea()->cascadeSubWindows();
        break;
    case ECommand::WindowTile:
        m_mainFrame->GetMdiArea()->tileSubWindows();
        break;
    // Network view editing
    case ECommand::AddArm:
    case ECommand::AddZone:
    case ECommand::AddLabel:
    case ECommand::AddCapacityAssessor:
    case ECommand::BalanceLaneFlowsOnSelectedArm:
        ActiveNetworkFrame()->GetNetworkView()->RunCommand(*ViewCommandOf(command));
        break;
    case ECommand::ZoomIn:
    case ECommand::ZoomOut:
    case ECommand::ZoomToFit:
    case ECommand::ZoomMax:
    case ECommand::ZoomMin:
        Zoom(command);
        break;
    case ECommand::EditProjectInformation:
        CNetworkSettingsPropertySheet(*document,
                                      CNetworkSettingsPropertySheet::EPage::ProjectInformation,
                                      m_mainFrame.get())
            .ExecAndApply();
        break;
    case ECommand::EditNetworkGraphicsSettings:
        CNetworkSettingsPropertySheet(*document,
                                      CNetworkSettingsPropertySheet::EPage::GraphicsSettings,
                                      m_mainFrame.get())
            .ExecAndApply();
        break;
    case ECommand::ProgramOptions:
        CPreferencesPropertySheet(m_env.program, m_mainFrame.get(), m_env.clock).ExecAndApply();
        break;
    case ECommand::DefaultOptions:
        CPreferencesDefaultsPropertySheet(m_env.program, m_mainFrame.get()).ExecAndApply();
        break;
    case ECommand::GraphicsOptions:
        // The display settings apply to whatever is shown.
        if (CPreferencesGraphicsPropertySheet(m_env.program, m_mainFrame.get()).ExecAndApply())
            RedrawViews();
        break;
    }
    UpdateCommandUI();
}

void CCarouselApp::RunLongCommand(ECommand command)
{
    static const char* const Labels[] = {"Building routes...", "Balancing lane flows..."};
    const bool balancing = command == ECommand::BalanceLaneFlowsOnAllEntryArms;
    CProgressFeedback progress(m_mainFrame.get(), Labels[balancing ? 1 : 0]);
    const CWaitCursor wait;
    switch (command) {
    case ECommand::BuildRoutes:
        m_document->BuildRoutes(&progress.Feedback());
        break;
    case ECommand::AutomaticallyRebuildRoutes:
        m_document->ToggleAutoRebuildRoutes(&progress.Feedback());
        break;
    default:
        m_document->BalanceLaneFlowsOnAllArms(&progress.Feedback());
        break;
    }
}

void CCarouselApp::Zoom(ECommand command)
{
    // The enable rules let only an active network window with its view get here.
    CNetworkView* view = ActiveNetworkFrame()->GetNetworkView();
    switch (command) {
    case ECommand::ZoomIn:
        view->ZoomIn();
        break;
    case ECommand::ZoomOut:
        view->ZoomOut();
        break;
    case ECommand::ZoomToFit:
        view->ZoomToFit();
        break;
    case ECommand::ZoomMax:
        view->ZoomMax();
        break;
    default:
        view->ZoomMin();
        break;
    }
}

void CCarouselApp::RedrawViews()
{
    if (m_document)
        m_document->UpdateAllViews(HintRedraw);
}

bool CCarouselApp::FileNew()
{
    if (!SaveModified())
        return false;
    CloseDocument();
    NewDocument();
    return true;
}

bool CCarouselApp::FileOpen()
{
    // The file first, then the question about the open one.
    const std::optional<std::string> path = m_env.files.ChooseNetworkToOpen();
    if (!path)
        return false;
    if (!SaveModified())
        return false;
    CloseDocument();
    return OpenDocumentFile(*path);
}

bool CCarouselApp::FileOpenPath(const std::string& path)
{
    if (!SaveModified())
        return false;
    CloseDocument();
    return OpenDocumentFile(path);
}

bool CCarouselApp::FileClose()
{
    if (!SaveModified())
        return false;
    CloseDocument();
    return true;
}

bool CCarouselApp::FileSave()
{
    if (!m_document)
        return false;
    if (!m_document->HasSavePath())
        return FileSaveAs();
    StoreViewPositions(*m_document);
    const CWaitCursor wait;
    const bool saved = m_document->OnSaveDocument(m_document->GetPathName());
    UpdateCommandUI();
    return saved;
}

bool CCarouselApp::FileSaveAs()
{
    if (!m_document)
        return false;
    std::string proposal = m_document->ProposedSaveAsName();
    if (m_document->HasSavePath())
        proposal =
            (std::filesystem::path(m_document->GetPathName()).parent_path() / proposal).string();
    const std::optional<std::string> path = m_env.files.ChooseNetworkSaveAs(proposal);
    if (!path)
        return false;
    StoreViewPositions(*m_document);
    bool saved = false;
    {
        const CWaitCursor wait;
        saved = m_document->SaveAs(*path);
    }
    if (saved) {
        m_recentFiles.Add(m_document->GetPathName());
        RefreshRecentFiles();
        for (CChildFrame* frame : Frames())
            frame->RefreshTitle();
    }
    UpdateCommandUI();
    return saved;
}

bool CCarouselApp::ExportDxf()
{
    if (!m_document)
        return false;
    const std::optional<std::string> path =
        m_env.files.ChooseDxfExport(m_document->ProposedDxfExportName());
    if (!path)
        return false;
    const CWaitCursor wait;
    return m_document->ExportNetworkDiagramDxf(*path, *m_measurer);
}

bool CCarouselApp::CopyDiagram()
{
    if (!m_document)
        return false;
    const CWaitCursor wait;
    CDiagramClipboard clipboard(m_document->GetDiagramSource(), *m_measurer);
    return m_document->CopyDiagramToClipboard(clipboard, *m_measurer);
}

CCommandContext CCarouselApp::CommandContext() const
{
    const CNetworkViewChildFrame* network = ActiveNetworkFrame();
    return {m_document.get(), network ? std::optional(network->GetViewStatus()) : std::nullopt,
            &m_env.program};
}

void CCarouselApp::UpdateCommandUI()
{
    if (!m_mainFrame)
        return;
    const CCommandContext context = CommandContext();
    for (const CCommandInfo& info : Commands())
        m_mainFrame->ApplyCommandState(info.command, CommandState(info.command, context));

    if (m_document) {
        m_mainFrame->setWindowTitle(QString::fromStdString(Trimmed(m_document->GetTitle())) +
                                    "[*] - Gyrolith");
        m_mainFrame->setWindowModified(m_document->IsModified());
        for (CChildFrame* frame : Frames())
            frame->RefreshTitle();
    } else {
        m_mainFrame->setWindowTitle("Gyrolith");
        m_mainFrame->setWindowModified(false);
    }
}
