// The network view's commands as data: menu texts, enable rules, confirmations and undo names,
// the context menus and what a double click edits.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

class CArm;
class CCapacityLane;
class CLabels;
class CNetwork;
class CNetworkViewState;

enum class EViewCommand
{
    AddArm,
    EditArm,
    DeleteArm,
    AddShortLaneToLeft,
    AddShortLaneToRight,
    AddInfinitelyLongLaneToLeft,
    AddInfinitelyLongLaneToRight,
    EditShortLane,
    ConvertToInfinitelyLongLane,
    ConvertToShortLane,
    DeleteLane,
    AddOutgoingLaneConnector,
    AddIncomingLaneConnector,
    DeleteConnector,
    AddZone,
    EditZone,
    DeleteZone,
    AddLabel,
    EditLabel,
    DeleteLabel,
    AddCapacityAssessor,
    EditCapacityAssessor,
    DeleteCapacityAssessor,
    BalanceLaneFlowsOnSelectedArm,
    BalanceLaneFlowsOnAllEntryArms,
    DeleteAllRoutes,
    MakeCircularRoutesNonPermitted,
    DisplayGrid,
    SnapToGrid,
    // The window's own, listed in the background menu.
    PrintLayoutMode,
    CopyDiagramToClipboard,
    NetworkDiagramDxfExport,
};

// A command's menu text, the question asked before it runs (none: it just runs) and the name
// of the undo step it makes (none: it changes nothing stored).
struct CViewCommandInfo
{
    EViewCommand command;
    const char* text;
    const char* confirmation;
    const char* undoName;
};

std::span<const CViewCommandInfo> ViewCommands();
const CViewCommandInfo& ViewCommandInfo(EViewCommand command);

// What the enable rules read: the network and labels shown and the view's selection.
struct CViewCommandContext
{
    const CNetwork& network;
    const CLabels& labels;
    const CNetworkViewState& selection;
};

// The selected arm, the one selected lane and the arm proposed to a new capacity assessor (the
// selected arm, or the arm of the selected lane); none otherwise.
CArm* SelectedArm(const CViewCommandContext& context);
CCapacityLane* SelectedLane(const CViewCommandContext& context);
CArm* ProposedAssessorArm(const CViewCommandContext& context);

// Whether the command is enabled (greyed out otherwise). The window's own commands and the two
// grid switches are always enabled.
bool IsViewCommandEnabled(EViewCommand command, const CViewCommandContext& context);

// The context menus, chosen by the selection.
enum class EPopupMenu
{
    Arm,
    Lane,
    Connector,
    Zone,
    Label,
    CapacityAssessor,
    Background,
};

// One item of a context menu: the command and the text the menu gives it.
struct CMenuItem
{
    EViewCommand command;
    const char* text;
};

// An arm, one lane, a connector, a zone, a label, a capacity assessor, in that order; else the
// background menu.
EPopupMenu PopupMenuFor(const CNetworkViewState& selection);
// "POP_ARM", "POP_LANE", ...
const char* PopupMenuName(EPopupMenu menu);
std::span<const CMenuItem> PopupMenuItems(EPopupMenu menu);

// What a double click edits: the selected arm, zone, capacity assessor or label, in that
// order, or the one selected lane when it is short; none otherwise.
std::optional<EViewCommand> DoubleClickCommand(const CViewCommandContext& context);
