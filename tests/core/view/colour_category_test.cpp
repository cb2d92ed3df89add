// Colour categories of lanes and connectors in one view, their cache and what invalidates it.
#include "../routing/route_fixture.h"
#include "model/route.h"
#include "model/route_filter.h"
#include "view/colour_category.h"
#include "view/network_view_state.h"
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
        lane1 = TestSupport::Lane(entry, 1);
        feed = network.GetLaneConnectors().FindConnector(lane1, TestSupport::Lane(circ, 1));
        ASSERT_NE(feed, nullptr);
        network.SetRouteFilterRefreshNotifyer(
            std::make_unique<CInvalidateGraphicsOnFilterRefresh>(views));
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

    CNetworkViewStates views;
    CNetworkViewState view{views};
    CCapacityLane* lane1 = nullptr;
    CCarouselLaneConnector* feed = nullptr;
};

TEST_F(ColourCategories, RoutesInTheFilterMakeLanesAndConnectorsFilteredUntilRefreshed)
{
    EXPECT_EQ(view.LaneCategory(*lane1), ColourCategory::FilteredPermitted);
    EXPECT_EQ(view.ConnectorCategory(*feed), ColourCategory::FilteredPermitted);
    CNetwork empty;
    CArm* lonely = TestSupport::AddArm(empty, 1);
    EXPECT_EQ(view.LaneCategory(*TestSupport::Lane(lonely, 1)), ColourCategory::Normal);

    // A filter that keeps no route: until the refresh is heard the cached category stands.
    CRouteFilter filter;
    filter.originZoneId = destA->GetId();
    network.GetRouteFilter() = filter;
    for (std::uint32_t n = 1; n <= network.GetRoutes().GetRouteCount(); ++n) {
        network.GetRoutes().GetRoute(n)->SetInFilter(false);
    }
    EXPECT_EQ(view.LaneCategory(*lane1), ColourCategory::FilteredPermitted);
    RefreshRouteFilter(network);
    EXPECT_EQ(view.LaneCategory(*lane1), ColourCategory::Normal);
    EXPECT_EQ(view.ConnectorCategory(*feed), ColourCategory::Normal);
}

TEST_F(ColourCategories, CachedUntilTheRouteNotifierRecolours)
{
    EXPECT_EQ(view.LaneCategory(*lane1), ColourCategory::FilteredPermitted);
    for (CRoute* r : RoutesOfLane1()) {
        r->SetPermitted(false);
    }
    // Nobody told the view: the cached category stands.
    EXPECT_EQ(view.LaneCategory(*lane1), ColourCategory::FilteredPermitted);

    InstallRouteStatusChangeNotifyer(std::make_unique<CRouteGraphicsRefreshHandler>(views));
    for (CRoute* r : RoutesOfLane1()) {
        r->SetPermitted(true);
        r->SetPermitted(false);
    }
    EXPECT_EQ(view.LaneCategory(*lane1), ColourCategory::FilteredNotPermitted);
    EXPECT_EQ(view.ConnectorCategory(*feed), ColourCategory::FilteredNotPermitted);
    // The circulatory lane still carries the permitted routes of lane 2.
    EXPECT_EQ(view.LaneCategory(*TestSupport::Lane(circ, 1)), ColourCategory::FilteredPermitted);

    // Ignoring non-permitted routes leaves lane 1 with none.
    view.SetCategoryRules({true, false, false});
    EXPECT_EQ(view.LaneCategory(*lane1), ColourCategory::Normal);
}

TEST_F(ColourCategories, SelectedRoutesOnlyWhenShown)
{
    CRoute* selected = RoutesOfLane1().front();
    view.SetSelectedRoutes({selected->GetId()});
    EXPECT_EQ(view.LaneCategory(*lane1), ColourCategory::FilteredPermitted);
    view.SetCategoryRules({false, false, true});
    EXPECT_EQ(view.LaneCategory(*lane1), ColourCategory::SelectedRoute);
    EXPECT_EQ(view.ConnectorCategory(*feed), ColourCategory::SelectedRoute);
    // Lane 2 does not lie on the selected route.
    EXPECT_EQ(view.LaneCategory(*TestSupport::Lane(entry, 2)), ColourCategory::FilteredPermitted);
    // Deselecting while shown recolours at once.
    view.SetSelectedRoutes({});
    EXPECT_EQ(view.LaneCategory(*lane1), ColourCategory::FilteredPermitted);
    // A non-permitted selected route is skipped when only permitted routes count.
    view.SetSelectedRoutes({selected->GetId()});
    selected->SetPermitted(false);
    view.SetCategoryRules({true, false, true});
    EXPECT_EQ(view.LaneCategory(*lane1), ColourCategory::FilteredPermitted);
}

TEST_F(ColourCategories, SelectedItemWinsOnlyWithTheSelectionShownButALaneChangeNever)
{
    view.SelectLane(*lane1);
    EXPECT_EQ(view.LaneCategory(*lane1), ColourCategory::FilteredPermitted);
    view.SetCategoryRules({false, true, false});
    EXPECT_EQ(view.LaneCategory(*lane1), ColourCategory::SelectedItem);
    view.SelectConnector(*feed);
    EXPECT_EQ(view.LaneCategory(*lane1), ColourCategory::FilteredPermitted);
    EXPECT_EQ(view.ConnectorCategory(*feed), ColourCategory::SelectedItem);
    view.ClearSelection();
    EXPECT_EQ(view.ConnectorCategory(*feed), ColourCategory::FilteredPermitted);

    // A lane change is never drawn, even when selected.
    CCarouselLaneConnector* change =
        network.GetLaneConnectors().AddConnector(TestSupport::Lane(entry, 2), lane1);
    view.SelectConnector(*change);
    EXPECT_EQ(view.ConnectorCategory(*change), ColourCategory::NotDrawn);
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
