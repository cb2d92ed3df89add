// Several views over one document: each draws by its own state, which the document keeps
// current through the two notifiers and its updates.
#include "../view/support/recording_surface.h"
#include "document_fixture.h"
#include "platform/text_measurer.h"
#include "routing/route_filter.h"
#include "view/colour_category.h"
#include "view/network_renderer.h"

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
    second.SetRouteSelected(doc.GetNetwork().GetRoutes().GetRoute(2)->GetId(), true);

    const std::vector<std::string> firstDrawn = Draw(first, selection);
    const std::vector<std::string> secondDrawn = Draw(second, routes);
    EXPECT_NE(firstDrawn, secondDrawn);
    EXPECT_EQ(Draw(first, selection), firstDrawn);
    EXPECT_EQ(Draw(second, routes), secondDrawn);
    // Each shows its own choice: the first its selected arm's end handles, the second its
    // selected route's colour on lanes 1.2, 2.1 and 3.1.
    const std::string selectedItem = "colour=0x0000ff";
    const std::string selectedRoute = "colour=0xff80ff";
    auto count = [](const std::vector<std::string>& calls, const std::string& text) {
        return std::count_if(calls.begin(), calls.end(), [&](const std::string& call) {
            return call.find(text) != std::string::npos;
        });
    };
    EXPECT_GT(count(firstDrawn, selectedItem), 0);
    EXPECT_EQ(count(firstDrawn, selectedRoute), 0);
    EXPECT_EQ(count(secondDrawn, selectedItem), 0);
    EXPECT_GT(count(secondDrawn, selectedRoute), 0);
    EXPECT_TRUE(doc.SaveSnapshot() == stored);
    EXPECT_FALSE(doc.IsModified());
}

// What no notifier reports (a route deleted, a connector added) still reaches the views
// through the document's update; an undo takes every view's selection away.
TEST_F(DocumentViewsTest, ChangesAndUndoReachEveryView)
{
    ASSERT_EQ(Category(first), ColourCategory::FilteredPermitted);
    ASSERT_TRUE(doc.DeleteRoute(*doc.GetNetwork().GetRoutes().GetRoute(1)));
    EXPECT_EQ(Category(first), ColourCategory::Normal);

    first.Select(ESelectionKind::Zone, origin->GetId());
    second.SetRouteSelected(doc.GetNetwork().GetRoutes().GetRoute(1)->GetId(), true);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(first.GetSelectionKind(), ESelectionKind::None);
    EXPECT_TRUE(second.GetSelectedRoutes().empty()) << "route ids start again after an undo";
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
