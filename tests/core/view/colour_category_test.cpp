// Colour categories of lanes and connectors, their cache and what invalidates it.
#include "../routing/route_fixture.h"
#include "routing/route.h"
#include "view/colour_category.h"
#include "view/render_context.h"

#include <gtest/gtest.h>

namespace
{

class ColourCategories : public routetest::CJunction
{
protected:
    void SetUp() override
    {
        CJunction::SetUp();
        network.GetRoutes().DiscoverRoutes();
        ASSERT_EQ(network.GetRoutes().GetRouteCount(), 4u);
        lane1 = testnet::Lane(entry, 1);
        feed = network.GetLaneConnectors().FindConnector(lane1, testnet::Lane(circ, 1));
        ASSERT_NE(feed, nullptr);
    }
    void TearDown() override { InstallRouteStatusChangeNotifyer(nullptr); }

    // The routes that start on entry lane 1.
    std::vector<CRoute*> RoutesOfLane1()
    {
        std::vector<CRoute*> routes;
        for (CRoute* r : feed->GetRoutes()) {
            routes.push_back(r);
        }
        return routes;
    }

    CCapacityLane* lane1 = nullptr;
    CCarouselLaneConnector* feed = nullptr;
};

TEST_F(ColourCategories, RoutesInTheFilterMakeLanesAndConnectorsFilteredUntilRefreshed)
{
    EXPECT_EQ(LaneCategory(*lane1), ColourCategory::FilteredPermitted);
    EXPECT_EQ(ConnectorCategory(*feed), ColourCategory::FilteredPermitted);
    CNetwork empty;
    CArm* lonely = testnet::AddArm(empty, 1);
    EXPECT_EQ(LaneCategory(*testnet::Lane(lonely, 1)), ColourCategory::Normal);

    for (std::uint32_t n = 1; n <= network.GetRoutes().GetRouteCount(); ++n) {
        network.GetRoutes().GetRoute(n)->SetInFilter(false);
    }
    EXPECT_EQ(LaneCategory(*lane1), ColourCategory::FilteredPermitted);
    CInvalidateGraphicsOnFilterRefresh(network).Refreshed();
    EXPECT_EQ(LaneCategory(*lane1), ColourCategory::Normal);
    EXPECT_EQ(ConnectorCategory(*feed), ColourCategory::Normal);
}

TEST_F(ColourCategories, CachedUntilTheRouteNotifierRecolours)
{
    EXPECT_EQ(LaneCategory(*lane1), ColourCategory::FilteredPermitted);
    for (CRoute* r : RoutesOfLane1()) {
        r->SetPermitted(false);
    }
    // Nobody told the drawing: the cached category stands.
    EXPECT_EQ(LaneCategory(*lane1), ColourCategory::FilteredPermitted);

    InstallRouteStatusChangeNotifyer(std::make_unique<CRouteGraphicsRefreshHandler>());
    for (CRoute* r : RoutesOfLane1()) {
        r->SetPermitted(true);
        r->SetPermitted(false);
    }
    EXPECT_EQ(LaneCategory(*lane1), ColourCategory::FilteredNotPermitted);
    EXPECT_EQ(ConnectorCategory(*feed), ColourCategory::FilteredNotPermitted);
    // The circulatory lane still carries the permitted routes of lane 2.
    EXPECT_EQ(LaneCategory(*testnet::Lane(circ, 1)), ColourCategory::FilteredPermitted);

    // Ignoring non-permitted routes leaves lane 1 with none.
    SetCategoryRules(network, true, 0);
    EXPECT_EQ(LaneCategory(*lane1), ColourCategory::Normal);
}

TEST_F(ColourCategories, SelectedRouteOnlyWhenShown)
{
    CRoute* selected = RoutesOfLane1().front();
    SetCategoryRules(network, false, selected->GetId());
    EXPECT_EQ(LaneCategory(*lane1), ColourCategory::FilteredPermitted);
    lane1->SetShowSelectedRoute(true);
    feed->SetShowSelectedRoute(true);
    EXPECT_EQ(LaneCategory(*lane1), ColourCategory::SelectedRoute);
    EXPECT_EQ(ConnectorCategory(*feed), ColourCategory::SelectedRoute);
    // Lane 2 does not lie on the selected route.
    CCapacityLane* lane2 = testnet::Lane(entry, 2);
    lane2->SetShowSelectedRoute(true);
    EXPECT_EQ(LaneCategory(*lane2), ColourCategory::FilteredPermitted);
    // A non-permitted selected route is skipped when only permitted routes count.
    selected->SetPermitted(false);
    SetCategoryRules(network, true, selected->GetId());
    EXPECT_EQ(LaneCategory(*lane1), ColourCategory::FilteredPermitted);
}

TEST_F(ColourCategories, SelectedItemWinsOnlyWithTheSelectionShown)
{
    lane1->SetSelected(true);
    EXPECT_EQ(LaneCategory(*lane1), ColourCategory::FilteredPermitted);
    lane1->SetShowSelection(true);
    EXPECT_EQ(LaneCategory(*lane1), ColourCategory::SelectedItem);
    lane1->SetSelected(false);
    EXPECT_EQ(LaneCategory(*lane1), ColourCategory::FilteredPermitted);
}

TEST_F(ColourCategories, LaneChangeIsNeverDrawnEvenWhenSelected)
{
    CCarouselLaneConnector* change =
        network.GetLaneConnectors().AddConnector(testnet::Lane(entry, 2), lane1);
    change->SetSelected(true);
    change->SetShowSelection(true);
    EXPECT_EQ(ConnectorCategory(*change), ColourCategory::NotDrawn);
}

TEST(CategoryColour, HighlightingDecidesTheRouteColours)
{
    ProgramSettings settings;
    settings.CurLaneColor = 0x000001;
    settings.CurRouteColor = 0x000002;
    settings.CurDisallowedRouteColor = 0x000003;
    settings.CurSelRouteColor = 0x000004;
    settings.CurSelectedItemColor = 0x000005;
    CRenderContext context;
    context.program = &settings;
    std::vector<ColorRef> plain;
    std::vector<ColorRef> highlighted;
    for (int c = 0; c < ColourCategory::Count; ++c) {
        plain.push_back(context.CategoryColour(c));
    }
    context.switches.highlightFilteredRoutes = true;
    for (int c = 0; c < ColourCategory::Count; ++c) {
        highlighted.push_back(context.CategoryColour(c));
    }
    EXPECT_EQ(plain, (std::vector<ColorRef>{1, 1, 1, 4, 5, 0xFFFFFF}));
    EXPECT_EQ(highlighted, (std::vector<ColorRef>{1, 2, 3, 4, 5, 0xFFFFFF}));
}

} // namespace
