// A zoomable, pannable view of the plan that draws through an off-screen image.
#pragma once

#include "platform/plan_mapping.h"
#include "view/wheel_steps.h"
#include "view/zoom_pan.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QPoint>

struct CViewPosition;

// Shows a drawing of the plan at a zoom of 0.2..2.5 (CZoomPan) in logical pixels, with the
// drawing painted once into an off-screen image at the screen's device pixel ratio and copied
// to the window at every paint, so that panning and moving repaint without flicker. The zoom
// commands zoom about the centre; the wheel zooms about the cursor, one step per notch (120
// units, smooth wheels added up), towards the user zooming in while IsWheelZoomBackwards().
// The middle button pans, and so does the left one on a point that OnPlanPress does not take.
// Scroll bars span the drawing's bounds and the place shown now. The scroll position is minus
// the viewport origin: with the zoom it is what the network file's view positions keep.
class CScrollPanView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit CScrollPanView(QWidget* parent = nullptr);

    double GetZoom() const { return m_zoomPan.GetZoom(); }
    QPoint GetScrollPosition() const;
    // A zoom outside the limits is clamped.
    void SetZoomAndScroll(double zoom, QPoint scroll);
    // The zoom and scroll of a view position (marked as a scroll-and-pan view's).
    void StoreViewPosition(CViewPosition& position) const;
    // Applies a view position's zoom and scroll when it holds them; true when it did.
    bool RestoreViewPosition(const CViewPosition& position);

    // The zoom commands' enable rules.
    bool CanZoomIn() const;
    bool CanZoomOut() const;
    bool CanZoomToFit();

    const CZoomPan& GetZoomPan() const { return m_zoomPan; }
    // Plan units to the viewport's logical pixels and back.
    CPlanMapping GetPlanMapping() const;
    QPointF ToPlan(QPointF pixel) const;
    QPointF ToPixel(QPointF plan) const;
    bool IsPanning() const { return m_panButton != Qt::NoButton; }

    // Draws the plan again at the next paint (the drawing changed).
    void Redraw();

public slots:
    void ZoomIn();
    void ZoomOut();
    void ZoomMax();
    void ZoomMin();
    // Fits the drawing into the window; before the window has its size (not yet shown), at
    // its first paint.
    void ZoomToFit();
    void ZoomAbout(QPoint pixel, double factor);

signals:
    // The zoom or the place shown changed: menus and toolbars read the enable rules again.
    void ZoomChanged(double zoom);

protected:
    // The plan rectangle the drawing covers (scroll bars, zoom to fit); empty for none.
    virtual CRect GetDrawingBounds() = 0;
    // Draws the plan on the white image through the mapping.
    virtual void DrawPlan(QPainter& painter, const CPlanMapping& mapping) = 0;
    virtual bool IsWheelZoomBackwards() const { return true; }
    // Editing's hooks, in plan units: a left press that an object takes returns true and the
    // view does not pan; moves and the release then come here until the button is let go.
    virtual bool OnPlanPress(QMouseEvent& event, QPointF plan);
    virtual void OnPlanMove(QMouseEvent& event, QPointF plan);
    virtual void OnPlanRelease(QMouseEvent& event, QPointF plan);
    // The drawing's bounds changed: the scroll bars follow.
    void UpdateScrollBars();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // The viewport's logical resolution and size.
    void SyncResolution();
    CSize ClientSize() const;
    // A zoom command about the centre of the window.
    void Zoom(bool (CZoomPan::*command)(CSize));
    // After the zoom or the origin changed.
    void ViewMoved(bool zoomed);
    void PaintImage();

    CZoomPan m_zoomPan;
    QImage m_image;
    bool m_imageValid = false;
    bool m_fitPending = false;
    bool m_settingScrollBars = false;
    Qt::MouseButton m_panButton = Qt::NoButton;
    bool m_editing = false;
    QPoint m_lastPan;
    CWheelSteps m_wheel;
};
