// The network view on a real document: what it paints, how it follows the document, zooms,
// pans, keeps its place for the view positions and draws at a high-resolution screen's ratio.
#include "cardfile/document_data.h"
#include "case_name.h"
#include "document/carousel_doc.h"
#include "model/network.h"
#include "view/diagram_painter.h"
#include "view/network_view.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWheelEvent>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace
{
using TestSupport::PrintTo;

std::string Example(const char* name)
{
    return std::string(GYROLITH_SOURCE_DIR) + "/examples/" + name + ".crs";
}

int CountColour(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            count += (line[x] & 0xFFFFFF) == (colour & 0xFFFFFF) ? 1 : 0;
        }
    }
    return count;
}

class NetworkViewTest : public ::testing::Test
{
protected:
    void SetUp() override { Open("roundabout"); }

    void Open(const char* example)
    {
        m_view.reset();
        ASSERT_TRUE(m_document.OnOpenDocument(Example(example)));
        m_view.emplace(m_document);
        m_view->resize(1000, 800);
        m_view->show();
        m_view->ZoomToFit();
    }

    // What the window shows now, at the screen's pixel ratio.
    QImage Shown() const
    {
        return m_view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The document's diagram painted as an export paints it, through the view's mapping.
    QImage Diagram() const
    {
        const qreal ratio = m_view->viewport()->devicePixelRatioF();
        const QSize size = m_view->viewport()->size();
        QImage image(static_cast<int>(std::ceil(size.width() * ratio)),
                     static_cast<int>(std::ceil(size.height() * ratio)), QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        PaintNetworkDiagram(m_document.GetDiagramSource(), painter, m_view->GetPlanMapping(),
                            m_view->GetMeasurer());
        return image;
    }

    QPointF PlanAt(QPoint pixel) const { return m_view->ToPlan(QPointF(pixel)); }

    void Mouse(QEvent::Type type, Qt::MouseButton button, QPoint at)
    {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(at), m_view->viewport()->mapToGlobal(QPointF(at)),
                          type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
        QApplication::sendEvent(m_view->viewport(), &event);
    }

    void Drag(Qt::MouseButton button, QPoint from, QPoint to)
    {
        Mouse(QEvent::MouseButtonPress, button, from);
        Mouse(QEvent::MouseMove, button, (from + to) / 2);
        Mouse(QEvent::MouseMove, button, to);
        Mouse(QEvent::MouseButtonRelease, button, to);
    }

    void Wheel(int delta, QPoint at)
    {
        QWheelEvent event(QPointF(at), m_view->viewport()->mapToGlobal(QPointF(at)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_view->viewport(), &event);
    }

    ProgramSettings m_program;
    NetworkSettings m_settings;
    CCarouselDoc m_document{m_program, m_settings};
    std::optional<CNetworkView> m_view;
};

// Every example, fitted and zoomed in (where the clip test leaves most objects out), shows
// what the export paints: the same switches, flows, flow group and settings.
TEST_F(NetworkViewTest, ShowsWhatTheDiagramPainterPaints)
{
    for (const char* example : {"roundabout", "crossroads"}) {
        SCOPED_TRACE(example);
        Open(example);
        const QImage fitted = Shown();
        EXPECT_GT(fitted.width() * fitted.height() - CountColour(fitted, qRgb(255, 255, 255)),
                  1000);
        EXPECT_EQ(fitted, Diagram());
        m_view->ZoomMax();
        EXPECT_EQ(Shown(), Diagram());
    }
}

TEST_F(NetworkViewTest, DrawsTheGridOnlyWhileItIsOnAndItsOwnSelection)
{
    m_program.CurDisplayGrid = false;
    m_view->Redraw();
    EXPECT_LT(CountColour(Shown(), qRgb(235, 235, 235)), 20) << "only where a line's edge blends";
    m_program.CurDisplayGrid = true;
    m_view->Redraw();
    EXPECT_GT(CountColour(Shown(), qRgb(235, 235, 235)), 2000);

    const QRgb selected = qRgb(255, 0, 0); // CurSelectedItemColor 0x0000FF
    const int before = CountColour(Shown(), selected);
    m_view->GetViewState().Select(ESelectionKind::Arm,
                                  m_document.GetNetwork().GetArms().GetArm(1)->GetId());
    m_view->Redraw();
    EXPECT_GT(CountColour(Shown(), selected), before);
}

// A change redraws the view and its bounds; an undo replaces every object (hint 8) and the
// view shows the restored network, not what it measured or drew before.
TEST_F(NetworkViewTest, FollowsTheDocumentsChangesAndUndo)
{
    const QImage before = Shown();
    const CRect bounds = m_view->DrawingBounds();
    m_document.MoveArm(*m_document.GetNetwork().GetArms().GetArm(1), 15000, 0);
    EXPECT_NE(Shown(), before);
    EXPECT_NE(m_view->DrawingBounds(), bounds);
    ASSERT_TRUE(m_document.Undo());
    EXPECT_EQ(m_view->DrawingBounds(), bounds);
    EXPECT_EQ(Shown(), before);
}

// The fit itself is the zoom's; the view must fit the window as it is once shown.
TEST_F(NetworkViewTest, ZoomToFitAskedBeforeShowingFitsTheShownWindow)
{
    CNetworkView view(m_document);
    view.ZoomToFit();
    view.resize(1200, 700);
    view.show();
    view.viewport()->grab();
    const CRect bounds = view.DrawingBounds();
    EXPECT_NEAR(
        (view.ToPixel(QPointF(bounds.left, 0)).x() + view.ToPixel(QPointF(bounds.right, 0)).x()) /
            2,
        view.viewport()->width() / 2.0, 1.0);
    EXPECT_LE(view.ToPixel(QPointF(0, bounds.bottom)).y(), view.viewport()->height());
}

// The limits are the zoom's; a greyed command must not report a change.
TEST_F(NetworkViewTest, ZoomCommandsKeepTheCentreAndSayWhenTheyZoom)
{
    const QPoint centre(m_view->viewport()->width() / 2, m_view->viewport()->height() / 2);
    const QPointF planAtCentre = PlanAt(centre);
    QSignalSpy zoomed(&*m_view, &CScrollPanView::ZoomChanged);
    m_view->ZoomIn();
    EXPECT_EQ(zoomed.count(), 1);
    const QPointF stays = m_view->ToPixel(planAtCentre);
    EXPECT_NEAR(stays.x(), centre.x(), 1.0);
    EXPECT_NEAR(stays.y(), centre.y(), 1.0);

    m_view->ZoomMax();
    EXPECT_FALSE(m_view->CanZoomIn());
    const auto emitted = zoomed.count();
    m_view->ZoomIn();
    EXPECT_EQ(zoomed.count(), emitted);
}

struct CWheelCase
{
    const char* name;
    bool backwards;
    std::vector<int> deltas;
    double zoom;
};

class NetworkViewWheel : public NetworkViewTest, public ::testing::WithParamInterface<CWheelCase>
{};

// A negative delta is the wheel turned towards the user.
TEST_P(NetworkViewWheel, ZoomsAboutTheCursorOneStepPerNotch)
{
    const CWheelCase& c = GetParam();
    m_program.DefIsMouseWheelZoomBackwards = c.backwards;
    m_view->SetZoomAndScroll(1.0, {-40, -30});
    const QPoint cursor(500, 90);
    const QPointF plan = PlanAt(cursor);
    for (int delta : c.deltas) {
        Wheel(delta, cursor);
    }
    EXPECT_NEAR(m_view->GetZoom(), c.zoom, 1e-12);
    const QPointF stays = m_view->ToPixel(plan);
    EXPECT_NEAR(stays.x(), cursor.x(), 1.0);
    EXPECT_NEAR(stays.y(), cursor.y(), 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    NetworkView, NetworkViewWheel,
    testing::Values(CWheelCase{"TowardsUserZoomsInWhenBackwards", true, {-120}, 1.05},
                    CWheelCase{"AwayZoomsOutWhenBackwards", true, {120}, 0.95},
                    CWheelCase{"TowardsUserZoomsOutOtherwise", false, {-120}, 0.95},
                    CWheelCase{"AwayZoomsInOtherwise", false, {120}, 1.05},
                    CWheelCase{"FastTurnTakesTwoSteps", true, {-240}, 1.05 * 1.05},
                    CWheelCase{"SmoothDeltasAddUpToOneStep", true, {-30, -30, -30, -30, -30}, 1.05},
                    CWheelCase{"PartStepIsNoStep", true, {-100}, 1.0},
                    CWheelCase{"TurningBackDropsThePartStep", true, {-100, 60, -100}, 1.0}),
    CaseName());

TEST_F(NetworkViewTest, MiddleButtonAndLeftDragOnNothingPan)
{
    for (Qt::MouseButton button : {Qt::MiddleButton, Qt::LeftButton}) {
        SCOPED_TRACE(button);
        const QPointF plan = PlanAt({100, 100});
        Drag(button, {100, 100}, {160, 70});
        EXPECT_FALSE(m_view->IsPanning());
        const QPointF moved = m_view->ToPixel(plan);
        EXPECT_DOUBLE_EQ(moved.x(), 160.0);
        EXPECT_DOUBLE_EQ(moved.y(), 70.0);
        EXPECT_EQ(Shown(), Diagram()) << "the picture moved with the plan";
    }
    const QPoint scroll = m_view->GetScrollPosition();
    Drag(Qt::RightButton, {100, 100}, {160, 70});
    EXPECT_EQ(m_view->GetScrollPosition(), scroll);
}

TEST_F(NetworkViewTest, ScrollBarsReachBothEndsOfTheDrawing)
{
    m_view->ZoomMax();
    const CRect bounds = m_view->DrawingBounds();
    QScrollBar& h = *m_view->horizontalScrollBar();
    QScrollBar& v = *m_view->verticalScrollBar();
    EXPECT_EQ(h.value(), m_view->GetScrollPosition().x());
    h.setValue(h.minimum());
    v.setValue(v.minimum());
    EXPECT_LE(m_view->ToPixel(QPointF(bounds.left, bounds.top)).x(), 1.0);
    EXPECT_LE(m_view->ToPixel(QPointF(bounds.left, bounds.top)).y(), 1.0);
    h.setValue(h.maximum());
    v.setValue(v.maximum());
    EXPECT_GE(m_view->ToPixel(QPointF(bounds.right, 0)).x(), m_view->viewport()->width() - 1.0);
    EXPECT_GE(m_view->ToPixel(QPointF(0, bounds.bottom)).y(), m_view->viewport()->height() - 1.0);
    EXPECT_EQ(Shown(), Diagram());
}

// What a saved file keeps of the view brings back the same plan point at the top-left corner; a
// position of another kind of view leaves the view as it is.
TEST_F(NetworkViewTest, ViewPositionsRoundTrip)
{
    m_view->ZoomIn();
    m_view->ZoomIn();
    Drag(Qt::MiddleButton, {300, 300}, {250, 220});
    CViewPosition position;
    m_view->StoreViewPosition(position);
    EXPECT_TRUE(position.scrollPan);
    EXPECT_EQ(position.zoom, m_view->GetZoom());

    CNetworkView reopened(m_document);
    reopened.resize(1000, 800);
    reopened.show();
    ASSERT_TRUE(reopened.RestoreViewPosition(position));
    const QPointF topLeft = PlanAt({0, 0});
    const QPointF again = reopened.ToPixel(topLeft);
    EXPECT_NEAR(again.x(), 0.0, 1.0);
    EXPECT_NEAR(again.y(), 0.0, 1.0);

    CViewPosition other;
    other.zoom = 2.0;
    EXPECT_FALSE(reopened.RestoreViewPosition(other));
    EXPECT_EQ(reopened.GetZoom(), position.zoom);
}

// Run once more with QT_SCALE_FACTOR=2 (ctest): positions stay in logical pixels while the
// picture has the screen's pixels.
class NetworkViewHiDpi : public NetworkViewTest
{};

TEST_F(NetworkViewHiDpi, MapsInLogicalPixelsAndDrawsAtThePixelRatio)
{
    m_view->SetZoomAndScroll(1.0, {-20, -10});
    const qreal ratio = m_view->viewport()->devicePixelRatioF();
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == "2") {
        EXPECT_EQ(ratio, 2.0);
    }
    // Offscreen screens have 96 logical dots per inch: 254 plan units are 95 pixels at zoom 1.
    EXPECT_DOUBLE_EQ(m_view->GetPlanMapping().pixelsPerUnitX, 95.0 / 254.0);
    EXPECT_EQ(m_view->ToPixel({254, 254}), QPointF(115, 105));
    const QImage shown = Shown();
    EXPECT_EQ(shown.width(), static_cast<int>(std::ceil(m_view->viewport()->width() * ratio)));
    EXPECT_EQ(shown, Diagram());
}

} // namespace
