#include "editing/view_commands.h"

#include "model/label.h"
#include "model/network.h"
#include "tables/capacity_assessor_dialog.h"
#include "tables/edit_lane_dialog.h"
#include "view/network_view_state.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace
{

using C = EViewCommand;

constexpr std::array Commands{
    CViewCommandInfo{C::AddArm, "Add Arm...", nullptr, "Add Arm"},
    CViewCommandInfo{C::EditArm, "Edit Arm...", nullptr, "Edit Arm"},
    CViewCommandInfo{C::DeleteArm, "Delete Arm", "Are you sure you want to Delete this Arm?",
                     "Delete Arm"},
    CViewCommandInfo{C::AddShortLaneToLeft, "Add Short Lane To Left", nullptr,
                     "Add Short Lane To Left"},
    CViewCommandInfo{C::AddShortLaneToRight, "Add Short Lane To Right", nullptr,
                     "Add Short Lane To Right"},
    CViewCommandInfo{C::AddInfinitelyLongLaneToLeft, "Add Infinitely Long Lane to Left", nullptr,
                     "Add Infintely Long Lane To Left"},
    CViewCommandInfo{C::AddInfinitelyLongLaneToRight, "Add Infinitely Long Lane to Right", nullptr,
                     "Add Infintely Long Lane To Right"},
    CViewCommandInfo{C::EditShortLane, "Edit Short Lane...", nullptr, "Edit Short Lane"},
    CViewCommandInfo{C::ConvertToInfinitelyLongLane, "Convert to Infinitely Long Lane", nullptr,
                     "Convert To Infinitely Long Lane"},
    CViewCommandInfo{C::ConvertToShortLane, "Convert to Short Lane...", nullptr,
                     "Convert To Short Lane"},
    CViewCommandInfo{C::DeleteLane, "Delete Lane", "Are you sure you want to Delete this Lane ? ",
                     "Delete Lane"},
    CViewCommandInfo{C::AddOutgoingLaneConnector, "Add Outgoing Lane Connector...", nullptr,
                     "Add Lane Connector"},
    CViewCommandInfo{C::AddIncomingLaneConnector, "Add Incoming Lane Connector...", nullptr,
                     "Add Lane Connector"},
    CViewCommandInfo{C::DeleteConnector, "Delete Connector",
                     "Are you sure you want to Delete this Lane Connector ?",
                     "Delete Lane Connector"},
    CViewCommandInfo{C::AddZone, "Add Zone...", nullptr, "Add Zone"},
    CViewCommandInfo{C::EditZone, "Edit Zone...", nullptr, "Edit Zone"},
    CViewCommandInfo{C::DeleteZone, "Delete Zone", "Are you sure you want to Delete this Zone ?",
                     "Delete Zone"},
    CViewCommandInfo{C::AddLabel, "Add Label...", nullptr, "Add Label"},
    CViewCommandInfo{C::EditLabel, "Edit Label...", nullptr, "Edit Label"},
    CViewCommandInfo{C::DeleteLabel, "Delete Label", "Are you sure you want to Delete this Label ?",
                     "Delete Label"},
    CViewCommandInfo{C::AddCapacityAssessor, "Add Capacity Assessor...", nullptr,
                     "Add Capacity Assessor"},
    CViewCommandInfo{C::EditCapacityAssessor, "Edit Capacity Assessor...", nullptr,
                     "Edit Capacity Assessor"},
    CViewCommandInfo{C::DeleteCapacityAssessor, "Delete Capacity Assessor",
                     "Are you sure you want to delete this Capacity Assessor?",
                     "Delete Capacity Assessor"},
    CViewCommandInfo{C::BalanceLaneFlowsOnSelectedArm, "Balance Lane Flows on Selected Arm",
                     nullptr, "Balance Lane Flows On Arm"},
    CViewCommandInfo{C::BalanceLaneFlowsOnAllEntryArms, "Balance Lane Flows on All Entry Arms",
                     nullptr, "Balance Lane Flows On All Arms"},
    CViewCommandInfo{C::DeleteAllRoutes, "Delete All Routes",
                     "Are you sure you want to delete all routes ?", "Delete All Routes"},
    CViewCommandInfo{C::MakeCircularRoutesNonPermitted,
                     "Make Any Existing Circular Routes Non-Permitted", nullptr,
                     "Make Circular Routes Non-Permitted"},
    CViewCommandInfo{C::DisplayGrid, "Display Grid", nullptr, nullptr},
    CViewCommandInfo{C::SnapToGrid, "Snap To Grid", nullptr, nullptr},
    CViewCommandInfo{C::PrintLayoutMode, "Print Layout Mode", nullptr, nullptr},
    CViewCommandInfo{C::CopyDiagramToClipboard, "Copy Diagram To Clipboard", nullptr, nullptr},
    CViewCommandInfo{C::NetworkDiagramDxfExport, "Network Diagram DXF Export...", nullptr, nullptr},
};

constexpr std::array BackgroundMenu{
    CMenuItem{C::AddArm, "Add Arm..."},
    CMenuItem{C::AddZone, "Add Zone..."},
    CMenuItem{C::AddLabel, "Add Label..."},
    CMenuItem{C::AddCapacityAssessor, "Add Capacity Assessor..."},
    CMenuItem{C::PrintLayoutMode, "Print Layout Mode"},
    CMenuItem{C::CopyDiagramToClipboard, "Copy Diagram To Clipboard"},
    CMenuItem{C::NetworkDiagramDxfExport, "Network Diagram DXF Export..."},
    CMenuItem{C::DisplayGrid, "Display Grid"},
    CMenuItem{C::SnapToGrid, "Snap To Grid"},
};
constexpr std::array ArmMenu{
    CMenuItem{C::EditArm, "Edit Arm..."},
    CMenuItem{C::DeleteArm, "Delete Arm"},
    CMenuItem{C::AddCapacityAssessor, "Add Capacity Assessor..."},
    CMenuItem{C::BalanceLaneFlowsOnSelectedArm, "Balance Lane Flows on Selected Arm"},
};
constexpr std::array LaneMenu{
    CMenuItem{C::AddShortLaneToLeft, "Add Short Lane To Left"},
    CMenuItem{C::AddShortLaneToRight, "Add Short Lane To Right"},
    CMenuItem{C::AddInfinitelyLongLaneToLeft, "Add Infinitely Long Lane to Left"},
    CMenuItem{C::AddInfinitelyLongLaneToRight, "Add Infinitely Long Lane to Right"},
    CMenuItem{C::EditShortLane, "Edit Short Lane..."},
    CMenuItem{C::ConvertToShortLane, "Convert to Short Lane..."},
    CMenuItem{C::ConvertToInfinitelyLongLane, "Convert to Infinitely Long Lane"},
    CMenuItem{C::DeleteLane, "Delete Lane"},
    CMenuItem{C::AddOutgoingLaneConnector, "Add Outgoing Connector"},
    CMenuItem{C::AddIncomingLaneConnector, "Add Incoming Connector"},
};
// The connector menu's "Edit Connector..." has no command behind it and is left out.
constexpr std::array ConnectorMenu{CMenuItem{C::DeleteConnector, "Delete Connector"}};
constexpr std::array ZoneMenu{CMenuItem{C::EditZone, "Edit Zone..."},
                              CMenuItem{C::DeleteZone, "Delete Zone"}};
constexpr std::array LabelMenu{CMenuItem{C::EditLabel, "Edit Label..."},
                               CMenuItem{C::DeleteLabel, "Delete Label"}};
constexpr std::array AssessorMenu{CMenuItem{C::EditCapacityAssessor, "Edit Capacity Assessor..."},
                                  CMenuItem{C::DeleteCapacityAssessor, "Delete Capacity Assessor"}};

bool Has(const CViewCommandContext& context, ESelectionKind kind)
{
    return context.selection.GetSelectionKind() == kind;
}

bool IsSelectedObjectThere(const CViewCommandContext& context, ESelectionKind kind)
{
    if (!Has(context, kind)) {
        return false;
    }
    const CNetwork& network = context.network;
    const std::uint32_t id = context.selection.GetSelectedId();
    switch (kind) {
    case ESelectionKind::Zone:
        return network.GetZones().GetZoneById(id) != nullptr;
    case ESelectionKind::Label:
        return context.labels.GetLabelById(id) != nullptr;
    case ESelectionKind::CapacityAssessor:
        return network.GetCapacityAssessors().GetCapacityAssessorById(id) != nullptr;
    default:
        return true;
    }
}

// A lane-change connector either way between the lane and its neighbour.
bool JoinedWith(const CLane& lane, const CLane* neighbour)
{
    return neighbour != nullptr &&
           (lane.HasIncomingFrom(*neighbour) || neighbour->HasIncomingFrom(lane));
}

// A lane change from the lane into its neighbour: the neighbour hangs on it.
bool Feeds(const CLane& lane, const CLane* neighbour)
{
    return neighbour != nullptr && neighbour->HasIncomingFrom(lane);
}

bool CanAddZone(const CNetwork& network)
{
    if (network.GetZones().GetCount() >= CZones::MaxZones) {
        return false;
    }
    const CArms& arms = network.GetArms();
    for (std::uint32_t n = 1; n <= arms.GetCount(); ++n) {
        const CArm* arm = arms.GetArm(n);
        if (arm->GetZone() == nullptr && arm->GetKind() != ArmKind::Circulatory) {
            return true;
        }
    }
    return false;
}

bool HasRoutes(const CNetwork& network)
{
    return network.GetRoutes().GetRouteCount() > 0;
}

} // namespace

std::span<const CViewCommandInfo> ViewCommands()
{
    return Commands;
}

const CViewCommandInfo& ViewCommandInfo(EViewCommand command)
{
    const auto it =
        std::find_if(Commands.begin(), Commands.end(),
                     [command](const CViewCommandInfo& i) { return i.command == command; });
    if (it == Commands.end()) {
        throw std::logic_error("view command without an entry");
    }
    return *it;
}

CArm* SelectedArm(const CViewCommandContext& context)
{
    return Has(context, ESelectionKind::Arm)
               ? context.network.GetArms().GetArmById(context.selection.GetSelectedId())
               : nullptr;
}

CCapacityLane* SelectedLane(const CViewCommandContext& context)
{
    const CLaneSet& lanes = context.selection.GetSelectedLanes();
    return Has(context, ESelectionKind::Lanes) && lanes.GetCount() == 1 ? lanes.First() : nullptr;
}

CArm* ProposedAssessorArm(const CViewCommandContext& context)
{
    if (CArm* arm = SelectedArm(context)) {
        return arm;
    }
    const CCapacityLane* lane = SelectedLane(context);
    return lane != nullptr ? lane->GetArm() : nullptr;
}

bool IsViewCommandEnabled(EViewCommand command, const CViewCommandContext& context)
{
    const CNetwork& network = context.network;
    const CCapacityLane* lane = SelectedLane(context);
    switch (command) {
    case C::AddArm:
        return network.GetArms().GetCount() < CArms::MaxArms;
    case C::EditArm:
    case C::DeleteArm:
        return SelectedArm(context) != nullptr;
    case C::AddShortLaneToLeft:
    case C::AddShortLaneToRight:
        return lane != nullptr;
    case C::AddInfinitelyLongLaneToLeft:
        return lane != nullptr && !JoinedWith(*lane, lane->GetLeftNeighbour());
    case C::AddInfinitelyLongLaneToRight:
        return lane != nullptr && !JoinedWith(*lane, lane->GetRightNeighbour());
    case C::EditShortLane:
    case C::ConvertToInfinitelyLongLane:
        return lane != nullptr && lane->IsShort();
    case C::ConvertToShortLane:
        return lane != nullptr && !lane->IsShort() &&
               (CDlgEditLaneModel::CanFeedConvertedLane(*lane, lane->GetLeftNeighbour()) ||
                CDlgEditLaneModel::CanFeedConvertedLane(*lane, lane->GetRightNeighbour()));
    case C::DeleteLane:
        return lane != nullptr && (lane->IsShort() || (!Feeds(*lane, lane->GetLeftNeighbour()) &&
                                                       !Feeds(*lane, lane->GetRightNeighbour())));
    case C::AddOutgoingLaneConnector:
        return lane != nullptr && !IsZoneDestinationArm(*lane->GetArm());
    case C::AddIncomingLaneConnector:
        return lane != nullptr && !IsZoneOriginArm(*lane->GetArm());
    case C::DeleteConnector:
        return Has(context, ESelectionKind::Connector);
    case C::AddZone:
        return CanAddZone(network);
    case C::EditZone:
    case C::DeleteZone:
        return IsSelectedObjectThere(context, ESelectionKind::Zone);
    case C::AddLabel:
        return context.labels.GetCount() < CLabels::MaxLabels;
    case C::EditLabel:
    case C::DeleteLabel:
        return IsSelectedObjectThere(context, ESelectionKind::Label);
    case C::AddCapacityAssessor:
        return CDlgCapacityAssessorModel::CanAdd(network, ProposedAssessorArm(context));
    case C::EditCapacityAssessor:
    case C::DeleteCapacityAssessor:
        return IsSelectedObjectThere(context, ESelectionKind::CapacityAssessor);
    case C::BalanceLaneFlowsOnSelectedArm: {
        const CArm* arm = SelectedArm(context);
        return arm != nullptr && arm->GetKind() == ArmKind::Entry;
    }
    case C::BalanceLaneFlowsOnAllEntryArms:
    case C::DeleteAllRoutes:
    case C::MakeCircularRoutesNonPermitted:
        return HasRoutes(network);
    case C::DisplayGrid:
    case C::SnapToGrid:
    case C::PrintLayoutMode:
    case C::CopyDiagramToClipboard:
    case C::NetworkDiagramDxfExport:
        return true;
    }
    return false;
}

EPopupMenu PopupMenuFor(const CNetworkViewState& selection)
{
    switch (selection.GetSelectionKind()) {
    case ESelectionKind::Arm:
        return EPopupMenu::Arm;
    case ESelectionKind::Lanes:
        return selection.GetSelectedLanes().GetCount() == 1 ? EPopupMenu::Lane
                                                            : EPopupMenu::Background;
    case ESelectionKind::Connector:
        return EPopupMenu::Connector;
    case ESelectionKind::Zone:
        return EPopupMenu::Zone;
    case ESelectionKind::Label:
        return EPopupMenu::Label;
    case ESelectionKind::CapacityAssessor:
        return EPopupMenu::CapacityAssessor;
    default:
        return EPopupMenu::Background;
    }
}

const char* PopupMenuName(EPopupMenu menu)
{
    switch (menu) {
    case EPopupMenu::Arm:
        return "POP_ARM";
    case EPopupMenu::Lane:
        return "POP_LANE";
    case EPopupMenu::Connector:
        return "POP_LC";
    case EPopupMenu::Zone:
        return "POP_ZONE";
    case EPopupMenu::Label:
        return "POP_LABEL";
    case EPopupMenu::CapacityAssessor:
        return "POP_CAPASS";
    case EPopupMenu::Background:
        break;
    }
    return "POP_BACKGROUND";
}

std::span<const CMenuItem> PopupMenuItems(EPopupMenu menu)
{
    switch (menu) {
    case EPopupMenu::Arm:
        return ArmMenu;
    case EPopupMenu::Lane:
        return LaneMenu;
    case EPopupMenu::Connector:
        return ConnectorMenu;
    case EPopupMenu::Zone:
        return ZoneMenu;
    case EPopupMenu::Label:
        return LabelMenu;
    case EPopupMenu::CapacityAssessor:
        return AssessorMenu;
    case EPopupMenu::Background:
        break;
    }
    return BackgroundMenu;
}

std::optional<EViewCommand> DoubleClickCommand(const CViewCommandContext& context)
{
    if (SelectedArm(context) != nullptr) {
        return C::EditArm;
    }
    if (IsSelectedObjectThere(context, ESelectionKind::Zone)) {
        return C::EditZone;
    }
    if (IsSelectedObjectThere(context, ESelectionKind::CapacityAssessor)) {
        return C::EditCapacityAssessor;
    }
    if (IsSelectedObjectThere(context, ESelectionKind::Label)) {
        return C::EditLabel;
    }
    const CCapacityLane* lane = SelectedLane(context);
    if (lane != nullptr && lane->IsShort()) {
        return C::EditShortLane;
    }
    return std::nullopt;
}
