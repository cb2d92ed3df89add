#include "view/network_view.h"

#include "document/carousel_doc.h"
#include "editing/band_overlay.h"
#include "editing/network_view_editor.h"
#include "editing/window_dialogs.h"
#include "platform/emf_recorder.h"
#include "platform/qpainter_surface.h"
#include "view/network_export.h"
#include "view/network_renderer.h"
#include "view/plan_input_mode.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QToolTip>
#include <cmath>

namespace
{
// The renderer set up as the network view draws: the document's display settings with the
// selection, the selected routes and the clip test on.
CNetworkRenderer ViewRenderer(CCarouselDoc& doc, CNetworkViewState& state,
                              const CLaneDataSource& laneData, bool printLayout)
{
    const CDiagramSource source =
        DiagramSourceOf(doc.GetData(), doc.GetProgramSettings(), doc.GetNetworkSettings(),
                        doc.IsHighlightFilteredRoutes(), doc.IsPermittedOnly());
    CNetworkRenderer renderer(source.network, source.labels, source.odMatrix, source.printPages,
                              source.program, source.networkSettings, state);
    renderer.SetFlowGroup(source.network.GetCurrentFlowGroup());
    renderer.SetLaneDataSource(&laneData);
    CRenderSwitches& switches = renderer.Switches();
    switches = DiagramSwitches(source.settings);
    switches.clipTest = true;
    switches.showSelection = true;
    switches.showSelectedRoute = true;
    switches.drawPrintPages = printLayout;
    return renderer;
}

CPoint PlanPoint(QPointF plan)
{
    return {static_cast<int>(std::lround(plan.x())), static_cast<int>(std::lround(plan.y()))};
}

// The commands the window carries out itself rather than the editor.
bool IsWindowCommand(EViewCommand command)
{
    return command == EViewCommand::PrintLayoutMode ||
           command == EViewCommand::CopyDiagramToClipboard ||
           command == EViewCommand::NetworkDiagramDxfExport;
}
} // namespace

CNetworkView::CNetworkView(CCarouselDoc& document, QWidget* parent)
    : CScrollPanView(parent), m_document(document), m_state(document.GetViewStates())
{
    m_document.AddView(this);
    setFocusPolicy(Qt::StrongFocus);
}

CNetworkView::~CNetworkView()
{
    m_document.RemoveView(this);
}

void CNetworkView::SetOverlay(const CRendererOverlay* overlay)
{
    m_overlay = overlay;
    m_bounds.reset();
    Redraw();
}

CRect CNetworkView::DrawingBounds()
{
    if (!m_bounds) {
        CNetworkRenderer renderer =
            ViewRenderer(m_document, m_state, m_actualFlows, m_inputMode != nullptr);
        renderer.SetOverlay(m_overlay);
        // Everything counts, not only what a clip box meets.
        renderer.Switches().clipTest = false;
        // Measuring draws nothing: any surface with the measurer serves.
        CEmfRecorder measuring(m_measurer);
        CBounds bounds;
        renderer.Draw(measuring, &bounds);
        m_bounds = bounds.IsEmpty() ? CRect{} : bounds.GetRect();
    }
    return *m_bounds;
}

void CNetworkView::DrawPlan(QPainter& painter, const CPlanMapping& mapping)
{
    CNetworkRenderer renderer =
        ViewRenderer(m_document, m_state, m_actualFlows, m_inputMode != nullptr);
    renderer.SetOverlay(m_overlay);
    CQPainterSurface surface(painter, mapping, m_measurer, &m_fonts);
    renderer.Draw(surface);
}

bool CNetworkView::IsWheelZoomBackwards() const
{
    return m_document.GetProgramSettings().DefIsMouseWheelZoomBackwards;
}

void CNetworkView::OnUpdate(int hint)
{
    if (m_editor) {
        m_editor->OnUpdate(hint);
    }
    if (m_inputMode) {
        m_inputMode->OnUpdate(hint);
    }
    m_bounds.reset();
    Redraw();
    if (hint != HintObjectsReplaced) {
        UpdateScrollBars();
    }
}

void CNetworkView::EnableEditing(ProgramSettings& program, CPrompt& prompt,
                                 CNetworkViewDialogs* dialogs)
{
    if (dialogs == nullptr) {
        m_ownDialogs = std::make_unique<CWindowDialogs>(this);
        dialogs = m_ownDialogs.get();
    }
    m_editor = std::make_unique<CNetworkViewEditor>(m_document, m_state, program, *dialogs, prompt,
                                                    m_measureSurface);
    m_bandOverlay = std::make_unique<CBandOverlay>(m_document, *m_editor);
    SetOverlay(m_bandOverlay.get());
}

void CNetworkView::SetInputMode(CPlanInputMode* mode)
{
    m_inputMode = mode;
    m_bounds.reset();
    UpdateScrollBars();
    Edited();
}

bool CNetworkView::IsInteracting() const
{
    if (m_inputMode) {
        return m_inputMode->IsInteracting();
    }
    if (!m_editor) {
        return false;
    }
    const auto mode = m_editor->GetMode();
    return mode != CNetworkViewEditor::EMode::Idle && mode != CNetworkViewEditor::EMode::Panning;
}

bool CNetworkView::IsCommandEnabled(EViewCommand command) const
{
    if (!m_editor) {
        return false;
    }
    if (IsWindowCommand(command)) {
        return !IsInteracting() && m_windowCommands.contains(command);
    }
    // In print layout mode the network itself is not edited; the grid still switches.
    if (m_inputMode && command != EViewCommand::DisplayGrid &&
        command != EViewCommand::SnapToGrid) {
        return false;
    }
    return m_editor->IsCommandEnabled(command);
}

bool CNetworkView::IsCommandChecked(EViewCommand command) const
{
    if (command == EViewCommand::PrintLayoutMode) {
        return m_inputMode != nullptr;
    }
    return m_editor && m_editor->IsCommandChecked(command);
}

bool CNetworkView::RunCommand(EViewCommand command)
{
    if (!IsCommandEnabled(command)) {
        return false;
    }
    bool done = true;
    if (IsWindowCommand(command)) {
        m_windowCommands.at(command)();
    } else {
        done = m_editor->RunCommand(command);
    }
    Edited();
    return done;
}

void CNetworkView::SetWindowCommand(EViewCommand command, std::function<void()> run)
{
    if (run) {
        m_windowCommands[command] = std::move(run);
    } else {
        m_windowCommands.erase(command);
    }
}

void CNetworkView::Edited()
{
    Redraw();
    const bool pressed = m_inputMode == nullptr && m_editor &&
                         m_editor->GetMode() == CNetworkViewEditor::EMode::Pressed;
    if (IsInteracting() && !pressed) {
        viewport()->setCursor(Qt::CrossCursor);
    } else if (!IsPanning()) {
        viewport()->unsetCursor();
    }
    emit editingChanged();
}

bool CNetworkView::OnPlanPress(QMouseEvent& event, QPointF plan)
{
    if (!m_editor) {
        return false;
    }
    setFocus(Qt::MouseFocusReason);
    m_pressPixel = event.position().toPoint();
    m_dragStarted = false;
    if (m_inputMode) {
        const bool taken = m_inputMode->Press(PlanPoint(plan));
        Edited();
        return taken;
    }
    m_editor->LeftButtonDown(PlanPoint(plan), event.modifiers().testFlag(Qt::ControlModifier));
    const bool pans = m_editor->GetMode() == CNetworkViewEditor::EMode::Panning;
    if (pans) {
        // Panning is the view's own: the editor only had to clear the selection.
        m_editor->LeftButtonUp(PlanPoint(plan));
    }
    Edited();
    return !pans;
}

void CNetworkView::OnPlanMove(QMouseEvent& event, QPointF plan)
{
    const bool pressed =
        m_inputMode != nullptr || m_editor->GetMode() == CNetworkViewEditor::EMode::Pressed;
    if (pressed && !m_dragStarted) {
        const QPoint moved = event.position().toPoint() - m_pressPixel;
        if (moved.manhattanLength() < QApplication::startDragDistance()) {
            return;
        }
        m_dragStarted = true;
    }
    if (m_inputMode) {
        m_inputMode->Move(PlanPoint(plan));
    } else {
        m_editor->MouseMove(PlanPoint(plan));
    }
    Edited();
}

void CNetworkView::OnPlanRelease(QMouseEvent& /*event*/, QPointF plan)
{
    if (m_inputMode) {
        m_inputMode->Release(PlanPoint(plan));
    } else {
        m_editor->LeftButtonUp(PlanPoint(plan));
    }
    Edited();
}

void CNetworkView::mouseMoveEvent(QMouseEvent* event)
{
    // The editor knows where the mouse is (a new object is placed there); a band started from a
    // menu and a new object follow it with no button held.
    if (m_editor && !m_inputMode && event->buttons() == Qt::NoButton && !IsPanning()) {
        m_editor->MouseMove(PlanPoint(ToPlan(event->position())));
        if (IsInteracting()) {
            Redraw();
        }
    }
    CScrollPanView::mouseMoveEvent(event);
}

void CNetworkView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!m_editor || event->button() != Qt::LeftButton || IsPanning()) {
        CScrollPanView::mouseDoubleClickEvent(event);
        return;
    }
    if (m_inputMode) {
        m_inputMode->DoubleClick();
    } else {
        m_editor->LeftDoubleClick();
    }
    Edited();
}

void CNetworkView::contextMenuEvent(QContextMenuEvent* event)
{
    if (!m_editor || IsInteracting() || IsPanning()) {
        return;
    }
    if (m_inputMode) {
        QMenu popup(this);
        std::optional<CPoint> at;
        if (event->reason() == QContextMenuEvent::Mouse) {
            at = PlanPoint(ToPlan(QPointF(event->pos())));
        }
        m_inputMode->FillContextMenu(popup, at);
        Edited();
        RunMenu(popup, event->globalPos());
        event->accept();
        return;
    }
    // Delivered through the viewport: a mouse event's position is the viewport's.
    const EPopupMenu menu =
        event->reason() == QContextMenuEvent::Mouse
            ? m_editor->RightButtonDown(PlanPoint(ToPlan(QPointF(event->pos()))))
            : m_editor->ContextMenu();
    Edited();
    RunMenu(*NewContextMenu(menu), event->globalPos());
    event->accept();
}

std::unique_ptr<QMenu> CNetworkView::NewContextMenu(EPopupMenu menu)
{
    auto popup = std::make_unique<QMenu>(this);
    popup->setObjectName(PopupMenuName(menu));
    for (const CMenuItem& item : PopupMenuItems(menu)) {
        const EViewCommand command = item.command;
        QAction* action = popup->addAction(QString::fromUtf8(item.text));
        action->setEnabled(IsCommandEnabled(command));
        if (command == EViewCommand::DisplayGrid || command == EViewCommand::SnapToGrid) {
            action->setCheckable(true);
            action->setChecked(IsCommandChecked(command));
        }
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
    }
    return popup;
}

void CNetworkView::RunMenu(QMenu& menu, QPoint global)
{
    if (m_menuRunner) {
        m_menuRunner(menu, global);
    } else {
        menu.exec(global);
    }
}

void CNetworkView::keyPressEvent(QKeyEvent* event)
{
    if (!m_editor || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        CScrollPanView::keyPressEvent(event);
        return;
    }
    if (m_inputMode) {
        if (!m_inputMode->Key(event->key())) {
            CScrollPanView::keyPressEvent(event);
            return;
        }
        event->accept();
        Edited();
        return;
    }
    const auto nudge = [this](int dx, int dy) {
        switch (m_state.GetSelectionKind()) {
        case ESelectionKind::Arm:
        case ESelectionKind::Label:
        case ESelectionKind::CapacityAssessor:
        case ESelectionKind::ODMatrix:
            m_editor->Nudge(dx, dy);
            return true;
        default:
            return false; // the arrows scroll
        }
    };
    bool taken = true;
    switch (event->key()) {
    case Qt::Key_Escape:
        taken = m_editor->Escape();
        break;
    case Qt::Key_Delete:
        m_editor->DeleteSelection();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        m_editor->EditSelection();
        break;
    // Plan y grows downwards, as on the screen.
    case Qt::Key_Left:
        taken = nudge(-1, 0);
        break;
    case Qt::Key_Right:
        taken = nudge(1, 0);
        break;
    case Qt::Key_Up:
        taken = nudge(0, -1);
        break;
    case Qt::Key_Down:
        taken = nudge(0, 1);
        break;
    default:
        taken = false;
        break;
    }
    if (!taken) {
        CScrollPanView::keyPressEvent(event);
        return;
    }
    event->accept();
    Edited();
}

bool CNetworkView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && m_editor && !m_inputMode) {
        auto* help = static_cast<QHelpEvent*>(event);
        const std::string text = m_editor->ToolTipText(PlanPoint(ToPlan(help->pos())));
        if (text.empty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), QString::fromStdString(text), viewport());
        }
        return true;
    }
    return CScrollPanView::viewportEvent(event);
}
