// MDI frames over the document.
#include "document/child_frame.h"

#include "document/carousel_doc.h"

#include <QCloseEvent>
#include <QMdiArea>

CChildFrame::CChildFrame(CCarouselDoc& document, CFrameOwner& owner, int kind, int index,
                         const QString& kindName)
    : m_document(&document), m_owner(&owner), m_kind(kind), m_index(index), m_kindName(kindName)
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_document->AddView(this);
    RefreshTitle();
}

CChildFrame::~CChildFrame()
{
    // A closed frame is deleted later, when its document may be gone already.
    if (m_registered)
        m_document->RemoveView(this);
}

void CChildFrame::OnUpdate(int hint)
{
    RefreshTitle();
    OnDocumentUpdate(hint);
}

void CChildFrame::RefreshTitle()
{
    setWindowTitle(QString::fromStdString(m_document->GetTitle()).trimmed() + " - " + m_kindName +
                   "[*]");
    setWindowModified(m_document->IsModified());
}

void CChildFrame::Activate()
{
    if (isMinimized())
        showNormal();
    if (QMdiArea* area = mdiArea())
        area->setActiveSubWindow(this);
}

void CChildFrame::SetNormalGeometry(const QRect& rect)
{
    if (isMaximized() || isMinimized())
        showNormal();
    setGeometry(rect);
    m_normalGeometry = rect;
}

CViewPosition CChildFrame::GetViewPosition() const
{
    CViewPosition position;
    position.kind = m_kind;
    const QRect rect = m_normalGeometry.isValid() ? m_normalGeometry : geometry();
    position.left = rect.left();
    position.top = rect.top();
    position.right = rect.left() + rect.width();
    position.bottom = rect.top() + rect.height();
    position.paneState = m_paneState;
    position.index = m_index;
    return position;
}

void CChildFrame::ApplyViewPosition(const CViewPosition& position, const std::optional<QRect>& rect)
{
    if (rect)
        SetNormalGeometry(*rect);
    m_paneState = position.paneState;
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    if (!m_owner->QueryCloseFrame(*this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted()) {
        m_document->RemoveView(this);
        m_registered = false;
        // The panes are views of the document too: they go now, while it is certainly there,
        // not when the frame itself is deleted later.
        if (QWidget* panes = widget()) {
            setWidget(nullptr);
            delete panes;
        }
        m_owner->OnFrameClosed(*this);
    }
}

void CChildFrame::moveEvent(QMoveEvent* event)
{
    QMdiSubWindow::moveEvent(event);
    RememberNormalGeometry();
}

void CChildFrame::resizeEvent(QResizeEvent* event)
{
    QMdiSubWindow::resizeEvent(event);
    RememberNormalGeometry();
}

void CChildFrame::RememberNormalGeometry()
{
    if (!isMaximized() && !isMinimized() && isVisible())
        m_normalGeometry = geometry();
}
