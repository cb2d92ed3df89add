#include "view/scroll_pan_view.h"

#include "cardfile/document_data.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

namespace
{
void SetRange(QScrollBar& bar, const CScrollRange& range, int position)
{
    bar.setRange(range.minimum, range.maximum);
    bar.setPageStep(std::max(range.page, 1));
    bar.setSingleStep(std::max(range.page / 20, 1));
    bar.setValue(position);
}
} // namespace

CScrollPanView::CScrollPanView(QWidget* parent) : QAbstractScrollArea(parent)
{
    // The image covers every pixel: nothing to erase first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    SyncResolution();
}

void CScrollPanView::SyncResolution()
{
    m_zoomPan.SetDotsPerInch(viewport()->logicalDpiX(), viewport()->logicalDpiY());
}

CSize CScrollPanView::ClientSize() const
{
    return {viewport()->width(), viewport()->height()};
}

QPoint CScrollPanView::GetScrollPosition() const
{
    const CPoint origin = m_zoomPan.GetOrigin();
    return {-origin.x, -origin.y};
}

void CScrollPanView::SetZoomAndScroll(double zoom, QPoint scroll)
{
    m_fitPending = false;
    m_zoomPan.SetZoom(zoom);
    m_zoomPan.SetOrigin({-scroll.x(), -scroll.y()});
    ViewMoved(true);
}

void CScrollPanView::StoreViewPosition(CViewPosition& position) const
{
    position.scrollPan = true;
    position.zoom = GetZoom();
    position.scrollX = GetScrollPosition().x();
    position.scrollY = GetScrollPosition().y();
}

bool CScrollPanView::RestoreViewPosition(const CViewPosition& position)
{
    if (!position.scrollPan) {
        return false;
    }
    SetZoomAndScroll(position.zoom, {position.scrollX, position.scrollY});
    return true;
}

bool CScrollPanView::CanZoomIn() const
{
    return IsZoomInEnabled(GetZoom());
}

bool CScrollPanView::CanZoomOut() const
{
    return IsZoomOutEnabled(GetZoom());
}

bool CScrollPanView::CanZoomToFit()
{
    return IsZoomToFitEnabled(GetDrawingBounds());
}

CPlanMapping CScrollPanView::GetPlanMapping() const
{
    CPlanMapping mapping;
    mapping.viewportOrigin = QPointF(m_zoomPan.GetOrigin().x, m_zoomPan.GetOrigin().y);
    mapping.pixelsPerUnitX = m_zoomPan.PixelsPerUnitX();
    mapping.pixelsPerUnitY = m_zoomPan.PixelsPerUnitY();
    return mapping;
}

QPointF CScrollPanView::ToPlan(QPointF pixel) const
{
    return {m_zoomPan.ToPlanX(pixel.x()), m_zoomPan.ToPlanY(pixel.y())};
}

QPointF CScrollPanView::ToPixel(QPointF plan) const
{
    return {m_zoomPan.ToPixelX(plan.x()), m_zoomPan.ToPixelY(plan.y())};
}

void CScrollPanView::Redraw()
{
    m_imageValid = false;
    viewport()->update();
}

void CScrollPanView::ZoomIn()
{
    Zoom(&CZoomPan::ZoomIn);
}

void CScrollPanView::ZoomOut()
{
    Zoom(&CZoomPan::ZoomOut);
}

void CScrollPanView::ZoomMax()
{
    Zoom(&CZoomPan::ZoomMax);
}

void CScrollPanView::ZoomMin()
{
    Zoom(&CZoomPan::ZoomMin);
}

void CScrollPanView::Zoom(bool (CZoomPan::*command)(CSize))
{
    SyncResolution();
    if ((m_zoomPan.*command)(ClientSize())) {
        ViewMoved(true);
    }
}

void CScrollPanView::ZoomToFit()
{
    if (!isVisible()) {
        m_fitPending = true;
        return;
    }
    m_fitPending = false;
    SyncResolution();
    if (m_zoomPan.ZoomToFit(GetDrawingBounds(), ClientSize())) {
        ViewMoved(true);
    }
}

void CScrollPanView::ZoomAbout(QPoint pixel, double factor)
{
    SyncResolution();
    if (m_zoomPan.ZoomAbout({pixel.x(), pixel.y()}, factor)) {
        ViewMoved(true);
    }
}

void CScrollPanView::ViewMoved(bool zoomed)
{
    UpdateScrollBars();
    Redraw();
    if (zoomed) {
        emit ZoomChanged(GetZoom());
    }
}

void CScrollPanView::UpdateScrollBars()
{
    const CRect drawing = GetDrawingBounds();
    const CSize client = ClientSize();
    const QPoint position = GetScrollPosition();
    m_settingScrollBars = true;
    SetRange(*horizontalScrollBar(), HorizontalScrollRange(m_zoomPan, drawing, client.cx),
             position.x());
    SetRange(*verticalScrollBar(), VerticalScrollRange(m_zoomPan, drawing, client.cy),
             position.y());
    m_settingScrollBars = false;
}

void CScrollPanView::scrollContentsBy(int /*dx*/, int /*dy*/)
{
    if (m_settingScrollBars) {
        return;
    }
    m_zoomPan.SetOrigin({-horizontalScrollBar()->value(), -verticalScrollBar()->value()});
    // Scrolling back inside the drawing narrows the range again.
    ViewMoved(false);
}

void CScrollPanView::PaintImage()
{
    const qreal ratio = viewport()->devicePixelRatioF();
    const QSize pixels(static_cast<int>(std::ceil(viewport()->width() * ratio)),
                       static_cast<int>(std::ceil(viewport()->height() * ratio)));
    if (m_image.size() != pixels || m_image.devicePixelRatio() != ratio) {
        m_image = QImage(pixels, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(ratio);
        m_imageValid = false;
    }
    if (m_imageValid || m_image.isNull()) {
        return;
    }
    m_image.fill(Qt::white);
    QPainter painter(&m_image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    DrawPlan(painter, GetPlanMapping());
    m_imageValid = true;
}

void CScrollPanView::paintEvent(QPaintEvent* event)
{
    if (m_fitPending) {
        ZoomToFit();
    }
    SyncResolution();
    PaintImage();
    QPainter painter(viewport());
    painter.setClipRegion(event->region());
    painter.drawImage(QPoint(0, 0), m_image);
}

void CScrollPanView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    Redraw();
}

bool CScrollPanView::OnPlanPress(QMouseEvent& /*event*/, QPointF /*plan*/)
{
    return false;
}

void CScrollPanView::OnPlanMove(QMouseEvent& /*event*/, QPointF /*plan*/) {}

void CScrollPanView::OnPlanRelease(QMouseEvent& /*event*/, QPointF /*plan*/) {}

void CScrollPanView::mousePressEvent(QMouseEvent* event)
{
    if (IsPanning() || m_editing) {
        return;
    }
    const QPointF plan = ToPlan(event->position());
    if (event->button() == Qt::LeftButton && OnPlanPress(*event, plan)) {
        m_editing = true;
        return;
    }
    if (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton) {
        m_panButton = event->button();
        m_lastPan = event->position().toPoint();
        viewport()->setCursor(Qt::ClosedHandCursor);
        return;
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void CScrollPanView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_editing) {
        OnPlanMove(*event, ToPlan(event->position()));
        return;
    }
    if (!IsPanning()) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    const QPoint here = event->position().toPoint();
    const QPoint moved = here - m_lastPan;
    m_lastPan = here;
    if (!moved.isNull()) {
        m_zoomPan.Pan(moved.x(), moved.y());
        ViewMoved(false);
    }
}

void CScrollPanView::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_editing && event->button() == Qt::LeftButton) {
        m_editing = false;
        OnPlanRelease(*event, ToPlan(event->position()));
        return;
    }
    if (IsPanning() && event->button() == m_panButton) {
        m_panButton = Qt::NoButton;
        viewport()->unsetCursor();
        return;
    }
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void CScrollPanView::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    const int steps = m_wheel.Add(delta);
    // A negative delta is the wheel turned towards the user.
    const bool towardsUser = steps < 0;
    const double factor =
        towardsUser == IsWheelZoomBackwards() ? CZoomPan::ZoomInFactor : CZoomPan::ZoomOutFactor;
    const QPoint cursor = event->position().toPoint();
    for (int n = 0; n < std::abs(steps); ++n) {
        ZoomAbout(cursor, factor);
    }
    event->accept();
}
