// The document's commands: checkpoint first, then the model, then views and the modified flag.
#include "document/carousel_doc.h"
#include "document/program_settings.h"
#include "model/capacity_assessor.h"
#include "model/capacity_lane.h"
#include "model/lane.h"
#include "printing/print_page_layout.h"
#include "routing/feedback.h"
#include "routing/flow_group_commands.h"
#include "routing/lane_edits.h"
#include "routing/lane_flow_balancer.h"
#include "routing/route_commands.h"
#include "routing/route_flows.h"

namespace
{

// A short lane fed through lane-change connectors from the lanes on its right, the chain ending
// at an infinitely long lane.
bool IsFedFromTheRightByALongLane(const CLane& lane)
{
    const CLane* current = &lane;
    while (const CLane* right = current->GetRightNeighbour()) {
        if (!current->HasIncomingFrom(*right))
            return false;
        if (!right->IsShort())
            return true;
        current = right;
    }
    return false;
}

// The conditions under which the network view may join two lanes.
bool CanConnect(const CLane& from, const CLane& to)
{
    const CArm* fromArm = from.GetArm();
    const CArm* toArm = to.GetArm();
    if (&from == &to || fromArm == toArm || to.IsShort())
        return false;
    if (from.HasIncomingFrom(from) || to.HasIncomingFrom(from))
        return false;
    if (const CZone* zone = toArm->GetZone(); zone && zone->GetEntryArm() == toArm)
        return false;
    if (const CZone* zone = fromArm->GetZone(); zone && zone->GetExitArm() == fromArm)
        return false;
    return true;
}

} // namespace

void CCarouselDoc::RebuildRoutesIfAutomatic()
{
    if (m_autoRebuildRoutes)
        GetNetwork().GetRoutes().DiscoverRoutes();
}

void CCarouselDoc::ToggleHighlightFilteredRoutes()
{
    m_highlightFilteredRoutes = !m_highlightFilteredRoutes;
    Changed(HintRedraw);
}

void CCarouselDoc::ToggleODMatrixShown()
{
    Checkpoint(m_data->odMatrixShown ? "Hide OD Matrix" : "Show OD Matrix");
    m_data->odMatrixShown = !m_data->odMatrixShown;
    Changed(HintRedraw);
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
    BeginCheckpoint("Build Routes");
    // A search that was cancelled has taken back what it added.
    const bool built = GetNetwork().GetRoutes().DiscoverRoutes(feedback);
    if (built)
        NormaliseAllArms(GetNetwork());
    if (!EndLongCommand(feedback, !built))
        return false;
    Changed(HintRoutesChanged);
    return true;
}

void CCarouselDoc::EditNetworkSettings(const CProjectInformation& project,
                                       const NetworkSettings& settings)
{
    Checkpoint("Edit Network Settings");
    m_data->project = project;
    *m_settings = settings;
    Changed(HintRedraw);
}

CLaneFlowDisplaySettings CCarouselDoc::GetLaneFlowDisplay() const
{
    return {m_data->laneFlowAggregation, m_data->laneFlowColouring, m_data->zeroFlowsShown};
}

void CCarouselDoc::RunLaneFlowDisplayCommand(LaneFlowDisplayCommand command)
{
    Checkpoint(std::string(LaneFlowDisplayCommandName(command)));
    CLaneFlowDisplaySettings display = GetLaneFlowDisplay();
    ApplyLaneFlowDisplayCommand(display, command);
    m_data->laneFlowAggregation = display.aggregationMode;
    m_data->laneFlowColouring = display.colourMode;
    m_data->zeroFlowsShown = display.showZeroFlows;
    Changed(HintDataChanged);
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
    BeginCheckpoint("Add Arm");
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
    Checkpoint("Edit Arm");
    const bool moved = GetNetwork().GetArms().MoveArm(arm.GetNumber(), number);
    Changed(HintRedraw);
    return moved;
}

bool CCarouselDoc::DeleteArm(CArm& arm)
{
    Checkpoint("Delete Arm");
    const bool deleted = GetNetwork().GetArms().DeleteArm(arm.GetNumber());
    NormaliseAllArms(GetNetwork());
    Changed(HintNetworkChanged);
    return deleted;
}

void CCarouselDoc::MoveArm(CArm& arm, double dx, double dy)
{
    Checkpoint("Move Arm");
    const CPlanPoint a = arm.GetFirstPoint();
    const CPlanPoint b = arm.GetSecondPoint();
    arm.SetPoints({a.x + dx, a.y + dy}, {b.x + dx, b.y + dy});
    Changed(HintRedraw);
}

CLane* CCarouselDoc::AddShortLane(CLane& selected, LaneSide side, std::int32_t length)
{
    Checkpoint(side == LaneSide::Left ? "Add Short Lane To Left" : "Add Short Lane To Right");
    const bool selectedFedFromRight = selected.IsShort() && IsFedFromTheRightByALongLane(selected);
    const bool selectedShort = selected.IsShort();
    CLanes& lanes = *selected.GetOwner();
    const std::uint32_t number = selected.GetNumber() + (side == LaneSide::Right ? 1 : 0);
    CLane* lane = lanes.InsertLane(number);
    if (!lane) {
        Changed(HintRedraw);
        return nullptr;
    }
    lane->SetLength(length); // runs the lane-changed notification when it differs from 9999
    CCarouselLaneConnectors& connectors = GetNetwork().GetLaneConnectors();
    if (selectedShort && !selectedFedFromRight) {
        if (CLane* left = lane->GetLeftNeighbour(); left && !lane->HasIncomingFrom(*left))
            connectors.AddConnector(left, lane);
    } else if (CLane* right = lane->GetRightNeighbour(); right && !lane->HasIncomingFrom(*right)) {
        connectors.AddConnector(right, lane);
    }
    Changed(HintRedraw);
    return lane;
}

CLane* CCarouselDoc::AddInfinitelyLongLane(CLane& selected, LaneSide side)
{
    Checkpoint(side == LaneSide::Left ? "Add Infintely Long Lane To Left"
                                      : "Add Infintely Long Lane To Right");
    const std::uint32_t number = selected.GetNumber() + (side == LaneSide::Right ? 1 : 0);
    CLane* lane = selected.GetOwner()->InsertLane(number);
    Changed(HintRedraw);
    return lane;
}

void CCarouselDoc::EditShortLane(CLane& lane, std::int32_t length)
{
    Checkpoint("Edit Short Lane");
    lane.SetLength(length);
    Changed(HintRedraw);
}

void CCarouselDoc::ConvertToInfinitelyLongLane(CLane& lane)
{
    Checkpoint("Convert To Infinitely Long Lane");
    if (auto* capacityLane = dynamic_cast<CCapacityLane*>(&lane))
        ::ConvertToInfinitelyLongLane(*capacityLane);
    NormaliseAllArms(GetNetwork());
    Changed(HintNetworkChanged);
}

bool CCarouselDoc::ConvertToShortLane(CLane& lane, CLane& neighbour, std::int32_t length)
{
    auto* shortLane = dynamic_cast<CCapacityLane*>(&lane);
    auto* parent = dynamic_cast<CCapacityLane*>(&neighbour);
    BeginCheckpoint("Convert To Short Lane");
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
    Checkpoint("Delete Lane");
    const bool deleted = ::DeleteLane(*lane.GetArm(), lane.GetNumber());
    Changed(HintNetworkChanged);
    return deleted;
}

CCarouselLaneConnector* CCarouselDoc::AddLaneConnector(CLane& from, CLane& to)
{
    // The checkpoint opens with the drag and is kept only when the connector is made.
    if (!CanConnect(from, to))
        return nullptr;
    Checkpoint("Add Lane Connector");
    CCarouselLaneConnector* connector = GetNetwork().GetLaneConnectors().AddConnector(&from, &to);
    RebuildRoutesIfAutomatic();
    NormaliseAllArms(GetNetwork());
    Changed(HintNetworkChanged);
    return connector;
}

bool CCarouselDoc::DeleteLaneConnector(CCarouselLaneConnector& connector)
{
    Checkpoint("Delete Lane Connector");
    const bool removed = GetNetwork().GetLaneConnectors().RemoveConnector(&connector);
    NormaliseAllArms(GetNetwork());
    Changed(HintNetworkChanged);
    return removed;
}

CZone* CCarouselDoc::AddZone(std::uint32_t number, CArm* entryArm, CArm* exitArm)
{
    Checkpoint("Add Zone");
    CZone* zone = GetNetwork().GetZones().InsertZone(number);
    if (zone) {
        zone->SetEntryArm(entryArm);
        zone->SetExitArm(exitArm);
        RebuildRoutesIfAutomatic();
    }
    Changed(HintRedraw);
    return zone;
}

bool CCarouselDoc::EditZone(CZone& zone, std::uint32_t number, CArm* entryArm, CArm* exitArm)
{
    Checkpoint("Edit Zone");
    const bool moved = GetNetwork().GetZones().MoveZone(zone.GetNumber(), number);
    zone.SetEntryArm(nullptr);
    zone.SetExitArm(nullptr);
    const bool entrySet = zone.SetEntryArm(entryArm);
    const bool exitSet = zone.SetExitArm(exitArm);
    RebuildRoutesIfAutomatic();
    Changed(HintNetworkChanged);
    return moved && entrySet && exitSet;
}

bool CCarouselDoc::DeleteZone(CZone& zone)
{
    Checkpoint("Delete Zone");
    const bool deleted = GetNetwork().GetZones().DeleteZone(zone.GetNumber());
    NormaliseAllArms(GetNetwork());
    Changed(HintNetworkChanged);
    return deleted;
}

CLabel* CCarouselDoc::BeginAddLabel(std::uint32_t number)
{
    BeginCheckpoint("Add Label");
    GetLabels().SetDefaultTextHeight(m_program->DefLabelTextHeight);
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

void CCarouselDoc::EditLabel(CLabel& label, const std::string& text, std::int32_t textHeight)
{
    Checkpoint("Edit Label");
    label.SetText(text);
    label.SetTextHeight(textHeight);
    SetModifiedFlag(true);
}

bool CCarouselDoc::DeleteLabel(CLabel& label)
{
    Checkpoint("Delete Label");
    const bool removed = GetLabels().RemoveLabel(label.GetNumber());
    SetModifiedFlag(true);
    return removed;
}

void CCarouselDoc::MoveLabel(CLabel& label, double dx, double dy)
{
    Checkpoint("Move Label");
    label.Move(dx, dy);
    SetModifiedFlag(true);
}

CCapacityAssessor* CCarouselDoc::BeginAddCapacityAssessor(std::uint32_t number, CArm* entryArm,
                                                          CArm* circulatoryArm)
{
    BeginCheckpoint("Add Capacity Assessor");
    CCapacityAssessor* assessor = GetNetwork().GetCapacityAssessors().InsertCapacityAssessor(
        number, m_program->DefCapacityAssessorThreshold);
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
                                        CArm* circulatoryArm)
{
    Checkpoint("Edit Capacity Assessor");
    const bool entrySet = assessor.SetEntryArm(entryArm);
    const bool circulatorySet = assessor.SetCirculatoryArm(circulatoryArm);
    Changed(HintRedraw);
    return entrySet && circulatorySet;
}

bool CCarouselDoc::DeleteCapacityAssessor(CCapacityAssessor& assessor)
{
    Checkpoint("Delete Capacity Assessor");
    const bool removed =
        GetNetwork().GetCapacityAssessors().RemoveCapacityAssessor(assessor.GetNumber());
    Changed(HintRedraw);
    return removed;
}

void CCarouselDoc::MoveCapacityAssessor(CCapacityAssessor& assessor, std::int32_t x, std::int32_t y)
{
    Checkpoint("Move Capacity Assessor");
    assessor.GetGraphics().x = x;
    assessor.GetGraphics().y = y;
    Changed(HintRedraw);
}

void CCarouselDoc::MoveODMatrix(int x, int y)
{
    Checkpoint("Move OD Matrix");
    m_data->odMatrix.SetPosition(x, y);
    Changed(HintRedraw);
}

bool CCarouselDoc::DeleteAllRoutes()
{
    if (!m_prompt ||
        m_prompt->AskYesNo("Are you sure you want to delete all routes ?") != PromptAnswer::Yes)
        return false;
    Checkpoint("Delete All Routes");
    ::DeleteAllRoutes(GetNetwork());
    Changed(HintNetworkChanged);
    return true;
}

std::size_t CCarouselDoc::MakeCircularRoutesNonPermitted()
{
    Checkpoint("Make Circular Routes Non-Permitted");
    const std::size_t changed = ::MakeCircularRoutesNonPermitted(GetNetwork());
    Changed(HintRoutesChanged);
    return changed;
}

void CCarouselDoc::SetRoutePermitted(CRoute& route, bool permitted)
{
    Checkpoint(permitted ? "Allow Route" : "Disallow Route");
    route.SetPermitted(permitted);
    Changed(HintRoutesChanged);
}

bool CCarouselDoc::DeleteRoute(CRoute& route)
{
    Checkpoint("Delete Route");
    const bool deleted = ::DeleteRoute(GetNetwork(), route);
    Changed(HintRoutesChanged);
    return deleted;
}

bool CCarouselDoc::ToggleRouteLock(CRoute& route)
{
    const CValidationResult allowed = ValidateFlowEditAllowed(GetNetwork());
    if (!allowed) {
        Message(allowed.message);
        return false;
    }
    Checkpoint("Lock Route Flow");
    ::ToggleRouteLock(GetNetwork(), route);
    Changed(HintRoutesChanged);
    return true;
}

bool CCarouselDoc::EditRoute(CRoute& route, const CRouteFlowEdit& edit)
{
    const CValidationResult allowed = ValidateFlowEditAllowed(GetNetwork());
    if (!allowed) {
        Message(allowed.message);
        return false;
    }
    Checkpoint("Edit Route");
    EditRouteFlow(GetNetwork(), route, edit);
    Changed(HintRoutesChanged);
    return true;
}

void CCarouselDoc::SetAllFilteredRoutesPermitted(bool permitted)
{
    Checkpoint(permitted ? "Allow All Routes" : "Disallow All Routes");
    ::SetAllFilteredRoutesPermitted(GetNetwork(), permitted);
    Changed(HintRoutesChanged);
}

bool CCarouselDoc::BalanceLaneFlowsOnArm(CArm& arm, CFeedback* feedback)
{
    BeginCheckpoint("Balance Lane Flows On Arm");
    const bool balanced =
        ::BalanceLaneFlowsOnArm(arm, GetNetwork().GetCurrentFlowGroup(), feedback);
    if (!EndLongCommand(feedback, false))
        return false;
    Changed(HintDataChanged);
    return balanced;
}

std::size_t CCarouselDoc::BalanceLaneFlowsOnAllArms(CFeedback* feedback)
{
    BeginCheckpoint("Balance Lane Flows On All Arms");
    const std::size_t balanced =
        ::BalanceLaneFlowsOnAllArms(GetNetwork(), GetNetwork().GetCurrentFlowGroup(), feedback);
    if (!EndLongCommand(feedback, false))
        return 0;
    Changed(HintDataChanged);
    return balanced;
}

CFlowGroup* CCarouselDoc::AddFlowGroup(FlowGroupAddPosition position, const CFlowGroup* selected)
{
    Checkpoint("Add Flowgroup");
    CFlowGroup* group = ::AddFlowGroup(GetNetwork(), position, selected);
    Changed(HintNetworkChanged);
    return group;
}

bool CCarouselDoc::EditFlowGroup(CFlowGroup& group, std::uint32_t number, std::string description,
                                 std::int64_t start, std::int64_t end)
{
    const CValidationResult times = ValidateFlowGroupTimes(start, end);
    if (!times) {
        Message(times.message);
        return false;
    }
    Checkpoint("Edit Flowgroup");
    const CValidationResult edited =
        ::EditFlowGroup(GetNetwork(), group, number, std::move(description), start, end);
    Changed(HintNetworkChanged);
    return edited.accepted;
}

bool CCarouselDoc::DeleteFlowGroup(CFlowGroup& group)
{
    if (!m_prompt ||
        m_prompt->AskYesNo("Are you sure you want to delete this flowgroup ?") != PromptAnswer::Yes)
        return false;
    Checkpoint("Delete Flowgroup");
    const bool deleted = ::DeleteFlowGroup(GetNetwork(), group.GetNumber());
    Changed(HintNetworkChanged);
    return deleted;
}

CPrintPage* CCarouselDoc::BeginAddPrintZone()
{
    BeginCheckpoint("Add Print Zone");
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
    Checkpoint("Delete Print Zone");
    const bool removed = m_data->printPages.RemovePageById(page.GetId());
    Changed(HintRedraw);
    return removed;
}

void CCarouselDoc::MovePrintZone(CPrintPage& page, int dx, int dy)
{
    Checkpoint("Move Print Zone");
    CPrintZone& zone = page.GetPrintZone();
    zone.SetRect(zone.GetLeft() + dx, zone.GetTop() + dy, zone.GetRight() + dx,
                 zone.GetBottom() + dy);
    Changed(HintRedraw);
}

void CCarouselDoc::ResizePrintZone(CPrintPage& page, int left, int top, int right, int bottom)
{
    Checkpoint("Resize Print Zone");
    page.GetPrintZone().SetRect(left, top, right, bottom);
    Changed(HintRedraw);
}

bool CCarouselDoc::EditPrintZone(CPrintPage& page, const CPrintPageLayout& layout)
{
    CPrintPages& pages = m_data->printPages;
    if (layout.position < 1 || layout.position > pages.GetCount())
        return false;
    Checkpoint("Edit Print Zone");
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
