// Enable, check and text rules of the main window's commands.
#include "document/command_state.h"

#include "document/carousel_doc.h"
#include "settings/program_settings.h"

namespace
{
// The network view's zoom range.
constexpr double MinZoom = 0.2;
constexpr double MaxZoom = 2.5;

QString WithShortcut(const std::string& text, ECommand command)
{
    const QString shortcut = ShortcutText(command);
    QString full = QString::fromStdString(text);
    if (!shortcut.isEmpty())
        full += u'\t' + shortcut;
    return full;
}

bool HasRoutes(const CCarouselDoc& document)
{
    return document.GetNetwork().GetRoutes().GetCount() > 0;
}
} // namespace

CCommandState CommandState(ECommand command, const CCommandContext& context)
{
    CCommandState state;
    state.text = QString::fromUtf8(CommandInfo(command).text);
    const CCarouselDoc* document = context.document;
    const std::optional<CNetworkViewStatus>& view = context.networkView;
    const bool viewActive = document && view;
    const bool zoomable = viewActive && view->zoomable;

    switch (command) {
    case ECommand::FileNew:
    case ECommand::FileOpen:
    case ECommand::PrintSetup:
    case ECommand::Exit:
    case ECommand::ProgramOptions:
    case ECommand::DefaultOptions:
    case ECommand::GraphicsOptions:
    case ECommand::CheckForProgramUpdates:
    case ECommand::About:
        state.enabled = true;
        break;
    case ECommand::FileClose:
    case ECommand::FileSave:
    case ECommand::FileSaveAs:
    case ECommand::NetworkDiagramDxfExport:
    case ECommand::CopyDiagramToClipboard:
    case ECommand::ShowNetworkView:
    case ECommand::ShowTrafficFlowsView:
    case ECommand::ReportBuilder:
    case ECommand::EditProjectInformation:
    case ECommand::EditNetworkGraphicsSettings:
    case ECommand::BuildRoutes:
    case ECommand::WindowCascade:
    case ECommand::WindowTile:
        state.enabled = document != nullptr;
        break;
    case ECommand::Undo:
        state.enabled = document && document->CanUndo() && !(view && view->interacting);
        state.text = WithShortcut(document ? document->GetUndoMenuText() : "Can't Undo", command);
        break;
    case ECommand::Redo:
        state.enabled = document && document->CanRedo() && !(view && view->interacting);
        state.text = WithShortcut(document ? document->GetRedoMenuText() : "Can't Redo", command);
        break;
    case ECommand::HighlightFilteredRoutes:
        state.enabled = document != nullptr;
        state.checked = document && document->IsHighlightFilteredRoutes();
        break;
    case ECommand::ShowODMatrix:
        state.enabled = document != nullptr;
        state.checked = document && document->IsODMatrixShown();
        break;
    // Printing: the network view prints, and only pages that exist
    case ECommand::Print:
    case ECommand::PrintPreview:
        state.enabled = viewActive && document->GetData().printPages.GetCount() > 0;
        break;
    case ECommand::DraftPrintEntireNetwork:
        state.enabled = viewActive;
        break;
    case ECommand::AutomaticallyRebuildRoutes:
        state.enabled = document != nullptr;
        state.checked = document && document->IsAutoRebuildRoutes();
        break;
    case ECommand::ZoomIn:
    case ECommand::ZoomMax:
        state.enabled = zoomable && view->zoom < MaxZoom;
        break;
    case ECommand::ZoomOut:
    case ECommand::ZoomMin:
        state.enabled = zoomable && view->zoom > MinZoom;
        break;
    case ECommand::ZoomToFit:
        state.enabled = zoomable && view->hasBounds;
        break;
    case ECommand::DisplayGrid:
        state.enabled = viewActive;
        state.checked = context.program && context.program->CurDisplayGrid;
        break;
    case ECommand::SnapToGrid:
        state.enabled = viewActive;
        state.checked = context.program && context.program->CurSnapToGrid;
        break;
    case ECommand::BalanceLaneFlowsOnAllEntryArms:
    case ECommand::MakeCircularRoutesNonPermitted:
    case ECommand::DeleteAllRoutes:
        state.enabled = viewActive && HasRoutes(*document);
        break;
    case ECommand::DeleteSelectedRoute:
        state.enabled = viewActive && !document->GetSelectedRoutes().empty();
        break;
    // Network view editing
    case ECommand::AddArm:
    case ECommand::AddZone:
    case ECommand::AddLabel:
    case ECommand::AddCapacityAssessor:
    case ECommand::BalanceLaneFlowsOnSelectedArm:
        state.enabled = viewActive && view->isEnabled && view->isEnabled(*ViewCommandOf(command));
        break;
    }
    return state;
}
