// Several views over one document: each draws by its own state, which the document keeps
// current through the two notifiers and its updates.
#include "../view/support/recording_surface.h"
#include "document_fixture.h"
#include "model/route_filter.h"
#include "platform/text_measurer.h"
#include "view/colour_category.h"
#include "view/network_renderer.h"

#include <algorithm>
#include <array>

namespace
{

using doctest::CDocumentFixture;
using TestSupport::CRecordingSurface;

class DocumentViewsTest : public CDocumentFixture
{
protected:
    // Everything the renderer draws for the view, call by call.
    std::vector<std::string> Draw(CNetworkViewState& state, const CRenderSwitches& switches)
    {
        CNetworkRenderer renderer(doc.GetNetwork(), doc.GetLabels(), doc.GetODMatrix(),
                                  doc.GetPrintPages(), program, settings, state);
        renderer.Switches() = switches;
        CRecordingSurface surface;
        renderer.Draw(surface);
        return surface.calls;
    }
    static long Count(const std::vector<std::string>& calls, const std::string& text)
    {
        return std::count_if(calls.begin(), calls.end(), [&](const std::string& call) {
            return call.find(text) != std::string::npos;
        });
    }
    // Whether the view draws anything in the selected-route colour.
    bool DrawsSelectedRoute(CNetworkViewState& state)
    {
        CRenderSwitches routes;
        routes.showSelectedRoute = true;
        return Count(Draw(state, routes), SelectedRouteColour) > 0;
    }
    std::uint32_t RouteId(std::uint32_t number)
    {
        return doc.GetNetwork().GetRoutes().GetRoute(number)->GetId();
    }
    static constexpr const char* SelectedRouteColour = "colour=0xff80ff";

    // Lane 1.1's colour category in a view.
    int Category(CNetworkViewState& state)
    {
        return state.LaneCategory(*static_cast<CCapacityLane*>(Lane(1, 1)));
    }
    std::vector<std::uint8_t> Clipboard()
    {
        doctest::CKeptClipboard clipboard;
        EXPECT_TRUE(doc.CopyDiagramToClipboard(clipboard, CFixedWidthTextMeasurer()));
        return clipboard.kept;
    }

    CNetworkViewState first{doc.GetViewStates()};
    CNetworkViewState second{doc.GetViewStates()};
};

// Route status and filter changes made on the model reach every view, also after the network
// was replaced by an undo.
TEST_F(DocumentViewsTest, TheDocumentsNotifiersRecolourItsViews)
{
    for (bool afterUndo : {false, true}) {
        if (afterUndo) {
            doc.MoveArm(*entry, 5, 5);
            ASSERT_TRUE(doc.Undo());
        }
        CRoute* fromLane1 = doc.GetNetwork().GetRoutes().GetRoute(1);
        fromLane1->SetPermitted(true);
        RefreshRouteFilter(doc.GetNetwork());
        ASSERT_EQ(Category(first), ColourCategory::FilteredPermitted);
        ASSERT_EQ(Category(second), ColourCategory::FilteredPermitted);

        fromLane1->SetPermitted(false);
        EXPECT_EQ(Category(first), ColourCategory::FilteredNotPermitted) << afterUndo;
        EXPECT_EQ(Category(second), ColourCategory::FilteredNotPermitted);

        CRouteFilter none; // no route starts at zone 2
        none.originZoneId = doc.GetNetwork().GetZones().GetZone(2)->GetId();
        SetRouteFilter(doc.GetNetwork(), none);
        EXPECT_EQ(Category(first), ColourCategory::Normal) << afterUndo;
        SetRouteFilter(doc.GetNetwork(), CRouteFilter{});
    }
}

// The pictures the document exports follow "Disallow Route" and "Allow Route" both ways.
TEST_F(DocumentViewsTest, ExportsFollowRoutePermission)
{
    const std::vector<std::uint8_t> allowed = Clipboard();
    doc.SetRoutePermitted(*doc.GetNetwork().GetRoutes().GetRoute(1), false);
    doc.SetRoutePermitted(*doc.GetNetwork().GetRoutes().GetRoute(2), false);
    const std::vector<std::uint8_t> disallowed = Clipboard();
    EXPECT_NE(disallowed, allowed);
    doc.SetRoutePermitted(*doc.GetNetwork().GetRoutes().GetRoute(1), true);
    doc.SetRoutePermitted(*doc.GetNetwork().GetRoutes().GetRoute(2), true);
    EXPECT_EQ(Clipboard(), allowed);
}

// Two windows with different switches and selections draw the same document without undoing
// each other's state, and drawing writes nothing into the document.
TEST_F(DocumentViewsTest, TwoViewsDrawIndependently)
{
    const std::string stored = doc.SaveSnapshot();
    CRenderSwitches selection;
    selection.showSelection = true;
    first.Select(ESelectionKind::Arm, circ->GetId());
    CRenderSwitches routes;
    routes.showSelectedRoute = true;
    routes.permittedOnly = true;
    doc.SetRoutesSelected(std::array{RouteId(2)}, true);

    const std::vector<std::string> firstDrawn = Draw(first, selection);
    const std::vector<std::string> secondDrawn = Draw(second, routes);
    EXPECT_NE(firstDrawn, secondDrawn);
    EXPECT_EQ(Draw(first, selection), firstDrawn);
    EXPECT_EQ(Draw(second, routes), secondDrawn);
    // Each shows what its switches ask for: the first its selected arm's end handles, the second
    // the document's selected route in its colour on lanes 1.2, 2.1 and 3.1.
    const std::string selectedItem = "colour=0x0000ff";
    EXPECT_GT(Count(firstDrawn, selectedItem), 0);
    EXPECT_EQ(Count(firstDrawn, SelectedRouteColour), 0);
    EXPECT_EQ(Count(secondDrawn, selectedItem), 0);
    EXPECT_GT(Count(secondDrawn, SelectedRouteColour), 0);
    EXPECT_TRUE(doc.SaveSnapshot() == stored);
    EXPECT_FALSE(doc.IsModified());
}

// The route selection is the document's: every view that shows selected routes draws it, one
// opened later too, and each forgets the colours it had worked out whenever it changes.
TEST_F(DocumentViewsTest, EveryViewDrawsTheDocumentsSelectedRoutes)
{
    ASSERT_FALSE(DrawsSelectedRoute(first)); // caches every category
    ASSERT_FALSE(DrawsSelectedRoute(second));

    doc.SetRoutesSelected(std::array{RouteId(2)}, true);
    EXPECT_TRUE(DrawsSelectedRoute(first));
    EXPECT_TRUE(DrawsSelectedRoute(second));
    CNetworkViewState later{doc.GetViewStates()};
    EXPECT_TRUE(DrawsSelectedRoute(later));

    doc.SetRoutesSelected(std::array{RouteId(2)}, false);
    for (CNetworkViewState* state : {&first, &second, &later}) {
        EXPECT_FALSE(DrawsSelectedRoute(*state));
    }
    EXPECT_FALSE(doc.IsModified()) << "a selection is not stored";
}

// What no notifier reports (a route deleted, a connector added) still reaches the views
// through the document's update; an undo takes every view's selection away.
TEST_F(DocumentViewsTest, ChangesAndUndoReachEveryView)
{
    ASSERT_EQ(Category(first), ColourCategory::FilteredPermitted);
    ASSERT_TRUE(doc.DeleteRoute(*doc.GetNetwork().GetRoutes().GetRoute(1)));
    EXPECT_EQ(Category(first), ColourCategory::Normal);

    first.Select(ESelectionKind::Zone, origin->GetId());
    doc.SetRoutesSelected(std::array{RouteId(1)}, true);
    ASSERT_EQ(second.GetSelectedRoutes().size(), 1U);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(first.GetSelectionKind(), ESelectionKind::None);
    EXPECT_TRUE(doc.GetSelectedRoutes().empty()) << "route ids start again after an undo";
    EXPECT_TRUE(second.GetSelectedRoutes().empty());
    EXPECT_EQ(CNetworkViewState(doc.GetViewStates()).GetSelectedRoutes().size(), 0U);
    EXPECT_EQ(Category(first), ColourCategory::FilteredPermitted);
}

TEST_F(DocumentViewsTest, ADocumentLeavesAnotherDocumentsNotifierInPlace)
{
    const ProgramSettings otherProgram;
    NetworkSettings otherSettings;
    auto older = std::make_unique<CCarouselDoc>(otherProgram, otherSettings);
    CCarouselDoc newer(otherProgram, otherSettings);
    older.reset();
    const auto* installed =
        dynamic_cast<CRouteGraphicsRefreshHandler*>(GetRouteStatusChangeNotifyer());
    ASSERT_NE(installed, nullptr);
    EXPECT_TRUE(installed->Serves(newer.GetViewStates()));
}

} // namespace
