// Zoom limits, zooming about a point, zoom to fit and the scroll bars of the plan view.
#include "view/zoom_pan.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace
{
TEST(ZoomPan, ExtentIsTruncatedDotsTimesZoomLessHalf)
{
    const struct
    {
        double zoom;
        double dpi;
        int extent;
    } cases[] = {{1.0, 96, 95},   {2.5, 96, 239},  {0.2, 96, 18},
                 {1.05, 96, 100}, {1.0, 144, 143}, {0.2, 2, 1}}; // the last: still one pixel
    for (const auto& c : cases) {
        CZoomPan view(c.dpi, c.dpi);
        view.SetZoom(c.zoom);
        EXPECT_EQ(view.ExtentX(), c.extent) << c.zoom << " at " << c.dpi;
        EXPECT_EQ(view.ExtentY(), c.extent) << c.zoom << " at " << c.dpi;
    }
}

TEST(ZoomPan, ZoomIsKeptWithinTheLimits)
{
    constexpr double Inf = std::numeric_limits<double>::infinity();
    constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
    const std::pair<double, double> cases[] = {{1.3, 1.3},  {0.04, 0.2}, {25.0, 2.5},
                                               {-1.0, 0.2}, {Inf, 2.5},  {NaN, 1.0}};
    for (const auto& [asked, zoom] : cases) {
        CZoomPan view;
        view.SetZoom(asked);
        EXPECT_EQ(view.GetZoom(), zoom) << asked;
    }
}

TEST(ZoomPan, MapsPlanToPixelsThroughOrigin)
{
    CZoomPan view;
    view.SetOrigin({30, -40});
    EXPECT_DOUBLE_EQ(view.ToPixelX(254), 30 + 95);
    EXPECT_DOUBLE_EQ(view.ToPixelY(508), -40 + 190);
    EXPECT_DOUBLE_EQ(view.ToPlanX(30 + 95), 254);
    EXPECT_DOUBLE_EQ(view.ToPlanY(-40), 0);
    view.Pan(5, 7);
    EXPECT_EQ(view.GetOrigin(), (CPoint{35, -33}));
}

TEST(ZoomPan, StepsStopAtTheLimitsWhichDisableTheirCommands)
{
    CZoomPan view;
    int steps = 0;
    while (view.ZoomIn({800, 600})) {
        ASSERT_LT(++steps, 100);
    }
    EXPECT_EQ(steps, 19); // 1.05^19 = 2.53
    EXPECT_EQ(view.GetZoom(), CZoomPan::MaxZoom);
    EXPECT_FALSE(IsZoomInEnabled(view.GetZoom()));
    EXPECT_TRUE(IsZoomOutEnabled(view.GetZoom()));
    const CPoint origin = view.GetOrigin();
    EXPECT_FALSE(view.ZoomMax({800, 600}));
    EXPECT_EQ(view.GetOrigin(), origin);

    view.SetZoom(0.7);
    EXPECT_TRUE(view.ZoomMax({640, 480}));
    EXPECT_EQ(view.GetZoom(), 2.5);
    EXPECT_TRUE(view.ZoomMin({640, 480}));
    EXPECT_EQ(view.GetZoom(), 0.2);
    EXPECT_FALSE(IsZoomOutEnabled(view.GetZoom()));
    EXPECT_FALSE(view.ZoomOut({640, 480}));

    // Factors that are no zoom are refused.
    EXPECT_FALSE(view.ZoomAbout({0, 0}, 0.0));
    EXPECT_FALSE(view.ZoomAbout({0, 0}, -2.0));
    EXPECT_FALSE(view.ZoomAbout({0, 0}, std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(view.GetZoom(), 0.2);
}

// The plan point under the pixel stays under it within a pixel, also far from the origin
// where the zooms' own ratio (1.05 where the extents grow 95 to 100) would miss by several.
TEST(ZoomPan, ZoomAboutAPixelKeepsThePlanPointUnderIt)
{
    const struct
    {
        double zoom;
        double factor;
        CPoint origin;
        CPoint pixel;
    } cases[] = {
        {1.0, 1.05, {0, 0}, {40, 30}},
        {1.0, 1.05, {-2000, -1500}, {1600, 900}},
        {1.0, 0.95, {-2000, -1500}, {1600, 900}},
        {0.2, 1.05, {300, 200}, {1900, 1000}},
        {0.21, 0.5, {-100, 50}, {1500, 800}},
        {1.3, 1.05, {900, 700}, {10, 5}},
        {2.0, 3.0, {-4000, -3000}, {700, 400}}, // to the upper limit
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zoom << " x " << c.factor << " at " << c.pixel.x);
        CZoomPan view;
        view.SetZoom(c.zoom);
        view.SetOrigin(c.origin);
        const double planX = view.ToPlanX(c.pixel.x);
        const double planY = view.ToPlanY(c.pixel.y);
        ASSERT_TRUE(view.ZoomAbout(c.pixel, c.factor));
        EXPECT_LE(std::abs(view.ToPixelX(planX) - c.pixel.x), 1.0);
        EXPECT_LE(std::abs(view.ToPixelY(planY) - c.pixel.y), 1.0);
    }
}

TEST(ZoomPan, ZoomToFitCentresTheDrawingAndFitsIt)
{
    CZoomPan view;
    const CRect drawing{-500, 1000, 4500, 3000}; // 5000 by 2000
    const CSize client{800, 600};
    ASSERT_TRUE(view.ZoomToFit(drawing, client));
    EXPECT_DOUBLE_EQ(view.GetZoom(), 800 * 254.0 / (5000 * 96.0));
    const double left = view.ToPixelX(drawing.left);
    const double right = view.ToPixelX(drawing.right);
    const double top = view.ToPixelY(drawing.top);
    const double bottom = view.ToPixelY(drawing.bottom);
    EXPECT_GE(left, 0.0);
    EXPECT_LE(right, 800.0);
    EXPECT_NEAR((left + right) / 2, 400.0, 0.5);
    EXPECT_NEAR((top + bottom) / 2, 300.0, 0.5);
}

TEST(ZoomPan, ZoomToFitClampsAndRefusesEmptyDrawings)
{
    CZoomPan view;
    ASSERT_TRUE(view.ZoomToFit({0, 0, 10, 10}, {800, 600}));
    EXPECT_EQ(view.GetZoom(), 2.5);
    ASSERT_TRUE(view.ZoomToFit({0, 0, 1000000, 1000000}, {800, 600}));
    EXPECT_EQ(view.GetZoom(), 0.2);

    view.SetZoom(1.0);
    view.SetOrigin({7, 8});
    EXPECT_FALSE(view.ZoomToFit({}, {800, 600}));
    EXPECT_FALSE(view.ZoomToFit({100, 100, 100, 500}, {800, 600}));
    EXPECT_FALSE(view.ZoomToFit({0, 0, 100, 100}, {0, 600}));
    EXPECT_EQ(view.GetZoom(), 1.0);
    EXPECT_EQ(view.GetOrigin(), (CPoint{7, 8}));
    EXPECT_FALSE(IsZoomToFitEnabled({}));
    EXPECT_TRUE(IsZoomToFitEnabled({0, 0, 1, 1}));
}

TEST(ZoomPan, ScrollRangeSpansTheDrawingAndThePositionNow)
{
    CZoomPan view;                        // 95 pixels per 254 units
    const CRect drawing{0, 0, 2540, 254}; // 950 by 95 pixels
    view.SetOrigin({-100, 0});
    const CScrollRange h = HorizontalScrollRange(view, drawing, 400);
    EXPECT_EQ(h, (CScrollRange{0, 550, 400}));
    // Scrolled past the drawing: the range grows to hold the position, so nothing jumps.
    view.SetOrigin({-800, 300});
    EXPECT_EQ(HorizontalScrollRange(view, drawing, 400), (CScrollRange{0, 800, 400}));
    EXPECT_EQ(VerticalScrollRange(view, drawing, 300), (CScrollRange{-300, -205, 300}));
    // A drawing smaller than the window scrolls nowhere.
    view.SetOrigin({0, 0});
    EXPECT_EQ(VerticalScrollRange(view, drawing, 300), (CScrollRange{0, 0, 300}));
    EXPECT_EQ(HorizontalScrollRange(view, {}, 400), (CScrollRange{0, 0, 400}));
}

} // namespace
