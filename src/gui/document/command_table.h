// The main window's commands: their menu texts, shortcuts and toolbars.
#pragma once

#include "editing/view_commands.h"

#include <QKeySequence>
#include <QList>
#include <optional>
#include <span>

// Every command of the menus and toolbars that the main window owns. The network view's own
// editing commands come with the view and are not listed here.
enum class ECommand
{
    // File
    FileNew,
    FileOpen,
    FileClose,
    FileSave,
    FileSaveAs,
    NetworkDiagramDxfExport,
    PrintSetup,
    // Printing
    Print,
    PrintPreview,
    DraftPrintEntireNetwork,
    Exit,
    // Edit
    Undo,
    Redo,
    CopyDiagramToClipboard,
    // View
    ShowNetworkView,
    ShowTrafficFlowsView,
    ReportBuilder,
    ZoomIn,
    ZoomOut,
    ZoomToFit,
    ZoomMax,
    ZoomMin,
    DisplayGrid,
    SnapToGrid,
    ShowODMatrix,
    HighlightFilteredRoutes,
    // Network
    EditProjectInformation,
    EditNetworkGraphicsSettings,
    // Routes
    BuildRoutes,
    AutomaticallyRebuildRoutes,
    BalanceLaneFlowsOnAllEntryArms,
    MakeCircularRoutesNonPermitted,
    DeleteAllRoutes,
    DeleteSelectedRoute,
    // Options
    ProgramOptions,
    DefaultOptions,
    GraphicsOptions,
    // Window and Help
    WindowCascade,
    WindowTile,
    CheckForProgramUpdates,
    About,
    // Network view editing: the active network view's own commands
    AddArm,
    AddZone,
    AddLabel,
    AddCapacityAssessor,
    BalanceLaneFlowsOnSelectedArm,
};

// The five toolbars, in the order they are docked along the top.
enum class EToolBar
{
    None,
    Main,
    Zoom,
    Routes,
    Network,
    Flow,
};

// One command: its menu text (after a tab, the shortcut it shows), the keys that run it (the
// first is the one shown), whether it carries a check mark, which toolbar shows it and, for a
// button without an icon, a short text that keeps the five toolbars side by side on one row
// (the menu text is the button's tooltip). Undo and Redo change their text with the history;
// this is their text with nothing to undo.
struct CCommandInfo
{
    ECommand command;
    const char* text;
    QList<QKeySequence> keys;
    bool checkable;
    EToolBar toolBar;
    const char* buttonText = nullptr;
};

std::span<const CCommandInfo> Commands();
const CCommandInfo& CommandInfo(ECommand command);
// The toolbar's window title: "Main", "Zoom", "Routes", "Network" or "Flow".
const char* ToolBarTitle(EToolBar toolBar);
// The text after the tab of a command's menu text; empty when it has none.
QString ShortcutText(ECommand command);
// The network view's command a command of the main window runs; none for the window's own.
std::optional<EViewCommand> ViewCommandOf(ECommand command);
