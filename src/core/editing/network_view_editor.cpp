#include "editing/network_view_editor.h"

#include "document/carousel_doc.h"
#include "document/drag_commands.h"
#include "editing/view_dialogs.h"
#include "model/capacity_assessor.h"
#include "model/label.h"
#include "model/network.h"
#include "model/zone_letter.h"
#include "tables/arm_dialogs.h"
#include "tables/capacity_assessor_dialog.h"
#include "tables/edit_lane_dialog.h"
#include "tables/edit_zone_dialog.h"
#include "tables/label_dialog.h"
#include "view/lane_geometry.h"
#include "view/network_view_state.h"

#include <cmath>

namespace
{

CPlanPoint Plan(CPoint p)
{
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

std::int32_t Whole(double v)
{
    return static_cast<std::int32_t>(std::lround(v));
}

// The hit tester over the document as this view shows it.
struct CDocumentHitTester
{
    CDocumentHitTester(CCarouselDoc& document, CNetworkViewState& state,
                       const CDrawingSurface& measure)
        : tester(document.GetNetwork(), document.GetLabels(), document.GetODMatrix(), context,
                 measure)
    {
        context.program = &document.GetProgramSettings();
        context.network = &document.GetNetworkSettings();
        context.flowGroup = document.GetNetwork().GetCurrentFlowGroup();
        context.switches.showODMatrix = document.IsODMatrixShown();
        context.viewState = &state;
    }
    CRenderContext context;
    CNetworkHitTester tester;
};

} // namespace

CNetworkViewEditor::CNetworkViewEditor(CCarouselDoc& document, CNetworkViewState& state,
                                       ProgramSettings& program, CNetworkViewDialogs& dialogs,
                                       CPrompt& prompt, const CDrawingSurface& measure)
    : m_document(document), m_state(state), m_program(program), m_dialogs(dialogs),
      m_prompt(prompt), m_measure(measure)
{}

const char* CNetworkViewEditor::MoveCheckpointName(ETarget target)
{
    switch (target) {
    case ETarget::Arm:
        return "Move Arm";
    case ETarget::Label:
        return "Move Label";
    case ETarget::CapacityAssessor:
        return "Move Capacity Assessor";
    case ETarget::ODMatrix:
        return "Move OD Matrix";
    case ETarget::None:
        break;
    }
    return "";
}

CViewCommandContext CNetworkViewEditor::Context() const
{
    return {m_document.GetNetwork(), m_document.GetLabels(), m_state};
}

int CNetworkViewEditor::SnapGrid() const
{
    return m_program.CurSnapToGrid ? m_document.GetNetworkSettings().GridSize : 0;
}

CHitResult CNetworkViewEditor::HitTest(CPoint p) const
{
    return CDocumentHitTester(m_document, m_state, m_measure).tester.HitTest(p);
}

void CNetworkViewEditor::Select(const CHitResult& hit)
{
    CNetwork& network = m_document.GetNetwork();
    switch (hit.kind) {
    case EHitKind::Lane:
        if (CCapacityLane* lane = FindLane(network, hit.armId, hit.id)) {
            m_state.SelectLane(*lane);
        }
        break;
    case EHitKind::Connector:
        if (const CCarouselLaneConnector* c = FindConnector(network, hit.id, hit.toLaneId)) {
            m_state.SelectConnector(*c);
        }
        break;
    case EHitKind::Arm:
        m_state.Select(ESelectionKind::Arm, hit.id);
        break;
    case EHitKind::Label:
        m_state.Select(ESelectionKind::Label, hit.id);
        break;
    case EHitKind::CapacityAssessor:
        m_state.Select(ESelectionKind::CapacityAssessor, hit.id);
        break;
    case EHitKind::Zone:
        m_state.Select(ESelectionKind::Zone, hit.id);
        break;
    case EHitKind::ODMatrix:
        m_state.Select(ESelectionKind::ODMatrix);
        break;
    case EHitKind::None:
        m_state.ClearSelection();
        break;
    }
}

void CNetworkViewEditor::LeftButtonDown(CPoint p, bool ctrl)
{
    m_mouse = p;
    if (m_mode == EMode::Placing) {
        FinishPlacing(p);
        return;
    }
    if (m_mode == EMode::Band) {
        EndBand(p);
        return;
    }
    m_target = ETarget::None;
    m_grab.reset();
    const CHitResult hit = HitTest(p);
    if (hit.kind == EHitKind::Lane && ctrl) {
        if (CCapacityLane* lane = FindLane(m_document.GetNetwork(), hit.armId, hit.id)) {
            m_state.ToggleLane(*lane);
        }
        return;
    }
    Select(hit);
    switch (hit.kind) {
    case EHitKind::None:
        m_mode = EMode::Panning;
        return;
    case EHitKind::Lane: {
        const CCapacityLane* lane = FindLane(m_document.GetNetwork(), hit.armId, hit.id);
        if (hit.laneZone == ELaneZone::StopLine && !IsZoneDestinationArm(*lane->GetArm())) {
            StartBand(hit.id, true, false);
        } else if (hit.laneZone == ELaneZone::FarEnd && !IsZoneOriginArm(*lane->GetArm())) {
            StartBand(hit.id, false, false);
        } else {
            m_mode = EMode::Pressed;
        }
        return;
    }
    case EHitKind::Arm:
        Grab(ETarget::Arm, hit.id, hit.part, p);
        return;
    case EHitKind::Label:
        Grab(ETarget::Label, hit.id, hit.part, p);
        return;
    case EHitKind::CapacityAssessor:
        Grab(ETarget::CapacityAssessor, hit.id, EGrabPart::Body, p);
        return;
    case EHitKind::ODMatrix:
        Grab(ETarget::ODMatrix, 0, EGrabPart::Body, p);
        return;
    case EHitKind::Connector:
    case EHitKind::Zone:
        // A zone lies where its arms are: dragging it moves nothing.
        m_mode = EMode::Pressed;
        return;
    }
}

void CNetworkViewEditor::MouseMove(CPoint p)
{
    m_mouse = p;
    if (m_mode == EMode::Placing || m_mode == EMode::Pressed || m_mode == EMode::Dragging) {
        FollowMouse(p);
    }
}

void CNetworkViewEditor::LeftButtonUp(CPoint p)
{
    m_mouse = p;
    switch (m_mode) {
    case EMode::Dragging:
        EndDrag(m_document);
        break;
    case EMode::Band:
        if (!m_bandFromMenu) {
            EndBand(p);
        }
        return;
    case EMode::Placing:
        return;
    default:
        break;
    }
    m_mode = EMode::Idle;
    m_target = ETarget::None;
    m_grab.reset();
}

void CNetworkViewEditor::LeftDoubleClick()
{
    EditSelection();
}

EPopupMenu CNetworkViewEditor::RightButtonDown(CPoint p)
{
    m_mouse = p;
    if (m_mode == EMode::Idle) {
        Select(HitTest(p));
    }
    return PopupMenuFor(m_state);
}

EPopupMenu CNetworkViewEditor::ContextMenu() const
{
    return PopupMenuFor(m_state);
}

std::string CNetworkViewEditor::ToolTipText(CPoint p) const
{
    const CHitResult hit = HitTest(p);
    const CNetwork& network = m_document.GetNetwork();
    const auto laneText = [&](std::uint32_t laneId) {
        const CLane* lane = FindLaneById(network, laneId);
        return lane != nullptr ? "lane " + std::to_string(lane->GetNumber()) + " of arm " +
                                     lane->GetArm()->GetLabel()
                               : std::string();
    };
    switch (hit.kind) {
    case EHitKind::Arm:
        return "Arm " + network.GetArms().GetArmById(hit.id)->GetLabel();
    case EHitKind::Lane: {
        std::string text = laneText(hit.id);
        text[0] = 'L';
        return text;
    }
    case EHitKind::Connector:
        return "Lane connector from " + laneText(hit.id) + " to " + laneText(hit.toLaneId);
    case EHitKind::Zone:
        return "Zone " + ZoneLetter(network.GetZones().GetZoneById(hit.id)->GetNumber());
    case EHitKind::Label:
        return "Label \"" + m_document.GetLabels().GetLabelById(hit.id)->GetText() + "\"";
    case EHitKind::CapacityAssessor:
        return "Capacity Assessor " +
               std::to_string(
                   network.GetCapacityAssessors().GetCapacityAssessorById(hit.id)->GetNumber());
    case EHitKind::ODMatrix:
        return "OD Matrix";
    case EHitKind::None:
        break;
    }
    return {};
}

bool CNetworkViewEditor::Escape()
{
    switch (m_mode) {
    case EMode::Placing:
        CancelPlacing();
        return true;
    case EMode::Dragging:
        Apply(m_target, m_targetId, m_grab->GetStart());
        CancelDrag(m_document);
        break;
    case EMode::Band:
        break;
    default:
        return false;
    }
    m_mode = EMode::Idle;
    m_target = ETarget::None;
    m_grab.reset();
    return true;
}

void CNetworkViewEditor::DeleteSelection()
{
    for (const EViewCommand command :
         {EViewCommand::DeleteArm, EViewCommand::DeleteLane, EViewCommand::DeleteConnector,
          EViewCommand::DeleteZone, EViewCommand::DeleteLabel,
          EViewCommand::DeleteCapacityAssessor}) {
        if (IsCommandEnabled(command)) {
            RunCommand(command);
            return;
        }
    }
}

void CNetworkViewEditor::EditSelection()
{
    if (m_mode != EMode::Idle && m_mode != EMode::Pressed) {
        return;
    }
    if (const std::optional<EViewCommand> command = DoubleClickCommand(Context())) {
        RunCommand(*command);
    }
}

void CNetworkViewEditor::Nudge(int dx, int dy)
{
    if (m_mode != EMode::Idle) {
        return;
    }
    ETarget target = ETarget::None;
    switch (m_state.GetSelectionKind()) {
    case ESelectionKind::Arm:
        target = ETarget::Arm;
        break;
    case ESelectionKind::Label:
        target = ETarget::Label;
        break;
    case ESelectionKind::CapacityAssessor:
        target = ETarget::CapacityAssessor;
        break;
    case ESelectionKind::ODMatrix:
        target = ETarget::ODMatrix;
        break;
    default:
        return;
    }
    const std::uint32_t id = m_state.GetSelectedId();
    const std::optional<CDragPoints> points = PointsOf(target, id);
    if (!points) {
        return;
    }
    const int step =
        m_program.CurSnapToGrid ? m_document.GetNetworkSettings().GridSize : NudgeWithoutGrid;
    const CPoint from{Whole(points->first.x), Whole(points->first.y)};
    const CDragGrab grab(from, EGrabPart::Body, *points);
    // Wide: many steps may leave int; the plan limits then hold the object.
    const CPoint to{ClampToInt(from.x + static_cast<long long>(dx) * step),
                    ClampToInt(from.y + static_cast<long long>(dy) * step)};
    const CDragPoints moved = grab.PointsFor(to, SnapGrid(), *points);
    if (moved == *points || !BeginDrag(m_document, MoveCheckpointName(target))) {
        return;
    }
    Apply(target, id, moved);
    EndDrag(m_document);
}

bool CNetworkViewEditor::CanUndo() const
{
    return (m_mode == EMode::Idle || m_mode == EMode::Panning) && m_document.CanUndo();
}

bool CNetworkViewEditor::CanRedo() const
{
    return (m_mode == EMode::Idle || m_mode == EMode::Panning) && m_document.CanRedo();
}

void CNetworkViewEditor::OnUpdate(int hint)
{
    if (hint == HintObjectsReplaced) {
        // The objects held by id are about to go; nothing of an interaction survives them.
        m_mode = EMode::Idle;
        m_target = ETarget::None;
        m_targetId = 0;
        m_grab.reset();
        m_bandLaneId = 0;
    }
}

std::optional<CDragPoints> CNetworkViewEditor::PointsOf(ETarget target, std::uint32_t id) const
{
    const CNetwork& network = m_document.GetNetwork();
    switch (target) {
    case ETarget::Arm:
        if (const CArm* arm = network.GetArms().GetArmById(id)) {
            return CDragPoints{arm->GetFirstPoint(), arm->GetSecondPoint()};
        }
        break;
    case ETarget::Label:
        if (const CLabel* label = m_document.GetLabels().GetLabelById(id)) {
            return CDragPoints{{label->GetFirstPoint().x, label->GetFirstPoint().y},
                               {label->GetSecondPoint().x, label->GetSecondPoint().y}};
        }
        break;
    case ETarget::CapacityAssessor:
        if (const CCapacityAssessor* a =
                network.GetCapacityAssessors().GetCapacityAssessorById(id)) {
            const CPlanPoint at{static_cast<double>(a->GetGraphics().x),
                                static_cast<double>(a->GetGraphics().y)};
            return CDragPoints{at, at};
        }
        break;
    case ETarget::ODMatrix: {
        const CPlanPoint at{static_cast<double>(m_document.GetODMatrix().GetX()),
                            static_cast<double>(m_document.GetODMatrix().GetY())};
        return CDragPoints{at, at};
    }
    case ETarget::None:
        break;
    }
    return std::nullopt;
}

void CNetworkViewEditor::Apply(ETarget target, std::uint32_t id, const CDragPoints& points)
{
    CNetwork& network = m_document.GetNetwork();
    switch (target) {
    case ETarget::Arm:
        if (CArm* arm = network.GetArms().GetArmById(id)) {
            DragArm(m_document, *arm, points.first, points.second);
        }
        break;
    case ETarget::Label:
        if (CLabel* label = m_document.GetLabels().GetLabelById(id)) {
            DragLabel(m_document, *label, {points.first.x, points.first.y},
                      {points.second.x, points.second.y});
        }
        break;
    case ETarget::CapacityAssessor:
        if (CCapacityAssessor* a = network.GetCapacityAssessors().GetCapacityAssessorById(id)) {
            DragCapacityAssessor(m_document, *a, Whole(points.first.x), Whole(points.first.y));
        }
        break;
    case ETarget::ODMatrix:
        DragODMatrix(m_document, Whole(points.first.x), Whole(points.first.y));
        break;
    case ETarget::None:
        break;
    }
}

void CNetworkViewEditor::Grab(ETarget target, std::uint32_t id, EGrabPart part, CPoint mouse)
{
    m_mode = EMode::Pressed;
    m_target = target;
    m_targetId = id;
    m_grab.reset();
    if (const std::optional<CDragPoints> points = PointsOf(target, id)) {
        m_grab.emplace(mouse, part, *points);
    }
}

void CNetworkViewEditor::FollowMouse(CPoint p)
{
    const std::optional<CDragPoints> current = PointsOf(m_target, m_targetId);
    if (!m_grab || !current) {
        return;
    }
    const CDragPoints moved = m_grab->PointsFor(p, SnapGrid(), *current);
    if (moved == *current) {
        return;
    }
    if (m_mode == EMode::Pressed) {
        if (!BeginDrag(m_document, MoveCheckpointName(m_target))) {
            m_mode = EMode::Idle;
            m_grab.reset();
            return;
        }
        m_mode = EMode::Dragging;
    }
    Apply(m_target, m_targetId, moved);
}

void CNetworkViewEditor::StartPlacing(ETarget target, std::uint32_t id)
{
    m_mode = EMode::Placing;
    m_target = target;
    m_targetId = id;
    const std::optional<CDragPoints> points = PointsOf(target, id);
    // The object's first point goes to the mouse and follows it from there.
    m_grab.emplace(CPoint{Whole(points->first.x), Whole(points->first.y)}, EGrabPart::Body,
                   *points);
    FollowMouse(m_mouse);
}

void CNetworkViewEditor::FinishPlacing(CPoint p)
{
    FollowMouse(p);
    const ETarget target = m_target;
    m_mode = EMode::Idle;
    m_target = ETarget::None;
    m_grab.reset();
    switch (target) {
    case ETarget::Arm:
        m_document.CommitAddArm();
        break;
    case ETarget::Label:
        m_document.CommitAddLabel();
        break;
    case ETarget::CapacityAssessor:
        m_document.CommitAddCapacityAssessor();
        break;
    default:
        break;
    }
}

void CNetworkViewEditor::CancelPlacing()
{
    const ETarget target = m_target;
    const std::uint32_t id = m_targetId;
    m_mode = EMode::Idle;
    m_target = ETarget::None;
    m_grab.reset();
    m_state.ClearSelection();
    CNetwork& network = m_document.GetNetwork();
    switch (target) {
    case ETarget::Arm:
        if (CArm* arm = network.GetArms().GetArmById(id)) {
            m_document.CancelAddArm(*arm);
        }
        break;
    case ETarget::Label:
        if (CLabel* label = m_document.GetLabels().GetLabelById(id)) {
            m_document.CancelAddLabel(*label);
        }
        break;
    case ETarget::CapacityAssessor:
        if (CCapacityAssessor* a = network.GetCapacityAssessors().GetCapacityAssessorById(id)) {
            m_document.CancelAddCapacityAssessor(*a);
        }
        break;
    default:
        break;
    }
}

void CNetworkViewEditor::StartBand(std::uint32_t laneId, bool outgoing, bool fromMenu)
{
    m_mode = EMode::Band;
    m_bandLaneId = laneId;
    m_bandOutgoing = outgoing;
    m_bandFromMenu = fromMenu;
}

std::optional<CNetworkViewEditor::CBand> CNetworkViewEditor::GetBand() const
{
    const CLane* lane = FindLaneById(m_document.GetNetwork(), m_bandLaneId);
    if (m_mode != EMode::Band || lane == nullptr) {
        return std::nullopt;
    }
    const int textHeight = m_document.GetNetworkSettings().ArmTextHeight;
    return CBand{m_bandOutgoing ? LaneStopLineMidpoint(*lane, textHeight)
                                : LaneFarEndMidpoint(*lane, textHeight),
                 m_mouse};
}

std::optional<std::uint32_t> CNetworkViewEditor::BandTargetLane(CPoint p) const
{
    const CNetwork& network = m_document.GetNetwork();
    const CLane* pressed = FindLaneById(network, m_bandLaneId);
    const CHitResult hit = CDocumentHitTester(m_document, m_state, m_measure).tester.HitTestLane(p);
    const CLane* other = FindLane(network, hit.armId, hit.id);
    if (m_mode != EMode::Band || other == nullptr) {
        return std::nullopt;
    }
    const bool joinable =
        m_bandOutgoing ? CanAddLaneConnector(pressed, other) : CanAddLaneConnector(other, pressed);
    return joinable ? std::optional<std::uint32_t>(hit.id) : std::nullopt;
}

void CNetworkViewEditor::EndBand(CPoint p)
{
    const std::optional<std::uint32_t> target = BandTargetLane(p);
    CNetwork& network = m_document.GetNetwork();
    CCapacityLane* pressed = FindLaneById(network, m_bandLaneId);
    m_mode = EMode::Idle;
    m_bandLaneId = 0;
    if (!target || pressed == nullptr) {
        return; // nothing to join: no connector and no undo step
    }
    CCapacityLane* other = FindLaneById(network, *target);
    if (m_bandOutgoing) {
        m_document.AddLaneConnector(*pressed, *other);
    } else {
        m_document.AddLaneConnector(*other, *pressed);
    }
}

bool CNetworkViewEditor::IsCommandEnabled(EViewCommand command) const
{
    if (m_mode != EMode::Idle && m_mode != EMode::Panning) {
        return false;
    }
    return IsViewCommandEnabled(command, Context());
}

bool CNetworkViewEditor::IsCommandChecked(EViewCommand command) const
{
    switch (command) {
    case EViewCommand::DisplayGrid:
        return m_program.CurDisplayGrid;
    case EViewCommand::SnapToGrid:
        return m_program.CurSnapToGrid;
    default:
        return false;
    }
}

bool CNetworkViewEditor::Confirm(EViewCommand command) const
{
    return m_prompt.AskYesNo(ViewCommandInfo(command).confirmation) == PromptAnswer::Yes;
}

bool CNetworkViewEditor::RunCommand(EViewCommand command)
{
    if (!IsCommandEnabled(command)) {
        return false;
    }
    const CViewCommandContext context = Context();
    CCapacityLane* lane = SelectedLane(context);
    using C = EViewCommand;
    switch (command) {
    case C::AddArm:
        return AddArm();
    case C::EditArm:
        return EditArm();
    case C::AddShortLaneToLeft:
        return AddShortLane(false);
    case C::AddShortLaneToRight:
        return AddShortLane(true);
    case C::AddInfinitelyLongLaneToLeft:
    case C::AddInfinitelyLongLaneToRight:
        return m_document.AddInfinitelyLongLane(*lane, command == C::AddInfinitelyLongLaneToLeft
                                                           ? LaneSide::Left
                                                           : LaneSide::Right) != nullptr;
    case C::EditShortLane:
        return EditShortLane();
    case C::ConvertToInfinitelyLongLane:
        m_document.ConvertToInfinitelyLongLane(*lane);
        return true;
    case C::ConvertToShortLane:
        return ConvertToShortLane();
    case C::AddOutgoingLaneConnector:
    case C::AddIncomingLaneConnector:
        StartBand(lane->GetLaneId(), command == C::AddOutgoingLaneConnector, true);
        return true;
    case C::AddZone:
        return AddZone();
    case C::EditZone:
        return EditZone();
    case C::AddLabel:
        return AddLabel();
    case C::EditLabel:
        return EditLabel();
    case C::AddCapacityAssessor:
        return AddCapacityAssessor();
    case C::EditCapacityAssessor:
        return EditCapacityAssessor();
    case C::DeleteArm:
    case C::DeleteLane:
    case C::DeleteConnector:
    case C::DeleteZone:
    case C::DeleteLabel:
    case C::DeleteCapacityAssessor:
        return DeleteSelected(command);
    case C::BalanceLaneFlowsOnSelectedArm:
        return m_document.BalanceLaneFlowsOnArm(*SelectedArm(context));
    case C::BalanceLaneFlowsOnAllEntryArms:
        m_document.BalanceLaneFlowsOnAllArms();
        return true;
    case C::DeleteAllRoutes:
        return m_document.DeleteAllRoutes(); // it asks itself
    case C::MakeCircularRoutesNonPermitted:
        m_document.MakeCircularRoutesNonPermitted();
        return true;
    case C::DisplayGrid:
        m_program.CurDisplayGrid = !m_program.CurDisplayGrid;
        m_document.UpdateAllViews(HintRedraw);
        return true;
    case C::SnapToGrid:
        m_program.CurSnapToGrid = !m_program.CurSnapToGrid;
        m_document.UpdateAllViews(HintRedraw);
        return true;
    case C::PrintLayoutMode:
    case C::CopyDiagramToClipboard:
    case C::NetworkDiagramDxfExport:
        break;
    }
    return false;
}

bool CNetworkViewEditor::AddArm()
{
    CDlgArmCreateModel dialog = CDlgArmCreateModel::ForAddArm(m_document.GetNetwork());
    if (!m_dialogs.CreateArm(dialog) || !dialog.Validate()) {
        return false;
    }
    CArm* arm = m_document.BeginAddArm(dialog.GetNumber(), dialog.GetLaneCount());
    if (arm == nullptr) {
        return false;
    }
    const CPlanPoint first = Plan(m_mouse);
    arm->SetPoints(first, {first.x + NewArmLength, first.y});
    m_state.Select(ESelectionKind::Arm, arm->GetId());
    StartPlacing(ETarget::Arm, arm->GetId());
    return true;
}

bool CNetworkViewEditor::AddLabel()
{
    CDlgEditLabelModel dialog("(blank)", m_program.DefLabelTextHeight, 0);
    if (!m_dialogs.EditLabel(dialog) || !dialog.Validate()) {
        return false;
    }
    CLabel* label = m_document.BeginAddLabel(m_document.GetLabels().GetCount() + 1);
    if (label == nullptr) {
        return false;
    }
    // Under the pending "Add Label" checkpoint.
    label->SetText(dialog.GetText());
    label->SetTextHeight(dialog.GetTextHeight());
    label->SetColour(dialog.GetColour());
    m_state.Select(ESelectionKind::Label, label->GetId());
    StartPlacing(ETarget::Label, label->GetId());
    return true;
}

bool CNetworkViewEditor::AddCapacityAssessor()
{
    CNetwork& network = m_document.GetNetwork();
    CDlgCapacityAssessorModel dialog = CDlgCapacityAssessorModel::ForAdd(
        network, ProposedAssessorArm(Context()), m_program.DefCapacityAssessorThreshold);
    if (!m_dialogs.EditCapacityAssessor(dialog) || !dialog.Validate()) {
        return false;
    }
    CCapacityAssessor* assessor = m_document.BeginAddCapacityAssessor(
        network.GetCapacityAssessors().GetCount() + 1,
        network.GetArms().GetArmById(dialog.GetEntryArmId()),
        network.GetArms().GetArmById(dialog.GetCirculatoryArmId()), dialog.GetThreshold());
    if (assessor == nullptr) {
        return false;
    }
    m_state.Select(ESelectionKind::CapacityAssessor, assessor->GetId());
    StartPlacing(ETarget::CapacityAssessor, assessor->GetId());
    return true;
}

bool CNetworkViewEditor::EditArm()
{
    CArm* arm = SelectedArm(Context());
    CDlgEditArmModel dialog(*arm);
    return m_dialogs.EditArm(dialog) && m_document.EditArm(*arm, dialog.GetNumber());
}

bool CNetworkViewEditor::AddShortLane(bool toRight)
{
    CCapacityLane* lane = SelectedLane(Context());
    CDlgEditLaneModel dialog = CDlgEditLaneModel::ForAddShortLane(*lane, toRight);
    if (!m_dialogs.EditShortLane(dialog) || !dialog.Validate()) {
        return false;
    }
    return m_document.AddShortLane(*lane, toRight ? LaneSide::Right : LaneSide::Left,
                                   dialog.GetLength()) != nullptr;
}

bool CNetworkViewEditor::EditShortLane()
{
    CCapacityLane* lane = SelectedLane(Context());
    CDlgEditLaneModel dialog = CDlgEditLaneModel::ForEditShortLane(*lane);
    if (!m_dialogs.EditShortLane(dialog) || !dialog.Validate()) {
        return false;
    }
    m_document.EditShortLane(*lane, dialog.GetLength());
    return true;
}

bool CNetworkViewEditor::ConvertToShortLane()
{
    CCapacityLane* lane = SelectedLane(Context());
    CDlgEditLaneModel dialog = CDlgEditLaneModel::ForConvertToShortLane(*lane);
    if (!m_dialogs.EditShortLane(dialog) || !dialog.Validate() || dialog.GetParent() == nullptr) {
        return false;
    }
    CLane* parent = lane->GetOwner()->GetLaneById(dialog.GetParent()->GetLaneId());
    return m_document.ConvertToShortLane(*lane, *parent, dialog.GetLength());
}

bool CNetworkViewEditor::AddZone()
{
    CNetwork& network = m_document.GetNetwork();
    CDlgEditZoneModel dialog = CDlgEditZoneModel::ForAddZone(network);
    if (!m_dialogs.EditZone(dialog) || !dialog.Validate()) {
        return false;
    }
    return m_document.AddZone(
               dialog.GetZoneNumber(), network.GetArms().GetArm(dialog.GetEntryArmNumber()),
               network.GetArms().GetArm(dialog.GetExitArmNumber()), dialog.GetColour()) != nullptr;
}

bool CNetworkViewEditor::EditZone()
{
    CNetwork& network = m_document.GetNetwork();
    CZone* zone = network.GetZones().GetZoneById(m_state.GetSelectedId());
    CDlgEditZoneModel dialog = CDlgEditZoneModel::ForEditZone(network, *zone);
    if (!m_dialogs.EditZone(dialog) || !dialog.Validate()) {
        return false;
    }
    return m_document.EditZone(
        *zone, dialog.GetZoneNumber(), network.GetArms().GetArm(dialog.GetEntryArmNumber()),
        network.GetArms().GetArm(dialog.GetExitArmNumber()), dialog.GetColour());
}

bool CNetworkViewEditor::EditLabel()
{
    CLabel* label = m_document.GetLabels().GetLabelById(m_state.GetSelectedId());
    CDlgEditLabelModel dialog(*label);
    if (!m_dialogs.EditLabel(dialog) || !dialog.Validate()) {
        return false;
    }
    return m_document.EditLabel(*label, dialog.GetText(), dialog.GetTextHeight(),
                                dialog.GetColour());
}

bool CNetworkViewEditor::EditCapacityAssessor()
{
    CNetwork& network = m_document.GetNetwork();
    CCapacityAssessor* assessor =
        network.GetCapacityAssessors().GetCapacityAssessorById(m_state.GetSelectedId());
    CDlgCapacityAssessorModel dialog = CDlgCapacityAssessorModel::ForEdit(network, *assessor);
    if (!m_dialogs.EditCapacityAssessor(dialog) || !dialog.Validate()) {
        return false;
    }
    return m_document.EditCapacityAssessor(
        *assessor, network.GetArms().GetArmById(dialog.GetEntryArmId()),
        network.GetArms().GetArmById(dialog.GetCirculatoryArmId()), dialog.GetThreshold());
}

bool CNetworkViewEditor::DeleteSelected(EViewCommand command)
{
    if (!Confirm(command)) {
        return false;
    }
    CNetwork& network = m_document.GetNetwork();
    const CViewCommandContext context = Context();
    const std::uint32_t id = m_state.GetSelectedId();
    CCapacityLane* lane = SelectedLane(context);
    CArm* arm = SelectedArm(context);
    // The connector by its lanes, before the selection that names them goes.
    CCarouselLaneConnector* connector = nullptr;
    if (command == EViewCommand::DeleteConnector) {
        for (CCarouselLaneConnector* c : network.GetLaneConnectors().GetConnectorsInKeyOrder()) {
            if (m_state.IsConnectorSelected(*c)) {
                connector = c;
            }
        }
    }
    m_state.ClearSelection();
    switch (command) {
    case EViewCommand::DeleteArm:
        return m_document.DeleteArm(*arm);
    case EViewCommand::DeleteLane:
        return m_document.DeleteLane(*lane);
    case EViewCommand::DeleteConnector:
        return connector != nullptr && m_document.DeleteLaneConnector(*connector);
    case EViewCommand::DeleteZone:
        return m_document.DeleteZone(*network.GetZones().GetZoneById(id));
    case EViewCommand::DeleteLabel:
        return m_document.DeleteLabel(*m_document.GetLabels().GetLabelById(id));
    case EViewCommand::DeleteCapacityAssessor:
        return m_document.DeleteCapacityAssessor(
            *network.GetCapacityAssessors().GetCapacityAssessorById(id));
    default:
        return false;
    }
}
