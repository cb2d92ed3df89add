// Where the windows stand is saved with the network (VWPOS) and restored when it opens; a
// dropped network file opens.
#include "app_fixture.h"
#include "case_name.h"
#include "document/view_placement.h"
#include "view/network_view.h"
#include "view/network_view_child_frame.h"

#include <QDropEvent>
#include <QMdiArea>
#include <QMimeData>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>

namespace
{
using TestSupport::PrintTo;

class PlacementTest : public testing::Test, public AppFixture
{
protected:
    CChildFrame* Frame(int kind)
    {
        for (CChildFrame* frame : app->Frames())
            if (frame->GetViewKind() == kind)
                return frame;
        return nullptr;
    }
    CNetworkView* NetworkView()
    {
        auto* window = dynamic_cast<CNetworkViewChildFrame*>(Frame(NetworkViewKind));
        return window ? window->GetNetworkView() : nullptr;
    }
    // Saves the open network under name, then opens it again in a fresh run.
    void SaveAndReopen(const std::string& name)
    {
        files.answers = {dir.File(name)};
        ASSERT_TRUE(app->FileSaveAs());
        app.reset();
        Start({dir.File(name)});
    }
    // Writes the network with the view positions it holds now, then opens it in a fresh run.
    void WriteAndReopen(const std::string& name)
    {
        ASSERT_TRUE(app->GetDocument()->OnSaveDocument(dir.File(name)));
        app.reset();
        Start({dir.File(name)});
    }
};

// The windows where they stood, and the network view showing the same place.
TEST_F(PlacementTest, WindowsComeBackWhereTheyStood)
{
    Start({Example("roundabout.crs")});
    app->GetMainFrame()->resize(1200, 900);
    app->GetDocument()->OpenView(TrafficFlowsViewKind);
    Frame(NetworkViewKind)->SetNormalGeometry(QRect(30, 40, 500, 350));
    Frame(TrafficFlowsViewKind)->SetNormalGeometry(QRect(300, 200, 460, 300));
    QApplication::processEvents();
    CNetworkView* view = NetworkView();
    ASSERT_NE(view, nullptr);
    view->SetZoomAndScroll(1.37, QPoint(140, -60));
    const QPointF topLeft = view->ToPlan(QPointF(0, 0));
    const double zoom = view->GetZoom();

    SaveAndReopen("placed.crs");
    ASSERT_EQ(app->Frames().size(), 2u);
    EXPECT_EQ(app->Frames()[0]->GetViewKind(), NetworkViewKind) << "in the document's order";
    EXPECT_FALSE(Frame(NetworkViewKind)->isMaximized());
    EXPECT_EQ(Frame(NetworkViewKind)->geometry(), QRect(30, 40, 500, 350));
    EXPECT_EQ(Frame(TrafficFlowsViewKind)->geometry(), QRect(300, 200, 460, 300));
    QApplication::processEvents();
    CNetworkView* again = NetworkView();
    ASSERT_NE(again, nullptr);
    EXPECT_NEAR(again->GetZoom(), zoom, 1e-5);
    // Within a pixel: a plan unit is 1/254 inch, a pixel 1/96 inch at zoom 1.
    const double pixelInPlanUnits = 254.0 / (96.0 * zoom);
    const QPointF shown = again->ToPlan(QPointF(0, 0));
    EXPECT_NEAR(shown.x(), topLeft.x(), pixelInPlanUnits);
    EXPECT_NEAR(shown.y(), topLeft.y(), pixelInPlanUnits);
}

TEST_F(PlacementTest, AMaximisedWindowKeepsItsNormalRectangle)
{
    Start();
    app->GetMainFrame()->resize(1200, 900);
    CChildFrame* window = Frame(NetworkViewKind);
    window->SetNormalGeometry(QRect(10, 20, 400, 300));
    window->showMaximized();
    QApplication::processEvents();
    const CViewPosition position = window->GetViewPosition();
    EXPECT_EQ(position.left, 10);
    EXPECT_EQ(position.top, 20);
    EXPECT_EQ(position.right, 410);
    EXPECT_EQ(position.bottom, 320);
}

// Stored rectangles that cannot be used as they are.
struct RectCase
{
    const char* name;
    int left, top, right, bottom;
    bool usable;
};

class UsableRectTest : public testing::TestWithParam<RectCase>
{};

TEST_P(UsableRectTest, OnlyARectangleWhoseTitleBarCanBeGrabbedIsUsed)
{
    const RectCase& c = GetParam();
    const CViewPosition position{
        .left = c.left, .top = c.top, .right = c.right, .bottom = c.bottom};
    EXPECT_EQ(UsableFrameRect(position, QRect(0, 0, 1000, 700)).has_value(), c.usable);
}

INSTANTIATE_TEST_SUITE_P(Cases, UsableRectTest,
                         testing::Values(RectCase{"Inside", 10, 10, 300, 200, true},
                                         RectCase{"Inverted", 300, 200, 10, 10, false},
                                         RectCase{"Empty", 10, 10, 10, 200, false},
                                         RectCase{"RightOfTheArea", 1990, 10, 2300, 200, false},
                                         RectCase{"BelowTheArea", 10, 695, 300, 900, false},
                                         RectCase{"PartlyOutButGrabbable", 900, 10, 1300, 200,
                                                  true}),
                         CaseName());

TEST(ClampedZoomTest, AStoredZoomIsBroughtIntoRange)
{
    EXPECT_DOUBLE_EQ(ClampedZoom(0.05), 0.2);
    EXPECT_DOUBLE_EQ(ClampedZoom(9.0), 2.5);
    EXPECT_DOUBLE_EQ(ClampedZoom(1.25), 1.25);
    EXPECT_DOUBLE_EQ(ClampedZoom(std::numeric_limits<double>::quiet_NaN()), 1.0);
}

TEST_F(PlacementTest, AnInvertedStoredRectangleGetsTheDefaultPlacement)
{
    Start();
    app->GetMainFrame()->resize(1200, 900);
    app->GetDocument()->OpenView(TrafficFlowsViewKind);
    Frame(NetworkViewKind)->SetNormalGeometry(QRect(30, 40, 500, 350));
    QApplication::processEvents();
    StoreViewPositions(*app->GetDocument());
    CViewPosition& flows = app->GetDocument()->GetData().viewPositions.at(1);
    flows.left = 700;
    flows.right = 100; // inverted
    // Save As fills the positions again from the windows: write the damaged ones directly.
    WriteAndReopen("inverted.crs");
    ASSERT_NE(Frame(TrafficFlowsViewKind), nullptr) << "the window still opens";
    const QRect placed = Frame(TrafficFlowsViewKind)->geometry();
    EXPECT_GT(placed.width(), 0);
    EXPECT_TRUE(QRect(QPoint(0, 0), app->GetMainFrame()->GetMdiArea()->viewport()->size())
                    .intersects(placed));
    EXPECT_EQ(Frame(NetworkViewKind)->geometry(), QRect(30, 40, 500, 350));
}

TEST_F(PlacementTest, AFileNamingManyWindowsOpensOnlyTheFirstFew)
{
    Start();
    std::vector<CViewPosition> positions;
    for (int i = 0; i < 40; ++i)
        positions.push_back({.kind = TrafficFlowsViewKind, .left = 10, .top = 10, .index = i});
    app->GetDocument()->GetData().viewPositions = positions;
    app->GetDocument()->GetData().resizeableViewCount = static_cast<int>(positions.size());
    WriteAndReopen("many.crs");
    EXPECT_EQ(app->Frames().size(), MaxRestoredWindows + 1)
        << "the first sixteen, and the network window that none of them was";
}

TEST_F(PlacementTest, ANetworkWithoutPositionsOpensItsNetworkWindowMaximised)
{
    Start({Example("crossroads.crs")});
    ASSERT_EQ(app->Frames().size(), 1u);
    EXPECT_TRUE(app->Frames()[0]->isMaximized());
}

TEST_F(PlacementTest, ADroppedNetworkFileOpensAndOtherFilesAreRefused)
{
    Start();
    CMainFrame& frame = *app->GetMainFrame();
    const std::string text = dir.File("notes.txt");
    {
        std::ofstream(text) << "x";
    }
    EXPECT_TRUE(
        CMainFrame::NetworkFilesOf({QUrl::fromLocalFile(QString::fromStdString(text))}).isEmpty());
    EXPECT_TRUE(CMainFrame::NetworkFilesOf({QUrl("https://example.org/a.crs")}).isEmpty());
    EXPECT_TRUE(CMainFrame::NetworkFilesOf(
                    {QUrl::fromLocalFile(QString::fromStdString(dir.File("no.crs")))})
                    .isEmpty());

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(text)),
                  QUrl::fromLocalFile(QString::fromStdString(Example("roundabout.crs")))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &drop);
    ASSERT_NE(app->GetDocument(), nullptr);
    EXPECT_EQ(app->GetDocument()->GetPathName(), Example("roundabout.crs"));
    EXPECT_EQ(frame.GetPaneText(StatusPaneArms), "12 Arms");
}

} // namespace
