#include "printing/print_layout_controller.h"

#include "document/carousel_doc.h"
#include "document/document_view.h"
#include "document/drag_commands.h"
#include "settings/program_settings.h"
#include "document/prompt.h"
#include "printing/edit_print_page_dialog.h"
#include "printing/print_page.h"
#include "printing/print_page_dialog.h"
#include "printing/print_zone_pick.h"
#include "view/network_view.h"

#include <QMenu>

CPrintLayoutController::CPrintLayoutController(CNetworkView& view, const ProgramSettings& program,
                                               CPrompt& prompt, LayoutDialog dialog)
    : QObject(&view), m_view(view), m_document(view.GetDocument()), m_program(program),
      m_prompt(prompt), m_dialog(std::move(dialog))
{
    if (!m_dialog) {
        m_dialog = [this](CDlgEditPrintPageModel& model) {
            CDlgEditPrintPage shown(model, &m_view);
            return shown.exec() == QDialog::Accepted;
        };
    }
}

// The view may be half destroyed when its child goes: nothing of it is touched here.
CPrintLayoutController::~CPrintLayoutController() = default;

bool CPrintLayoutController::IsActive() const
{
    return m_view.GetInputMode() == this;
}

void CPrintLayoutController::SetActive(bool active)
{
    if (active == IsActive())
        return;
    if (active) {
        CPrintPage* current = m_document.GetCurrentPrintPage();
        Select(current ? current : m_document.GetPrintPages().GetPage(1));
        m_view.SetInputMode(this);
        return;
    }
    CancelDrag();
    if (m_view.GetViewState().GetSelectionKind() == ESelectionKind::PrintZone)
        m_view.GetViewState().ClearSelection();
    m_view.SetInputMode(nullptr);
}

CPrintPage* CPrintLayoutController::GetSelectedPage() const
{
    const CNetworkViewState& state = m_view.GetViewState();
    if (state.GetSelectionKind() != ESelectionKind::PrintZone)
        return nullptr;
    return m_document.GetPrintPages().GetPageById(state.GetSelectedId());
}

void CPrintLayoutController::Select(const CPrintPage* page)
{
    m_document.SetCurrentPrintPage(page);
    if (page)
        m_view.GetViewState().Select(ESelectionKind::PrintZone, page->GetId());
    else
        m_view.GetViewState().ClearSelection();
}

bool CPrintLayoutController::CreatePage()
{
    CPrintPage* page = m_document.BeginAddPrintZone();
    if (!page)
        return false;
    // Where the user is looking, in the size a new page has.
    const QPointF centre =
        m_view.ToPlan(QPointF(m_view.viewport()->width() / 2.0, m_view.viewport()->height() / 2.0));
    const int width = CPrintZone::DefaultRight - CPrintZone::DefaultLeft;
    const int height = CPrintZone::DefaultBottom - CPrintZone::DefaultTop;
    const int left = static_cast<int>(centre.x()) - width / 2;
    const int top = static_cast<int>(centre.y()) - height / 2;
    page->GetPrintZone().SetRect(left, top, left + width, top + height);
    m_document.CommitAddPrintZone();
    Select(page);
    return true;
}

bool CPrintLayoutController::EditZone()
{
    CPrintPage* page = GetSelectedPage();
    if (!page)
        return false;
    CDlgEditPrintPageModel model(*page);
    if (!m_dialog(model))
        return false;
    // The dialog may have closed over an update that took the page away.
    page = GetSelectedPage();
    return page && m_document.EditPrintZone(*page, model.OnOK());
}

bool CPrintLayoutController::DeletePage()
{
    CPrintPage* page = GetSelectedPage();
    if (!page || m_prompt.AskYesNo(DeleteQuestion) != PromptAnswer::Yes)
        return false;
    page = GetSelectedPage();
    if (!page)
        return false;
    Select(nullptr);
    return m_document.DeletePrintZone(*page);
}

bool CPrintLayoutController::Press(CPoint p)
{
    const CPrintZonePick pick =
        PickPrintZone(m_document.GetPrintPages(), m_view.GetViewState().GetSelectionKind() ==
                                                          ESelectionKind::PrintZone
                                                      ? m_view.GetViewState().GetSelectedId()
                                                      : 0,
                      p);
    CPrintPage* page = m_document.GetPrintPages().GetPageById(pick.pageId);
    Select(page);
    if (!page)
        return false;
    m_drag = EDrag::Pressed;
    m_pageId = pick.pageId;
    m_grab = pick.hit;
    m_start = PrintZoneRect(page->GetPrintZone());
    m_grabbed = p;
    return true;
}

void CPrintLayoutController::Move(CPoint p)
{
    if (m_drag == EDrag::None)
        return;
    CPrintPage* page = m_document.GetPrintPages().GetPageById(m_pageId);
    if (!page) {
        m_drag = EDrag::None;
        return;
    }
    const int grid = m_program.CurSnapToGrid ? m_document.GetNetworkSettings().GridSize : 0;
    const CRect current = PrintZoneRect(page->GetPrintZone());
    const CRect rect = DraggedPrintZoneRect(m_start, m_grab, m_grabbed, p, grid, current);
    if (rect == current)
        return;
    if (m_drag == EDrag::Pressed) {
        const char* name =
            m_grab == EPrintZoneHit::Body ? "Move Print Zone" : "Resize Print Zone";
        if (!BeginDrag(m_document, name))
            return;
        m_drag = EDrag::Dragging;
    }
    DragPrintZone(m_document, *page, rect);
}

void CPrintLayoutController::Release(CPoint /*p*/)
{
    if (m_drag == EDrag::Dragging)
        EndDrag(m_document);
    m_drag = EDrag::None;
}

void CPrintLayoutController::DoubleClick()
{
    EditZone();
}

bool CPrintLayoutController::Key(int key)
{
    switch (key) {
    case Qt::Key_Escape:
        return CancelDrag();
    case Qt::Key_Delete:
        DeletePage();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        EditZone();
        return true;
    default:
        return false;
    }
}

bool CPrintLayoutController::CancelDrag()
{
    const bool dragging = m_drag == EDrag::Dragging;
    if (dragging) {
        if (CPrintPage* page = m_document.GetPrintPages().GetPageById(m_pageId))
            page->GetPrintZone().SetRect(m_start.left, m_start.top, m_start.right,
                                         m_start.bottom);
        ::CancelDrag(m_document);
    }
    m_drag = EDrag::None;
    return dragging;
}

void CPrintLayoutController::FillContextMenu(QMenu& menu, std::optional<CPoint> at)
{
    if (at) {
        Press(*at);
        m_drag = EDrag::None;
    }
    menu.setObjectName(MenuName);
    const bool selected = GetSelectedPage() != nullptr;
    const auto add = [this, &menu](const char* text, bool enabled, auto run) {
        QAction* action = menu.addAction(QString::fromUtf8(text));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, [this, run] {
            run();
            m_view.Redraw();
        });
        return action;
    };
    add(CreatePageText, true, [this] { CreatePage(); });
    add(DeletePageText, selected, [this] { DeletePage(); });
    add(EditZoneText, selected, [this] { EditZone(); });
    QAction* mode = add(ModeText, true, [this] { SetActive(false); });
    mode->setCheckable(true);
    mode->setChecked(true);
}

void CPrintLayoutController::OnUpdate(int hint)
{
    // Every page is about to be replaced: nothing held means anything any more.
    if (hint == HintObjectsReplaced)
        m_drag = EDrag::None;
}
