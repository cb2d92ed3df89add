// The document's commands: checkpoint first, then the model, then views and the modified flag.
// Each command first brings its values to what the network file holds (as the reader would) or
// refuses them with a message, so that every state it leaves can be saved and undone.
#include "cardfile/field_ranges.h"
#include "cardfile/flow_cards.h"
#include "document/carousel_doc.h"
#include "settings/program_settings.h"
#include "model/capacity_assessor.h"
#include "model/capacity_lane.h"
#include "model/carousel_lane_connector.h"
#include "model/lane.h"
#include "printing/print_page_layout.h"
#include "graph/feedback.h"
#include "routing/flow_group_commands.h"
#include "model/lane_edits.h"
#include "routing/lane_flow_balancer.h"
#include "routing/route_commands.h"
#include "model/route_flows.h"

#include <algorithm>
#include <cmath>

namespace
{

// An arm may become the zone's entry (or exit) arm: none, the one it has in that role, or an
// arm free of other zones and of a suitable kind. Checked before the checkpoint, so that a
// refusal leaves no half-made edit.
bool CanServeZone(const CZone& zone, const CArm* arm, bool entry)
{
    if (!arm || arm == (entry ? zone.GetEntryArm() : zone.GetExitArm()))
        return true;
    if (arm->GetZone() && arm->GetZone() != &zone)
        return false;
    const ArmKind kind = arm->GetKind();
    return kind == ArmKind::Unconnected || kind == (entry ? ArmKind::Entry : ArmKind::Exit);
}

// An arm may carry the assessor: none, one it holds already, or one without an assessor.
bool CanCarryAssessor(const CCapacityAssessor* assessor, const CArm* arm)
{
    return !arm || !arm->GetCapacityAssessor() || arm->GetCapacityAssessor() == assessor;
}

} // namespace

bool CCarouselDoc::Accept(const CValidationResult& result) const
{
    if (!result)
        Message(result.message);
    return result.accepted;
}

void CCarouselDoc::RebuildRoutesIfAutomatic()
{
    if (m_autoRebuildRoutes && !GetNetwork().GetRoutes().DiscoverRoutes(nullptr))
        Message(TooManyRoutesMessage());
}

void CCarouselDoc::ToggleHighlightFilteredRoutes()
{
    m_highlightFilteredRoutes = !m_highlightFilteredRoutes;
    Changed(HintRedraw);
}

bool CCarouselDoc::ToggleODMatrixShown()
{
    if (!Checkpoint(m_data->odMatrixShown ? "Hide OD Matrix" : "Show OD Matrix"))
        return false;
    m_data->odMatrixShown = !m_data->odMatrixShown;
    Changed(HintRedraw);
    return true;
}

bool CCarouselDoc::EndLongCommand(const CFeedback* feedback, bool untouched)
{
    if (!IsCancelled(feedback)) {
        CommitCheckpoint();
        return true;
    }
    if (untouched) {
        CancelCheckpoint();
    } else {
        const bool modified = m_modified;
        RollBackToPendingCheckpoint();
        SetModifiedFlag(modified);
    }
    return false;
}

bool CCarouselDoc::ToggleAutoRebuildRoutes(CFeedback* feedback)
{
    if (m_autoRebuildRoutes) {
        m_autoRebuildRoutes = false;
        return true;
    }
    m_autoRebuildRoutes = true;
    if (!BuildRoutes(feedback))
        m_autoRebuildRoutes = false;
    return m_autoRebuildRoutes;
}

bool CCarouselDoc::BuildRoutes(CFeedback* feedback)
{
    if (!BeginCheckpoint("Build Routes"))
        return false;
    // A search that stopped, cancelled or at the route limit, has taken back what it added.
    const bool built = ::BuildRoutes(GetNetwork(), feedback).has_value();
    if (!built && !IsCancelled(feedback)) {
        CancelCheckpoint();
        Message(TooManyRoutesMessage());
        return false;
    }
    if (!EndLongCommand(feedback, !built))
        return false;
    Changed(HintRoutesChanged);
    return true;
}

bool CCarouselDoc::EditNetworkSettings(const CProjectInformation& project,
                                       const NetworkSettings& settings)
{
    NetworkSettings stored = settings;
    if (stored.GridSize == 0)
        stored.GridSize = 100; // as the reader takes a grid size of 0
    const std::pair<const char*, std::int32_t> numbers[] = {
        {"arm text height", stored.ArmTextHeight},
        {"zone text height", stored.ZoneTextHeight},
        {"capacity assessor text height", stored.CapacityAssessorTextHeight},
        {"OD matrix text height", stored.ODMatrixTextHeight},
        {"grid size", stored.GridSize},
    };
    for (const auto& [field, value] : numbers)
        if (!Accept(CheckFieldRange(field, value, kFiveColumnRange)))
            return false;
    if (!Accept(CheckSingleLine("lane flow delimiter", stored.LaneFlowDelimiter)) ||
        !Accept(CheckFieldRange("lane flow delimiter length",
                                static_cast<long long>(stored.LaneFlowDelimiter.size()),
                                kFiveColumnUnsignedRange)))
        return false;
    if (!Checkpoint("Edit Network Settings"))
        return false;
    m_data->project = project;
    *m_settings = std::move(stored);
    Changed(HintRedraw);
    return true;
}

const CLaneFlowDisplay& CCarouselDoc::GetLaneFlowDisplay() const
{
    return m_data->laneFlows;
}

bool CCarouselDoc::RunLaneFlowDisplayCommand(LaneFlowDisplayCommand command)
{
    if (!Checkpoint(std::string(LaneFlowDisplayCommandName(command))))
        return false;
    ApplyLaneFlowDisplayCommand(m_data->laneFlows, command);
    Changed(HintDataChanged);
    return true;
}

bool CCarouselDoc::SetODMatrixFlowKind(int kind)
{
    if (kind < 0 || kind > 2)
        return false;
    m_data->odMatrix.SetKind(static_cast<ODFlowKind>(kind));
    UpdateAllViews(HintDataChanged);
    return true;
}

CArm* CCarouselDoc::BeginAddArm(std::uint32_t number, std::uint32_t laneCount)
{
    // The dialog offers 1..count + 1: an arm further on would first make the arms before it,
    // which cancelling the placement would not take away again.
    if (number < 1 || number > GetNetwork().GetArms().GetCount() + 1 ||
        !Accept(CheckFieldRange("number of lanes", laneCount, kFiveColumnUnsignedRange)) ||
        !BeginCheckpoint("Add Arm"))
        return nullptr;
    CArm* arm = GetNetwork().GetArms().InsertArm(number);
    if (!arm) {
        CancelCheckpoint();
        return nullptr;
    }
    for (std::uint32_t lane = 1; lane <= laneCount; ++lane)
        arm->GetLanes().InsertLane(lane);
    UpdateAllViews(HintRedraw);
    return arm;
}

void CCarouselDoc::CommitAddArm()
{
    CommitCheckpoint();
    Changed(HintRedraw);
}

void CCarouselDoc::CancelAddArm(CArm& arm)
{
    GetNetwork().GetArms().DeleteArm(arm.GetNumber());
    CancelCheckpoint();
    UpdateAllViews(HintRedraw);
}

bool CCarouselDoc::EditArm(CArm& arm, std::uint32_t number)
{
    if (number < 1 || number > GetNetwork().GetArms().GetCount() || !Checkpoint("Edit Arm"))
        return false;
    const bool moved = GetNetwork().GetArms().MoveArm(arm.GetNumber(), number);
    Changed(HintRedraw);
    return moved;
}

bool CCarouselDoc::DeleteArm(CArm& arm)
{
    if (!Checkpoint("Delete Arm"))
        return false;
    const bool deleted = GetNetwork().GetArms().DeleteArm(arm.GetNumber());
    NormaliseAllArms(GetNetwork());
    Changed(HintNetworkChanged);
    return deleted;
}

bool CCarouselDoc::MoveArm(CArm& arm, double dx, double dy)
{
    const CPlanPoint a{arm.GetFirstPoint().x + dx, arm.GetFirstPoint().y + dy};
    const CPlanPoint b{arm.GetSecondPoint().x + dx, arm.GetSecondPoint().y + dy};
    if (!Accept(CheckPlanPoint("arm", a.x, a.y)) || !Accept(CheckPlanPoint("arm", b.x, b.y)) ||
        !Checkpoint("Move Arm"))
        return false;
    arm.SetPoints(a, b);
    Changed(HintRedraw);
    return true;
}

CLane* CCarouselDoc::AddShortLane(CLane& selected, LaneSide side, std::int32_t length)
{
    if (!Accept(CheckFieldRange("short lane length", length, kShortLaneLengthRange)) ||
        !Checkpoint(side == LaneSide::Left ? "Add Short Lane To Left" : "Add Short Lane To Right"))
        return nullptr;
    // Which neighbour feeds the new lane is settled before it goes in between them.
    const bool toRight = side == LaneSide::Right;
    const bool fedFromTheLeft = NewShortLaneFeeder(selected, toRight) ==
                                (toRight ? &selected : selected.GetLeftNeighbour());
    CLanes& lanes = *selected.GetOwner();
    const std::uint32_t number = selected.GetNumber() + (side == LaneSide::Right ? 1 : 0);
    CLane* lane = lanes.InsertLane(number);
    if (!lane) {
        Changed(HintRedraw);
        return nullptr;
    }
    lane->SetLength(length); // runs the lane-changed notification when it differs from 9999
    CLane* feeder = fedFromTheLeft ? lane->GetLeftNeighbour() : lane->GetRightNeighbour();
    if (feeder && !lane->HasIncomingFrom(*feeder))
        GetNetwork().GetLaneConnectors().AddConnector(feeder, lane);
    Changed(HintRedraw);
    return lane;
}

CLane* CCarouselDoc::AddInfinitelyLongLane(CLane& selected, LaneSide side)
{
    if (!Checkpoint(side == LaneSide::Left ? "Add Infintely Long Lane To Left"
                                           : "Add Infintely Long Lane To Right"))
        return nullptr;
    const std::uint32_t number = selected.GetNumber() + (side == LaneSide::Right ? 1 : 0);
    CLane* lane = selected.GetOwner()->InsertLane(number);
    Changed(HintRedraw);
    return lane;
}

bool CCarouselDoc::EditShortLane(CLane& lane, std::int32_t length)
{
    if (!Accept(CheckFieldRange("short lane length", length, kShortLaneLengthRange)) ||
        !Checkpoint("Edit Short Lane"))
        return false;
    lane.SetLength(length);
    Changed(HintRedraw);
    return true;
}

bool CCarouselDoc::ConvertToInfinitelyLongLane(CLane& lane)
{
    if (!Checkpoint("Convert To Infinitely Long Lane"))
        return false;
    if (auto* capacityLane = dynamic_cast<CCapacityLane*>(&lane))
        ::ConvertToInfinitelyLongLane(*capacityLane);
    NormaliseAllArms(GetNetwork());
    Changed(HintNetworkChanged);
    return true;
}

bool CCarouselDoc::ConvertToShortLane(CLane& lane, CLane& neighbour, std::int32_t length)
{
    auto* shortLane = dynamic_cast<CCapacityLane*>(&lane);
    auto* parent = dynamic_cast<CCapacityLane*>(&neighbour);
    if (length != InfiniteLaneLength &&
        !Accept(CheckFieldRange("short lane length", length, kShortLaneLengthRange)))
        return false;
    if (!BeginCheckpoint("Convert To Short Lane"))
        return false;
    if (!shortLane || !parent || !::ConvertToShortLane(*shortLane, *parent, length)) {
        CancelCheckpoint();
        return false;
    }
    CommitCheckpoint();
    RebuildRoutesIfAutomatic();
    NormaliseAllArms(GetNetwork());
    Changed(HintNetworkChanged);
    return true;
}

bool CCarouselDoc::DeleteLane(CLane& lane)
{
    if (!Checkpoint("Delete Lane"))
        return false;
    const bool deleted = ::DeleteLane(*lane.GetArm(), lane.GetNumber());
    Changed(HintNetworkChanged);
    return deleted;
}

CCarouselLaneConnector* CCarouselDoc::AddLaneConnector(CLane& from, CLane& to)
{
    // The checkpoint opens with the drag and is kept only when the connector is made.
    if (!CanAddLaneConnector(&from, &to) || !Checkpoint("Add Lane Connector"))
        return nullptr;
    CCarouselLaneConnector* connector = GetNetwork().GetLaneConnectors().AddConnector(&from, &to);
    RebuildRoutesIfAutomatic();
    NormaliseAllArms(GetNetwork());
    Changed(HintNetworkChanged);
    return connector;
}

bool CCarouselDoc::DeleteLaneConnector(CCarouselLaneConnector& connector)
{
    if (!Checkpoint("Delete Lane Connector"))
        return false;
    const bool removed = GetNetwork().GetLaneConnectors().RemoveConnector(&connector);
    NormaliseAllArms(GetNetwork());
    Changed(HintNetworkChanged);
    return removed;
}

CZone* CCarouselDoc::AddZone(std::uint32_t number, CArm* entryArm, CArm* exitArm,
                             std::uint32_t colour)
{
    CZones& zones = GetNetwork().GetZones();
    if (!Accept(CheckFieldRange("zone colour", colour, kColourRange)) || number < 1 ||
        number > zones.GetCount() + 1 || number > CZones::MaxZones ||
        (entryArm && entryArm == exitArm) || !Checkpoint("Add Zone"))
        return nullptr;
    CZone* zone = zones.InsertZone(number);
    zone->SetEntryArm(entryArm);
    zone->SetExitArm(exitArm);
    zone->SetColour(colour);
    RebuildRoutesIfAutomatic();
    Changed(HintRedraw);
    return zone;
}

bool CCarouselDoc::EditZone(CZone& zone, std::uint32_t number, CArm* entryArm, CArm* exitArm,
                            std::uint32_t colour)
{
    // An arm that stays keeps the zone's routes through it; only one that changes is let go.
    const bool entryChanges = zone.GetEntryArm() != entryArm;
    const bool exitChanges = zone.GetExitArm() != exitArm;
    if (!Accept(CheckFieldRange("zone colour", colour, kColourRange)) || number < 1 ||
        number > GetNetwork().GetZones().GetCount() || (entryArm && entryArm == exitArm) ||
        !CanServeZone(zone, entryArm, true) || !CanServeZone(zone, exitArm, false) ||
        !Checkpoint("Edit Zone"))
        return false;
    GetNetwork().GetZones().MoveZone(zone.GetNumber(), number);
    if (entryChanges)
        zone.SetEntryArm(nullptr);
    if (exitChanges)
        zone.SetExitArm(nullptr);
    const bool entrySet = !entryChanges || zone.SetEntryArm(entryArm);
    const bool exitSet = !exitChanges || zone.SetExitArm(exitArm);
    zone.SetColour(colour);
    RebuildRoutesIfAutomatic();
    Changed(HintNetworkChanged);
    return entrySet && exitSet;
}

bool CCarouselDoc::DeleteZone(CZone& zone)
{
    if (!Checkpoint("Delete Zone"))
        return false;
    const bool deleted = GetNetwork().GetZones().DeleteZone(zone.GetNumber());
    NormaliseAllArms(GetNetwork());
    Changed(HintNetworkChanged);
    return deleted;
}

CLabel* CCarouselDoc::BeginAddLabel(std::uint32_t number)
{
    // As for arms: no labels made in between that a cancel would leave behind.
    if (number < 1 || number > GetLabels().GetCount() + 1 || !BeginCheckpoint("Add Label"))
        return nullptr;
    // Into the range a stored label takes, as the reader would bring it.
    GetLabels().SetDefaultTextHeight(
        std::clamp(m_program->DefLabelTextHeight, CLabel::MinTextHeight, CLabel::MaxTextHeight));
    CLabel* label = GetLabels().InsertLabel(number);
    if (!label)
        CancelCheckpoint();
    return label;
}

void CCarouselDoc::CommitAddLabel()
{
    CommitCheckpoint();
    SetModifiedFlag(true);
}

void CCarouselDoc::CancelAddLabel(CLabel& label)
{
    GetLabels().RemoveLabel(label.GetNumber());
    CancelCheckpoint();
}

bool CCarouselDoc::EditLabel(CLabel& label, const std::string& text, std::int32_t textHeight,
                             std::uint32_t colour)
{
    const std::string stored = LabelText(text);
    if (!Accept(CheckSingleLine("label text", stored)) ||
        !Accept(CheckFieldRange("label colour", colour, kColourRange)) || !Checkpoint("Edit Label"))
        return false;
    label.SetText(stored);
    label.SetTextHeight(std::clamp(textHeight, CLabel::MinTextHeight, CLabel::MaxTextHeight));
    label.SetColour(colour);
    SetModifiedFlag(true);
    return true;
}

bool CCarouselDoc::DeleteLabel(CLabel& label)
{
    if (!Checkpoint("Delete Label"))
        return false;
    const bool removed = GetLabels().RemoveLabel(label.GetNumber());
    SetModifiedFlag(true);
    return removed;
}

bool CCarouselDoc::MoveLabel(CLabel& label, double dx, double dy)
{
    const CLabelPoint a = label.GetFirstPoint();
    const CLabelPoint b = label.GetSecondPoint();
    if (!Accept(CheckPlanPoint("label", a.x + dx, a.y + dy)) ||
        !Accept(CheckPlanPoint("label", b.x + dx, b.y + dy)) || !Checkpoint("Move Label"))
        return false;
    label.Move(dx, dy);
    SetModifiedFlag(true);
    return true;
}

CCapacityAssessor* CCarouselDoc::BeginAddCapacityAssessor(std::uint32_t number, CArm* entryArm,
                                                          CArm* circulatoryArm,
                                                          std::optional<std::int32_t> threshold)
{
    const std::int32_t value = threshold.value_or(m_program->DefCapacityAssessorThreshold);
    if (!Accept(CheckFieldRange("capacity assessor threshold", value, kFiveColumnRange)) ||
        !CanCarryAssessor(nullptr, entryArm) || !CanCarryAssessor(nullptr, circulatoryArm) ||
        !BeginCheckpoint("Add Capacity Assessor"))
        return nullptr;
    CCapacityAssessor* assessor =
        GetNetwork().GetCapacityAssessors().InsertCapacityAssessor(number, value);
    if (!assessor) {
        CancelCheckpoint();
        return nullptr;
    }
    assessor->SetEntryArm(entryArm);
    assessor->SetCirculatoryArm(circulatoryArm);
    UpdateAllViews(HintRedraw);
    return assessor;
}

void CCarouselDoc::CommitAddCapacityAssessor()
{
    CommitCheckpoint();
    Changed(HintRedraw);
}

void CCarouselDoc::CancelAddCapacityAssessor(CCapacityAssessor& assessor)
{
    GetNetwork().GetCapacityAssessors().RemoveCapacityAssessor(assessor.GetNumber());
    CancelCheckpoint();
    UpdateAllViews(HintRedraw);
}

bool CCarouselDoc::EditCapacityAssessor(CCapacityAssessor& assessor, CArm* entryArm,
                                        CArm* circulatoryArm, std::int32_t threshold)
{
    if (!Accept(CheckFieldRange("capacity assessor threshold", threshold, kFiveColumnRange)) ||
        !CanCarryAssessor(&assessor, entryArm) || !CanCarryAssessor(&assessor, circulatoryArm) ||
        !Checkpoint("Edit Capacity Assessor"))
        return false;
    const bool entrySet = assessor.SetEntryArm(entryArm);
    const bool circulatorySet = assessor.SetCirculatoryArm(circulatoryArm);
    assessor.SetThreshold(threshold);
    Changed(HintRedraw);
    return entrySet && circulatorySet;
}

bool CCarouselDoc::DeleteCapacityAssessor(CCapacityAssessor& assessor)
{
    if (!Checkpoint("Delete Capacity Assessor"))
        return false;
    const bool removed =
        GetNetwork().GetCapacityAssessors().RemoveCapacityAssessor(assessor.GetNumber());
    Changed(HintRedraw);
    return removed;
}

bool CCarouselDoc::MoveCapacityAssessor(CCapacityAssessor& assessor, std::int32_t x, std::int32_t y)
{
    if (!Accept(CheckPlanPoint("capacity assessor", x, y)) || !Checkpoint("Move Capacity Assessor"))
        return false;
    assessor.GetGraphics().x = x;
    assessor.GetGraphics().y = y;
    Changed(HintRedraw);
    return true;
}

bool CCarouselDoc::MoveODMatrix(int x, int y)
{
    if (!Accept(CheckPlanPoint("OD matrix", x, y)) || !Checkpoint("Move OD Matrix"))
        return false;
    m_data->odMatrix.SetPosition(x, y);
    Changed(HintRedraw);
    return true;
}

bool CCarouselDoc::DeleteAllRoutes()
{
    if (!m_prompt ||
        m_prompt->AskYesNo("Are you sure you want to delete all routes ?") != PromptAnswer::Yes ||
        !Checkpoint("Delete All Routes"))
        return false;
    ::DeleteAllRoutes(GetNetwork());
    Changed(HintNetworkChanged);
    return true;
}

std::size_t CCarouselDoc::MakeCircularRoutesNonPermitted()
{
    if (!Checkpoint("Make Circular Routes Non-Permitted"))
        return 0;
    const std::size_t changed = ::MakeCircularRoutesNonPermitted(GetNetwork());
    Changed(HintRoutesChanged);
    return changed;
}

bool CCarouselDoc::SetRoutePermitted(CRoute& route, bool permitted)
{
    if (!Checkpoint(permitted ? "Allow Route" : "Disallow Route"))
        return false;
    route.SetPermitted(permitted);
    Changed(HintRoutesChanged);
    return true;
}

bool CCarouselDoc::DeleteRoute(CRoute& route)
{
    if (!Checkpoint("Delete Route"))
        return false;
    const bool deleted = ::DeleteRoute(GetNetwork(), route);
    Changed(HintRoutesChanged);
    return deleted;
}

bool CCarouselDoc::ToggleRouteLock(CRoute& route)
{
    if (!Accept(ValidateFlowEditAllowed(GetNetwork())) || !Checkpoint("Lock Route Flow"))
        return false;
    ::ToggleRouteLock(GetNetwork(), route);
    Changed(HintRoutesChanged);
    return true;
}

bool CCarouselDoc::EditRoute(CRoute& route, const CRouteFlowEdit& edit)
{
    if (!Accept(ValidateFlowEditAllowed(GetNetwork())) ||
        !Accept(CheckRouteFlow("route flow", edit.flow)))
        return false;
    if (!edit.shareEqually) {
        for (const auto& [id, proportion] : edit.proportions) {
            // The sheet's range, or none (-1).
            if (!(proportion == -1.0 || (proportion >= -1e-6 && proportion <= 1.000001))) {
                Message("Value must be in the range 0 to 100%");
                return false;
            }
        }
    }
    if (!Checkpoint("Edit Route"))
        return false;
    EditRouteFlow(GetNetwork(), route, edit);
    Changed(HintRoutesChanged);
    return true;
}

bool CCarouselDoc::SetAllFilteredRoutesPermitted(bool permitted)
{
    if (!Checkpoint(permitted ? "Allow All Routes" : "Disallow All Routes"))
        return false;
    ::SetAllFilteredRoutesPermitted(GetNetwork(), permitted);
    Changed(HintRoutesChanged);
    return true;
}

bool CCarouselDoc::BalanceLaneFlowsOnArm(CArm& arm, CFeedback* feedback)
{
    if (!BeginCheckpoint("Balance Lane Flows On Arm"))
        return false;
    const bool balanced =
        ::BalanceLaneFlowsOnArm(arm, GetNetwork().GetCurrentFlowGroup(), feedback);
    if (!EndLongCommand(feedback, false))
        return false;
    Changed(HintDataChanged);
    return balanced;
}

std::size_t CCarouselDoc::BalanceLaneFlowsOnAllArms(CFeedback* feedback)
{
    if (!BeginCheckpoint("Balance Lane Flows On All Arms"))
        return 0;
    const std::size_t balanced =
        ::BalanceLaneFlowsOnAllArms(GetNetwork(), GetNetwork().GetCurrentFlowGroup(), feedback);
    if (!EndLongCommand(feedback, false))
        return 0;
    Changed(HintDataChanged);
    return balanced;
}

CFlowGroup* CCarouselDoc::AddFlowGroup(FlowGroupAddPosition position, const CFlowGroup* selected)
{
    if (GetNetwork().GetFlowGroups().GetCount() >= CFlowGroups::MaxFlowGroups ||
        !Checkpoint("Add Flowgroup"))
        return nullptr;
    CFlowGroup* group = ::AddFlowGroup(GetNetwork(), position, selected);
    Changed(HintNetworkChanged);
    return group;
}

bool CCarouselDoc::EditFlowGroup(CFlowGroup& group, std::uint32_t number, std::string description,
                                 std::int64_t start, std::int64_t end)
{
    for (const auto& [field, seconds] :
         {std::pair{"start time", start}, std::pair{"end time", end}})
        if (seconds % 60 != 0) {
            Message("The " + std::string(field) + " " + std::to_string(seconds) +
                    " seconds is not a whole minute");
            return false;
        }
    // As the reader takes them.
    start = CCardFlowGroup::WithinOneDay(start);
    end = CCardFlowGroup::WithinOneDay(end);
    description = CCardFlowGroup::StoredDescription(description);
    if (!Accept(ValidateFlowGroupTimes(start, end)) ||
        !Accept(CheckSingleLine("flow group description", description)))
        return false;
    if (number < 1 || number > GetNetwork().GetFlowGroups().GetCount() ||
        !Checkpoint("Edit Flowgroup"))
        return false;
    const CValidationResult edited =
        ::EditFlowGroup(GetNetwork(), group, number, std::move(description), start, end);
    Changed(HintNetworkChanged);
    return edited.accepted;
}

bool CCarouselDoc::DeleteFlowGroup(CFlowGroup& group)
{
    if (!m_prompt ||
        m_prompt->AskYesNo("Are you sure you want to delete this flowgroup ?") !=
            PromptAnswer::Yes ||
        !Checkpoint("Delete Flowgroup"))
        return false;
    const bool deleted = ::DeleteFlowGroup(GetNetwork(), group.GetNumber());
    Changed(HintNetworkChanged);
    return deleted;
}

CPrintPage* CCarouselDoc::BeginAddPrintZone()
{
    if (!BeginCheckpoint("Add Print Zone"))
        return nullptr;
    CPrintPage* page = m_data->printPages.AddPage();
    if (!page)
        CancelCheckpoint();
    return page;
}

void CCarouselDoc::CommitAddPrintZone()
{
    CommitCheckpoint();
    Changed(HintRedraw);
}

void CCarouselDoc::CancelAddPrintZone(CPrintPage& page)
{
    m_data->printPages.RemovePageById(page.GetId());
    CancelCheckpoint();
    UpdateAllViews(HintRedraw);
}

bool CCarouselDoc::DeletePrintZone(CPrintPage& page)
{
    if (!Checkpoint("Delete Print Zone"))
        return false;
    const bool removed = m_data->printPages.RemovePageById(page.GetId());
    Changed(HintRedraw);
    return removed;
}

bool CCarouselDoc::MovePrintZone(CPrintPage& page, int dx, int dy)
{
    const CPrintZone& zone = page.GetPrintZone();
    // In 64 bits: the sums may leave the range of int, and are refused then.
    const long long left = static_cast<long long>(zone.GetLeft()) + dx;
    const long long top = static_cast<long long>(zone.GetTop()) + dy;
    const long long right = static_cast<long long>(zone.GetRight()) + dx;
    const long long bottom = static_cast<long long>(zone.GetBottom()) + dy;
    return SetPrintZoneRect(page, "Move Print Zone", left, top, right, bottom);
}

bool CCarouselDoc::ResizePrintZone(CPrintPage& page, int left, int top, int right, int bottom)
{
    return SetPrintZoneRect(page, "Resize Print Zone", left, top, right, bottom);
}

bool CCarouselDoc::SetPrintZoneRect(CPrintPage& page, const char* checkpoint, long long left,
                                    long long top, long long right, long long bottom)
{
    if (!Accept(
            CheckPlanPoint("print zone", static_cast<double>(left), static_cast<double>(top))) ||
        !Accept(CheckPlanPoint("print zone", static_cast<double>(right),
                               static_cast<double>(bottom))) ||
        !Checkpoint(checkpoint))
        return false;
    page.GetPrintZone().SetRect(static_cast<int>(left), static_cast<int>(top),
                                static_cast<int>(right), static_cast<int>(bottom));
    Changed(HintRedraw);
    return true;
}

bool CCarouselDoc::EditPrintZone(CPrintPage& page, const CPrintPageLayout& layout)
{
    CPrintPages& pages = m_data->printPages;
    if (layout.position < 1 || layout.position > pages.GetCount() ||
        !Accept(CheckSingleLine("page title", layout.pageTitle)) || !Checkpoint("Edit Print Zone"))
        return false;
    pages.MovePage(page.GetPosition(), layout.position);
    CPrintZone& zone = page.GetPrintZone();
    zone.SetScaleToFit(layout.scaleToFit);
    zone.SetScale(layout.scale);
    zone.SetCropToPrintZone(layout.cropToPrintZone);
    page.SetLandscape(layout.landscape);
    page.SetTitleBlockPosition(layout.titleBlockPosition);
    page.SetPageTitle(layout.pageTitle);
    page.SetIndicateScaleOnTitleBlock(layout.indicateScale);
    Changed(HintRedraw);
    return true;
}
