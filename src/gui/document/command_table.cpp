// The command table of the main window.
#include "document/command_table.h"

#include <QString>
#include <algorithm>
#include <array>
#include <stdexcept>

namespace
{
using K = QKeySequence;

// The shown key comes first; Ctrl+= is Ctrl++ without the shift key.
const std::array<CCommandInfo, 46> Table{{
    {ECommand::FileNew, "&New\tCtrl+N", {K(Qt::CTRL | Qt::Key_N)}, false, EToolBar::Main},
    {ECommand::FileOpen, "&Open...\tCtrl+O", {K(Qt::CTRL | Qt::Key_O)}, false, EToolBar::Main},
    {ECommand::FileClose, "&Close", {}, false, EToolBar::None},
    {ECommand::FileSave, "&Save\tCtrl+S", {K(Qt::CTRL | Qt::Key_S)}, false, EToolBar::Main},
    {ECommand::FileSaveAs, "Save &As...", {}, false, EToolBar::None},
    {ECommand::NetworkDiagramDxfExport, "Network Diagram DXF Export...", {}, false, EToolBar::None},
    {ECommand::PrintSetup, "P&rint Setup...", {}, false, EToolBar::None},
    // Printing
    {ECommand::Print, "&Print...\tCtrl+P", {K(Qt::CTRL | Qt::Key_P)}, false, EToolBar::None},
    {ECommand::PrintPreview, "Print Pre&view", {}, false, EToolBar::None},
    {ECommand::DraftPrintEntireNetwork,
     "Draft Print Entire Network...",
     {},
     false,
     EToolBar::None},
    {ECommand::Exit, "E&xit\tCtrl+Q", {K(Qt::CTRL | Qt::Key_Q)}, false, EToolBar::None},
    {ECommand::Undo,
     "Can't Undo\tCtrl+Z",
     {K(Qt::CTRL | Qt::Key_Z)},
     false,
     EToolBar::Main,
     "Undo"},
    {ECommand::Redo,
     "Can't Redo\tCtrl+Y",
     {K(Qt::CTRL | Qt::Key_Y), K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
     false,
     EToolBar::Main,
     "Redo"},
    // Ctrl+C belongs to the network view alone: the tables copy their cells with it.
    {ECommand::CopyDiagramToClipboard,
     "Copy Diagram To Clipboard\tCtrl+C",
     {},
     false,
     EToolBar::Main,
     "Copy"},
    {ECommand::ShowNetworkView, "Show Network View", {}, false, EToolBar::Flow, "Network"},
    {ECommand::ShowTrafficFlowsView, "Show Traffic Flows View", {}, false, EToolBar::Flow, "Flows"},
    {ECommand::ReportBuilder, "Report Builder...", {}, false, EToolBar::Flow, "Reports"},
    {ECommand::ZoomIn,
     "Zoom In\tCtrl++",
     {K(Qt::CTRL | Qt::Key_Plus), K(Qt::CTRL | Qt::Key_Equal)},
     false,
     EToolBar::Zoom,
     "In"},
    {ECommand::ZoomOut,
     "Zoom Out\tCtrl+-",
     {K(Qt::CTRL | Qt::Key_Minus)},
     false,
     EToolBar::Zoom,
     "Out"},
    {ECommand::ZoomToFit,
     "Zoom To Fit\tCtrl+0",
     {K(Qt::CTRL | Qt::Key_0)},
     false,
     EToolBar::Zoom,
     "Fit"},
    {ECommand::ZoomMax, "Zoom Max", {}, false, EToolBar::Zoom, "Max"},
    {ECommand::ZoomMin, "Zoom Min", {}, false, EToolBar::Zoom, "Min"},
    {ECommand::DisplayGrid, "Display Grid", {}, true, EToolBar::Network, "Grid"},
    {ECommand::SnapToGrid, "Snap To Grid", {}, true, EToolBar::Network, "Snap"},
    {ECommand::ShowODMatrix,
     "Show OD Matrix in Network View",
     {},
     true,
     EToolBar::Network,
     "OD Matrix"},
    {ECommand::HighlightFilteredRoutes,
     "Highlight Filtered Routes",
     {},
     true,
     EToolBar::Routes,
     "Highlight"},
    {ECommand::EditProjectInformation, "Edit Project Information...", {}, false, EToolBar::None},
    {ECommand::EditNetworkGraphicsSettings,
     "Edit Network Graphics Settings...",
     {},
     false,
     EToolBar::None},
    {ECommand::BuildRoutes, "Build Routes", {}, false, EToolBar::Routes, "Build"},
    {ECommand::AutomaticallyRebuildRoutes,
     "Automatically Rebuild Routes",
     {},
     true,
     EToolBar::Routes,
     "Auto Build"},
    {ECommand::BalanceLaneFlowsOnAllEntryArms,
     "Balance Lane Flows on All Entry Arms",
     {},
     false,
     EToolBar::Routes,
     "Balance"},
    {ECommand::MakeCircularRoutesNonPermitted,
     "Make Any Existing Circular Routes Non-Permitted",
     {},
     false,
     EToolBar::Routes,
     "No Circular"},
    {ECommand::DeleteAllRoutes, "Delete All Routes", {}, false, EToolBar::Routes, "Delete All"},
    {ECommand::DeleteSelectedRoute, "Delete the Selected Route", {}, false, EToolBar::None},
    {ECommand::ProgramOptions, "Program Options...", {}, false, EToolBar::None},
    {ECommand::DefaultOptions, "Default Options...", {}, false, EToolBar::None},
    {ECommand::GraphicsOptions, "Graphics Options...", {}, false, EToolBar::None},
    {ECommand::WindowCascade, "&Cascade", {}, false, EToolBar::None},
    {ECommand::WindowTile, "&Tile", {}, false, EToolBar::None},
    {ECommand::CheckForProgramUpdates, "Check For Program Updates...", {}, false, EToolBar::None},
    {ECommand::About, "&About Gyrolith...", {}, false, EToolBar::None},
    // Network view editing
    {ECommand::AddArm, "Add Arm...", {}, false, EToolBar::Network, "Arm"},
    {ECommand::AddZone, "Add Zone...", {}, false, EToolBar::Network, "Zone"},
    {ECommand::AddLabel, "Add Label...", {}, false, EToolBar::Network, "Label"},
    {ECommand::AddCapacityAssessor,
     "Add Capacity Assessor...",
     {},
     false,
     EToolBar::Network,
     "Assessor"},
    {ECommand::BalanceLaneFlowsOnSelectedArm,
     "Balance Lane Flows on Selected Arm",
     {},
     false,
     EToolBar::None},
}};
} // namespace

std::span<const CCommandInfo> Commands()
{
    return Table;
}

const CCommandInfo& CommandInfo(ECommand command)
{
    const auto it = std::find_if(Table.begin(), Table.end(),
                                 [command](const CCommandInfo& i) { return i.command == command; });
    if (it == Table.end())
        throw std::logic_error("command missing from the table");
    return *it;
}

const char* ToolBarTitle(EToolBar toolBar)
{
    switch (toolBar) {
    case EToolBar::Main:
        return "Main";
    case EToolBar::Zoom:
        return "Zoom";
    case EToolBar::Routes:
        return "Routes";
    case EToolBar::Network:
        return "Network";
    case EToolBar::Flow:
        return "Flow";
    case EToolBar::None:
        break;
    }
    return "";
}

QString ShortcutText(ECommand command)
{
    const QString text = QString::fromUtf8(CommandInfo(command).text);
    const qsizetype tab = text.indexOf(u'\t');
    return tab < 0 ? QString() : text.mid(tab + 1);
}

std::optional<EViewCommand> ViewCommandOf(ECommand command)
{
    switch (command) {
    case ECommand::AddArm:
        return EViewCommand::AddArm;
    case ECommand::AddZone:
        return EViewCommand::AddZone;
    case ECommand::AddLabel:
        return EViewCommand::AddLabel;
    case ECommand::AddCapacityAssessor:
        return EViewCommand::AddCapacityAssessor;
    case ECommand::BalanceLaneFlowsOnSelectedArm:
        return EViewCommand::BalanceLaneFlowsOnSelectedArm;
    default:
        return std::nullopt;
    }
}
